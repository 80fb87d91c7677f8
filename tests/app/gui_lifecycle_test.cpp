// GUI start-up and shut-down on the offscreen platform: a PLC library that complains during the
// discovery while a project opens at start, and Exit from every state that runs a modal loop (panel
// information, progress dialog with a running worker, a worker's message box, a question box).

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <mutex>

#include "app/child_frame.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/panel_status_dlg.h"
#include "app/unit_commands.h"
#include "shell/version_loader.h"
#include "app/welcome_frame.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"
#include "support/install_tree.h"
#include "support/simulator.h"
#include "support/temp_dir.h"

using namespace lumora;
using namespace lumora::gui;

namespace {

lumora::testing::TempDir* gHome = nullptr;

struct Recorder {
  std::mutex mutex;
  QStringList texts;
  int offUiThread = 0;
  QStringList Texts() {
    std::lock_guard lock(mutex);
    return texts;
  }
};
Recorder gRecorder;

// The library that reports P009 sorts last, so the projects keep their own PLC.
std::string BrokenLibraryLink() {
  return gHome->File("install") + "/dll/zz-broken.so";
}

}  // namespace

class GuiLifecycleTest : public QObject {
  Q_OBJECT

 private:
  CLumoraApp* App() { return CLumoraApp::Instance(); }
  CMainFrame* Frame() { return App()->MainFrame(); }

  QString DemoCopy() {
    std::string copy = gHome->File("demo.lmx");
    std::filesystem::copy_file(lumora::testing::StageDir() + "/Project/demo-qm210.lmx", copy,
                               std::filesystem::copy_options::overwrite_existing);
    return QString::fromStdString(copy);
  }

  // A main window with the welcome screen, the previous one (closed by Exit) gone; real message boxes
  // and no library that complains on every lookup from here on.
  bool Restart() {
    SetMessageBoxHook(nullptr);
    std::filesystem::remove(BrokenLibraryLink());
    delete Frame();
    App()->openAtStart.clear();
    if (!App()->InitInstance()) return false;
    return Frame() && Frame()->WelcomeFrame();
  }

