// Port > "Simulated Panel" on the offscreen platform: the demo project written to the simulator, read back
// into a new project and verified, the "Simulated Panel" window, and the simulator's end with the
// program, also when the program is killed.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/panel_status_dlg.h"
#include "app/simulated_panel.h"
#include "app/simulated_panel_wnd.h"
#include "app/unit_commands.h"
#include "shell/version_loader.h"
// The support headers come before the harness, whose using-directives would make `testing` ambiguous.
#include "support/run_process.h"
#include "gui_harness.h"

namespace {

// The simulator `pid` has ended: no such process, one that is no simulator (the id was reused), or a
// zombie nobody has reaped yet.
bool SimulatorEnded(qint64 pid) {
  std::string proc = "/proc/" + std::to_string(pid);
  std::string command = lumora::testing::ReadAll(proc + "/cmdline");
  if (command.find("lumora-panel-sim") == std::string::npos) return true;
  std::string stat = lumora::testing::ReadAll(proc + "/stat");
  size_t close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() && (stat[close + 2] == 'Z' || stat[close + 2] == 'X');
}

// A guard against hanging, not a time limit of the test.
bool WaitUntilEnded(qint64 pid) {
  auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!SimulatorEnded(pid)) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// The test program's folders: a home, the install tree with the staged programs, the user's state.
void SetUpHome(const std::string& home) {
  lumora::testing::LinkStageInto(home + "/install", true);
  std::filesystem::create_directory_symlink(lumora::testing::StageDir() + "/bin", home + "/install/bin");
  qputenv("HOME", home.c_str());
  qputenv("XDG_CONFIG_HOME", (home + "/config").c_str());
  qputenv("XDG_STATE_HOME", (home + "/state").c_str());
  qputenv("XDG_DATA_HOME", (home + "/data").c_str());
  std::string machine = home + "/machine.conf";
  std::ofstream(machine) << "[General]\nInstall Dir=" << home << "/install\n";
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  qunsetenv("LUMORA_INSTALL_DIR");
}

}  // namespace

class SimulatedPanelTest : public GuiTestBase {
  Q_OBJECT

  QAction* SimulatedPanelAction() {
    emit Frame()->PortMenu()->aboutToShow();
    return Frame()->PortMenu()->findChild<QAction*>("actionSimulatedPanel");
  }

  // Starts the next progress dialog's transfer on the port it offers (or on `port`, with the target
  // `radio`); closes it once the worker ended.
  void StartNextTransferOnTheOfferedPort(QString* offered, const QString& port = QString(),
                                         const QString& radio = QString()) {
    OnNextDialog<CCommProgDlg>([offered, port, radio](CCommProgDlg* dialog) {
      *offered = dialog->PortList()->currentText();
      if (!port.isEmpty()) dialog->PortList()->setCurrentIndex(dialog->PortList()->findText(port));
      if (!radio.isEmpty()) dialog->findChild<QRadioButton*>(radio)->click();
      dialog->StartButton()->click();
      auto* poll = new QTimer(dialog);
      QObject::connect(poll, &QTimer::timeout, dialog, [dialog] {
        if (dialog->StartButton()->isEnabled() && !dialog->Exchange().Running())
          dialog->CancelButton()->click();
      });
      poll->start(100);
    });
  }

 private slots:
  void initTestCase() {
    InstallRecorderHooks();
    QVERIFY(App()->InitInstance());
  }

  void writeReadVerifyAndTheDisplayWindow() {
    QVERIFY(Frame()->OpenDocumentFile(CopyOfDemo("sim-demo.lmx")));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QAction* action = SimulatedPanelAction();
    QVERIFY(action);
    QCOMPARE(action->text(), QString("&Simulated Panel"));
    QVERIFY(!action->isChecked());
    action->trigger();

    CSimulatedPanel& simulated = App()->SimulatedPanel();
    QVERIFY(simulated.Running());
    QCOMPARE(App()->PortName(), ToPath(simulated.Path()));
    QVERIFY(simulated.Path().startsWith("/dev/pts/"));
    QCOMPARE(simulated.StatePath(), QString::fromStdString(gHome->File("state/lumora/panel-sim-QM210.json")));
    auto* indicator = Frame()->findChild<QLabel*>("simulatedPanelIndicator");
    QVERIFY(indicator);
    QVERIFY(indicator->isVisible());
    QCOMPARE(indicator->text(), QString("Simulated panel in use: QM210"));
    QVERIFY(SimulatedPanelAction()->isChecked());
    CSimulatedPanelWnd* window = Frame()->SimulatedPanelWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Simulated Panel"));
    // Nothing written yet: no memory to show, which is not a file that cannot be read.
    QTRY_COMPARE(window->DisplayText(), QString("no panel memory yet"));

    // Write the demo project: the progress dialog offers the simulated panel.
    QString offered;
    gRecorder.Clear();
    StartNextTransferOnTheOfferedPort(&offered);
    view->UnitCommands()->OnWrite();
    QCOMPARE(offered, QString("Simulated Panel"));
    QVERIFY2(gRecorder.Texts().contains("Project has been written to the panel successfully."),
             qPrintable(gRecorder.Texts().join("|")));

    // The window shows message 1 as the panel does, once the simulator has kept what was written.
    window->MessageNumber()->setValue(1);
    QTRY_VERIFY2_WITH_TIMEOUT(window->DisplayText().contains("TANK LEVEL"), qPrintable(window->DisplayText()),
                              20000);
    QVERIFY(window->DisplayText().startsWith("QM210 message 1\n+--------------------+\n"));

    // Read back into a new project, then Verify: the same.
    gRecorder.nextSaveFile = QString::fromStdString(gHome->File("read-back.lmx"));
    App()->OnFileNew();
    QTRY_VERIFY(Frame()->ActiveView() && Frame()->ActiveView() != view);
    CLumoraView* readView = Frame()->ActiveView();
    gRecorder.Clear();
    StartNextTransferOnTheOfferedPort(&offered);
    readView->UnitCommands()->OnRead();
    QCOMPARE(offered, QString("Simulated Panel"));
    QVERIFY2(gRecorder.Texts().contains("Project has been read from the panel successfully."),
             qPrintable(gRecorder.Texts().join("|")));
    const TQMProject& readBack = readView->Document()->Project();
    QCOMPARE(readBack.Panel(0).messages.size(), size_t{9});
    gRecorder.Clear();
    StartNextTransferOnTheOfferedPort(&offered);
    readView->UnitCommands()->OnVerify();
    QVERIFY2(gRecorder.Texts().contains("Project file on PC is same as the \nproject loaded in the panel"),
             qPrintable(gRecorder.Texts().join("|")));
    QVERIFY(simulated.Running());

    // Another message number shows that message; a transfer that changes the memory refreshes it.
    window->MessageNumber()->setValue(2);
    QTRY_VERIFY2(window->DisplayText().contains("PUMP SPEED"), qPrintable(window->DisplayText()));
    TQMProject changed(readBack);
    changed.Panel(0).messages[1].text.replace(0, 10, "FAN SPEED ");
    readView->Document()->Change("Edit Messages", changed, ProjectPart::Panel);
    gRecorder.Clear();
    StartNextTransferOnTheOfferedPort(&offered);
    readView->UnitCommands()->OnWrite();
    QVERIFY2(gRecorder.Texts().contains("Project has been written to the panel successfully."),
             qPrintable(gRecorder.Texts().join("|")));
    QTRY_VERIFY_WITH_TIMEOUT(window->DisplayText().contains("FAN SPEED"), 20000);

    // Another port ends the simulated panel.
    qint64 pid = simulated.ProcessId();
    Frame()->OnPortChosen("COM1");
    QVERIFY(!simulated.Running());
    QVERIFY(SimulatorEnded(pid));
    QVERIFY(indicator->isHidden());
    QVERIFY(!SimulatedPanelAction()->isChecked());
    QVERIFY(window->DisplayText().contains("FAN SPEED"));  // what the panel kept stays on show
    App()->StorePort("");

    gRecorder.answer = Answer::No;  // "Save changes?" No
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  // A second session finds what the first one wrote: the memory is kept per user and set-up.
  void theMemoryIsKeptForTheNextSession() {
    SimulatedPanelAction()->trigger();
    CSimulatedPanelWnd* window = Frame()->SimulatedPanelWindow();
    QVERIFY(window);
    window->MessageNumber()->setValue(2);
    QTRY_VERIFY(window->DisplayText().contains("FAN SPEED"));
    window->close();
    QVERIFY(App()->SimulatedPanel().Running());  // the window is only a view of it
    App()->SimulatedPanel().Stop();
  }

  // A multi-panel project chooses the simulated panel in the progress dialog: a multiplexer with the
  // project's panels, each shown in the window.
  void aMultiPanelProjectGetsAMultiplexer() {
    QVERIFY(!App()->SimulatedPanel().Running());
    QVERIFY(Frame()->OpenDocumentFile(CopyOfDemo("sim-mux.lmx", "demo-multiplexer.lmx")));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QString offered;
    gRecorder.Clear();
    StartNextTransferOnTheOfferedPort(&offered, "Simulated Panel", "radioWriteProject");
    view->UnitCommands()->OnWrite();
    QVERIFY(offered != "Simulated Panel");
    QVERIFY2(gRecorder.Texts().contains(
                 "Project has been written to the multiplexer and/or panel(s) successfully."),
             qPrintable(gRecorder.Texts().join("|")));
    CSimulatedPanel& simulated = App()->SimulatedPanel();
    QVERIFY(simulated.Running());
    QCOMPARE(simulated.Description(), QString("multiplexer (2: QM210, 5: QMSV)"));
    QVERIFY(simulated.StatePath().endsWith("/state/lumora/panel-sim-mux-2-QM210_5-QMSV.json"));
    QCOMPARE(Frame()->findChild<QLabel*>("simulatedPanelIndicator")->text(),
             QString("Simulated panel in use: multiplexer (2: QM210, 5: QMSV)"));

    // The Port menu's entry keeps the simulator that runs for this project and opens the window.
    qint64 pid = simulated.ProcessId();
    SimulatedPanelAction()->trigger();
    QCOMPARE(simulated.ProcessId(), pid);
    CSimulatedPanelWnd* window = Frame()->SimulatedPanelWindow();
    QVERIFY(window);
    QCOMPARE(window->UnitList()->count(), 2);
    window->UnitList()->setCurrentIndex(window->UnitList()->findText("Port 5"));
    window->MessageNumber()->setValue(3);
    QTRY_VERIFY2(window->DisplayText().startsWith("QMSV message 3\n"), qPrintable(window->DisplayText()));
    QVERIFY(window->DisplayText().contains("OVEN TEMP"));
    window->UnitList()->setCurrentIndex(window->UnitList()->findText("Port 2"));
    QTRY_VERIFY2(window->DisplayText().startsWith("QM210 message 3\n"), qPrintable(window->DisplayText()));
    QVERIFY(window->DisplayText().contains("|TEMP "));
    window->MessageNumber()->setValue(4);  // a number the project leaves out
    QTRY_VERIFY2(window->DisplayText().contains("|(empty)"), qPrintable(window->DisplayText()));

    // Information and Clear go to the simulated panel too; the window follows the cleared memory.
    QString model;
    OnNextDialog<CPanelStatusDlg>([&model](CPanelStatusDlg* dialog) {
      model = dialog->findChild<QLabel*>("modelText")->text();
      dialog->accept();
    });
    gRecorder.Clear();
    view->UnitCommands()->OnInformation();
    QCOMPARE(model, QString("QM210"));
    QVERIFY2(gRecorder.Texts().isEmpty(), qPrintable(gRecorder.Texts().join("|")));
    window->MessageNumber()->setValue(3);
    QTRY_VERIFY(window->DisplayText().contains("|TEMP "));
    view->UnitCommands()->OnClearMemory();  // "Do you want to continue?" Yes
    QVERIFY2(gRecorder.Texts().contains("Panel(s) memory cleared"), qPrintable(gRecorder.Texts().join("|")));
    QTRY_VERIFY2(!window->DisplayText().contains("|TEMP "), qPrintable(window->DisplayText()));
    QCOMPARE(simulated.ProcessId(), pid);

    App()->SimulatedPanel().Stop();
    QVERIFY(SimulatorEnded(pid));
    gRecorder.answer = Answer::No;
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  // The program started as a child: it chooses the simulated panel, says the simulator's process id,
  // and then quits or is killed.
  void theSimulatorEndsWithTheProgram() {
    for (const char* end : {"quit", "kill"}) {
      std::string home = gHome->File(std::string("child-") + end);
      std::filesystem::create_directories(home);
      lumora::testing::ProcessResult child = lumora::testing::RunProcess(
          {"/proc/self/exe"}, {{"LUMORA_SIM_CHILD", end}, {"LUMORA_SIM_CHILD_HOME", home}});
      qint64 pid = QString::fromStdString(child.out).section('\n', 0, 0).toLongLong();
      QVERIFY2(pid > 0, child.err.c_str());
      if (std::string(end) == "quit") {
        QCOMPARE(child.exitCode, 0);
        // Stopped, and waited for, before the program ended.
        QVERIFY(SimulatorEnded(pid));
      } else {
        QCOMPARE(child.exitCode, 128 + SIGKILL);
        QVERIFY(WaitUntilEnded(pid));
      }
    }
  }

  void cleanupTestCase() { App()->SimulatedPanel().Stop(); }
};

// The child of theSimulatorEndsWithTheProgram.
int RunChild(int argc, char** argv, const std::string& end) {
  CLumoraApp app(argc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  if (!app.InitInstance()) return 2;
  app.MainFrame()->OnSimulatedPanel();
  if (!app.SimulatedPanel().Running()) return 3;
  std::printf("%lld\n", static_cast<long long>(app.SimulatedPanel().ProcessId()));
  std::fflush(stdout);
  if (end == "kill") ::kill(::getpid(), SIGKILL);
  QTimer::singleShot(0, app.MainFrame(), &QWidget::close);
  return app.exec();
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (const char* end = std::getenv("LUMORA_SIM_CHILD")) {
    SetUpHome(std::getenv("LUMORA_SIM_CHILD_HOME"));
    return RunChild(argc, argv, end);
  }
  lumora::testing::TempDir home;
  gHome = &home;
  SetUpHome(home.Path());
  CLumoraApp app(argc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  SimulatedPanelTest test;
  int failures = QTest::qExec(&test, argc, argv);
  delete app.MainFrame();
  return failures;
}

#include "simulated_panel_test.moc"