  // Polls until `ready` holds, then activates the main window's Exit once.
  void ExitWhen(std::function<bool()> ready, bool* exited) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer, ready, exited] {
      if (!ready()) return;
      timer->stop();
      timer->deleteLater();
      *exited = true;
      Frame()->findChild<QAction*>("actionExit")->trigger();
    });
    timer->start(20);
  }

  void ExpectClosedCleanly() {
    QTRY_VERIFY(!Frame()->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(CChildFrame::OpenCount(), 0);
    QTRY_VERIFY(Frame()->MdiArea()->subWindowList().isEmpty());
  }

  template <typename Dialog>
  static Dialog* Modal() {
    return qobject_cast<Dialog*>(QApplication::activeModalWidget());
  }

 private slots:
  void initTestCase() {
    SetMessageBoxHook([](const MessageBoxRequest& request) {
      std::lock_guard lock(gRecorder.mutex);
      gRecorder.texts << request.text;
      if (QThread::currentThread() != qApp->thread()) ++gRecorder.offUiThread;
      return request.defaultAnswer;
    });
  }

  // The discovery thread meets a library that reports P009 while the user-interface thread, opening the
  // project named by --open, joins it: the project opens and P009 is shown once, on the UI thread.
  void startUpWithAComplainingLibraryOpensTheProject() {
    App()->openAtStart = DemoCopy();
    QVERIFY(App()->InitInstance());
    // The open was posted first; let the discovery reach the library before it is handled.
    QThread::msleep(1500);
    QTRY_VERIFY_WITH_TIMEOUT(Frame()->ActiveView() != nullptr, 30000);
    QTRY_COMPARE(gRecorder.Texts().count(QString::fromLatin1(kP009Text)), qsizetype(1));
    QCOMPARE(gRecorder.offUiThread, 0);
    QTest::qWait(100);
    QCOMPARE(gRecorder.Texts().count(QString::fromLatin1(kP009Text)), qsizetype(1));

    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void exitWhilePanelInformationIsOpen() {
    QVERIFY(Restart());
    lumora::testing::Simulator sim({"--panel", "QM410"});
    App()->StorePort(sim.Path());
    bool exited = false;
    ExitWhen([this] { return Modal<CPanelStatusDlg>() != nullptr; }, &exited);
    QPointer<CWelcomView> view = Frame()->WelcomeFrame()->View();
    view->ConnectButton()->click();
    QVERIFY(exited);
    ExpectClosedCleanly();
    QVERIFY(!view);
  }

  // Exit while Connect to Panel waits for a slow panel: the exchange ends, its dialog is not shown.
  void exitWhileAnExchangeRuns() {
    QVERIFY(Restart());
    lumora::testing::Simulator sim({"--panel", "QM410", "--reply-delay", "400"});
    App()->StorePort(sim.Path());
    bool exited = false;
    ExitWhen(
        [] {
          return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor &&
                 !QApplication::activeModalWidget();
        },
        &exited);
    Frame()->WelcomeFrame()->View()->ConnectButton()->click();
    QVERIFY(exited);
    ExpectClosedCleanly();
  }

  void exitWhileTheProgressDialogRuns() {
    QVERIFY(Restart());
    QVERIFY(Frame()->OpenDocumentFile(DemoCopy()));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    lumora::testing::Simulator sim({"--panel", "QM210", "--reply-delay", "60"});
    App()->StorePort(sim.Path());
    bool exited = false;
    bool started = false;
    QPointer<CCommProgDlg> seen;
    ExitWhen(
        [&] {
          CCommProgDlg* dialog = Modal<CCommProgDlg>();
          if (!dialog) return false;
          seen = dialog;
          if (!started) {
            started = true;
            dialog->StartButton()->click();
          }
          return dialog->LineEnabled(1);  // writing messages
        },
        &exited);
    view->UnitCommands()->OnWrite();
    QVERIFY(exited);
    QVERIFY(!seen);  // closed and destroyed by its caller, after the worker ended
    ExpectClosedCleanly();
  }

  void exitWhileAWorkerMessageBoxIsOpen() {
    QVERIFY(Restart());
    QVERIFY(Frame()->OpenDocumentFile(DemoCopy()));
    CLumoraView* view = Frame()->ActiveView();
    lumora::testing::Simulator sim({"--panel", "QM210", "--firmware", "A.1"});
    App()->StorePort(sim.Path());
    bool exited = false;
    bool started = false;
    QString boxText;
    ExitWhen(
        [&] {
          if (auto* dialog = Modal<CCommProgDlg>(); dialog && !started) {
            started = true;
            dialog->StartButton()->click();
          }
          // The older-firmware message, shown for the worker.
          auto* box = Modal<QMessageBox>();
          if (box) boxText = box->text();
          return box != nullptr;
        },
        &exited);
    view->UnitCommands()->OnWrite();
    QVERIFY(exited);
    QVERIFY2(boxText.contains("A.1"), qPrintable(boxText));
    ExpectClosedCleanly();
  }

  void exitWhileAQuestionIsOpen() {
    QVERIFY(Restart());
    QVERIFY(Frame()->OpenDocumentFile(DemoCopy()));
    CLumoraView* view = Frame()->ActiveView();
    bool exited = false;
    ExitWhen([] { return Modal<QMessageBox>() != nullptr; }, &exited);
    view->UnitCommands()->OnClearMemory();  // "This command will clear the panel. Do you want to continue?"
    QVERIFY(exited);
    ExpectClosedCleanly();
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  lumora::testing::TempDir home;
  gHome = &home;
  lumora::testing::LinkStageInto(home.File("install"), true);
  std::filesystem::create_symlink(lumora::testing::TestBinDir() + "/plugins/BROKEN.so", BrokenLibraryLink());
  qputenv("HOME", home.Path().c_str());
  qputenv("XDG_CONFIG_HOME", home.File("config").c_str());
  std::string machine = home.Write("machine.conf", "[General]\nInstall Dir=" + home.File("install") + "\n");
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  qunsetenv("LUMORA_INSTALL_DIR");
  CLumoraApp app(argc, argv);
  // Several main windows come and go here.
  app.setQuitOnLastWindowClosed(false);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  GuiLifecycleTest test;
  int result = QTest::qExec(&test, argc, argv);
  delete app.MainFrame();
  return result;
}

#include "gui_lifecycle_test.moc"
