// The help window on the offscreen platform: Help Topics, F1 and Shift+F1, the main view's Help, every
// dialog's Help button and F1 at the dialog's own page of the manual, the PLC libraries' address-format
// pages, contents, index and full-text search, and help above a modal dialog.

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/addr_log_dlg.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/help_window.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/panel_history_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/upgrade_firmware_dlg.h"
#include "app/view_address_dlg.h"
#include "editors/annunciator_dlg.h"
#include "editors/help_topics.h"
#include "editors/led_dlg.h"
#include "editors/message_dlg.h"
#include "editors/msg_general_dlg.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"
#include "shell/version_loader.h"
#include "support/install_tree.h"
#include "support/temp_dir.h"
#include "transfer/transfer_context.h"

using namespace lumora;
using namespace lumora::gui;

namespace {

lumora::testing::TempDir* gHome = nullptr;
QStringList gMessages;

bool WaitFor(const std::function<bool()>& condition, int ms = 30000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition() && timer.elapsed() < ms)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  return condition();
}

QString Page(const QString& topic) {
  return CHelpWindow::TopicUrl(topic).toString();
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

  CMainFrame* Frame() { return CLumoraApp::Instance()->MainFrame(); }
  CHelpWindow* Help() { return CHelpWindow::Instance(); }
  QString Shown() { return Help() ? Help()->CurrentUrl().toString() : QString(); }

  std::unique_ptr<TQMProject> Demo() {
    CLumoraApp* app = CLumoraApp::Instance();
    auto project = std::make_unique<TQMProject>(CoreServices{&app->Ui(), &app->Plc()});
    if (!OpenProjectFile(*project, lumora::testing::StageDir() + "/Project/demo-qm210.lmx")) return nullptr;
    project->ReloadPlcLibrary(project->plcSettings.libraryName);
    return project;
  }

  // Shortcuts reach only the active window.
  static void Activate(QWidget* window) {
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
  }

  // The page is one of the manual and holds the place the topic names.
  void ExpectPageExists(const QUrl& url) {
    QByteArray page = Help()->PageData(url);
    QVERIFY2(!page.isEmpty(), qPrintable(url.toString()));
    if (url.hasFragment()) QVERIFY2(page.contains(("id=\"" + url.fragment() + "\"").toUtf8()), qPrintable(url.toString()));
    QVERIFY(!Help()->Browser()->toPlainText().isEmpty());
  }

  // Help and F1 of `dialog` both show `topic`.
  void ExpectHelp(QWidget* dialog, QAbstractButton* button, const QString& topic) {
    QVERIFY2(button, qPrintable(dialog->metaObject()->className()));
    QVERIFY(button->isEnabled());
    dialog->show();
    Help()->Browser()->setSource(CHelpWindow::TopicUrl(kHelpContents));
    button->click();
    QCOMPARE(Shown(), Page(topic));
    ExpectPageExists(Help()->CurrentUrl());
    Help()->Browser()->setSource(CHelpWindow::TopicUrl(kHelpContents));
    Activate(dialog);
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(Shown(), Page(topic));
    dialog->hide();
  }

 private slots:
  void helpTopicsAndF1ShowTheContents() {
    QVERIFY(!Help());
    for (QAction* action : Frame()->findChildren<QAction*>()) {
      if (action->text() == "&Help Topics") {
        QCOMPARE(action->shortcut(), QKeySequence("F1"));
        action->trigger();
      }
    }
    QVERIFY(Help());
    QVERIFY(Help()->isVisible());
    QCOMPARE(Shown(), Page("index.html"));
    QVERIFY(Help()->Browser()->toPlainText().contains("Troubleshooting"));
    Help()->Browser()->setSource(CHelpWindow::TopicUrl(kHelpMessages));
    Activate(Frame());
    QTest::keyClick(Frame(), Qt::Key_F1);
    QCOMPARE(Shown(), Page("index.html"));
    // Shift+F1 on the welcome screen: its page.
    QTest::keyClick(Frame(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(Shown(), Page("welcome.html"));
  }

  void theMainViewsHelpShowsTheContentsAndShiftF1ItsPage() {
    std::string copy = gHome->File("help-demo.lmx");
    std::filesystem::copy_file(lumora::testing::StageDir() + "/Project/demo-qm210.lmx", copy,
                               std::filesystem::copy_options::overwrite_existing);
    QVERIFY(Frame()->OpenDocumentFile(QString::fromStdString(copy)));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    auto* help = view->findChild<QPushButton*>("helpButton");
    QVERIFY(help);
    Help()->Browser()->setSource(CHelpWindow::TopicUrl(kHelpMessages));
    help->click();
    QCOMPARE(Shown(), Page("index.html"));
    Activate(Frame());
    QTest::keyClick(Frame(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(Shown(), Page("main-view.html"));
    Frame()->MdiArea()->closeAllSubWindows();
  }

  void everyDialogsHelpShowsItsOwnPage() {
    std::unique_ptr<TQMProject> project = Demo();
    QVERIFY(project && project->CurrentPanel());
    project->CurrentPanel()->panelType = kPanelQM210K;
    CLumoraApp* app = CLumoraApp::Instance();
    auto standardHelp = [](QWidget* dialog) -> QAbstractButton* {
      for (auto* box : dialog->findChildren<QDialogButtonBox*>())
        if (QAbstractButton* button = box->button(QDialogButtonBox::Help)) return button;
      return nullptr;
    };
    {
      CPLCGeneralDlg dialog(*project->CurrentPanel(), Frame());
      ExpectHelp(&dialog, standardHelp(&dialog), kHelpSystemAddresses);
    }
    {
      CPLCLedDlg dialog(*project, Frame());
      ExpectHelp(&dialog, standardHelp(&dialog), kHelpButtonsLeds);
    }
    {
      CPLCAnnunciatorDlg dialog(*project, Frame());
      ExpectHelp(&dialog, standardHelp(&dialog), kHelpAnnunciator);
    }
    {
      CPLCMessageDlg dialog(*project, Frame());
      ExpectHelp(&dialog, dialog.findChild<QPushButton*>("helpButton"), kHelpMessages);
    }
    {
      CViewAddressDlg dialog(*project, *project->CurrentPanel(), app->User(), Frame());
      ExpectHelp(&dialog, standardHelp(&dialog), kHelpAddressDatabase);
    }
    {
      CAddrLogDlg dialog({"V2000\tV2000\t"}, Frame());
      ExpectHelp(&dialog, standardHelp(&dialog), kHelpConversionLog);
    }
    {
      CUpgdeFirmDlg dialog(Frame());
      ExpectHelp(&dialog, dialog.findChild<QPushButton*>("helpButton"), kHelpFirmware);
    }
    {
      CPanelHistoryDlg dialog(gHome->File("history"), nullptr, Frame());
      ExpectHelp(&dialog, dialog.findChild<QPushButton*>("helpButton"), kHelpHistory);
    }
    for (TransferOperation operation : {TransferOperation::Write, TransferOperation::Read,
                                        TransferOperation::PanelFirmware, TransferOperation::MultiplexerFirmware}) {
      CCommProgDlg dialog(*project, operation, QString(), Frame());
      bool firmware = IsFirmware(operation);
      ExpectHelp(&dialog, dialog.findChild<QPushButton*>("helpButton"), firmware ? kHelpFirmware : kHelpTransfer);
    }
  }

  // Every page a window or dialog names is in the manual.
  void everyHelpTopicIsAPageOfTheManual() {
    for (const char* topic : {kHelpContents, kHelpWelcome, kHelpMainView, kHelpMessages, kHelpButtonsLeds,
                              kHelpAnnunciator, kHelpSystemAddresses, kHelpSetPoint, kHelpAddressDatabase,
                              kHelpConversionLog, kHelpTransfer, kHelpFirmware, kHelpPanelInformation,
                              kHelpHistory}) {
      QVERIFY(ShowHelp(topic));
      QCOMPARE(Shown(), Page(topic));
      ExpectPageExists(Help()->CurrentUrl());
    }
  }

  void thePlcAddressFormatOpensInTheSameViewer() {
    std::unique_ptr<TQMProject> project = Demo();
    QVERIFY(project);
    CPLCMessageDlg dialog(*project, Frame());
    dialog.show();
    auto* format = dialog.findChild<QPushButton*>("plcHelpButton");
    QVERIFY(format);
    format->click();
    QUrl shown = Help()->CurrentUrl();
    QVERIFY2(shown.isLocalFile(), qPrintable(shown.toString()));
    QCOMPARE(shown.toLocalFile(), FromPath(InstallPath("dll/TDL205.html")));
    QCOMPARE(shown.fragment(), QString("100"));
    QVERIFY(Help()->Browser()->toPlainText().contains("Tarvo DL-205 address format"));
    // From the panel system addresses too.
    CPLCGeneralDlg general(*project->CurrentPanel(), Frame());
    general.show();
    Help()->Browser()->setSource(CHelpWindow::TopicUrl(kHelpContents));
    general.findChild<QPushButton*>("formatHelpButton")->click();
    QCOMPARE(Help()->CurrentUrl(), shown);
  }

  void contentsIndexAndSearchFindThePages() {
    QVERIFY(ShowHelp(kHelpContents));
    QHelpEngine& engine = Help()->Engine();
    QHelpContentModel* contents = engine.contentModel();
    QVERIFY(WaitFor([&] { return !contents->isCreatingContents() && contents->rowCount() > 0; }));
    QModelIndex top = contents->index(0, 0);
    QCOMPARE(contents->data(top, Qt::DisplayRole).toString(), QString("Lumora Write Utility manual"));
    QCOMPARE(contents->rowCount(top), 23);  // "Using this help" and the 22 chapters
    // A chapter of the contents opens its page.
    QHelpContentWidget* tree = engine.contentWidget();
    QModelIndex troubleshooting = contents->index(22, 0, top);
    QCOMPARE(contents->data(troubleshooting, Qt::DisplayRole).toString(),
             QString("Troubleshooting: every error message"));
    emit tree->activated(troubleshooting);
    QCOMPARE(Shown(), Page("troubleshooting.html"));

    // The index: every error code is a keyword; typing narrows the list, Enter opens the place.
    QHelpIndexModel* index = engine.indexModel();
    QVERIFY(WaitFor([&] { return !index->isCreatingIndex() && index->rowCount() > 0; }));
    QVERIFY(index->stringList().contains("Error C009"));
    QVERIFY(index->stringList().contains("lumora check"));
    auto* filter = Help()->findChild<QLineEdit*>("indexFilter");
    QVERIFY(filter);
    filter->setText("dialout");
    QHelpIndexWidget* list = engine.indexWidget();
    QVERIFY(list->currentIndex().isValid());
    QTest::keyClick(filter, Qt::Key_Return);
    QCOMPARE(Shown(), Page("getting-started.html#dialout"));

    // Full-text search over the pages.
    QHelpSearchEngine* search = engine.searchEngine();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    search->reindexDocumentation();
    QVERIFY(indexed.wait(60000));
    QSignalSpy found(search, &QHelpSearchEngine::searchingFinished);
    search->search("simultaneously");
    QVERIFY(found.wait(30000));
    QVERIFY2(found.first().first().toInt() >= 1, qPrintable(found.first().first().toString()));
    QStringList urls;
    for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount()))
      urls << result.url().toString();
    QVERIFY2(urls.contains(Page("troubleshooting.html")), qPrintable(urls.join(' ')));
  }

  void helpAboveAModalDialogCanBeUsed() {
    std::unique_ptr<TQMProject> project = Demo();
    QVERIFY(project);
    CPLCLedDlg dialog(*project, Frame());
    bool parentedToDialog = false;
    QTimer::singleShot(0, &dialog, [&] {
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
      parentedToDialog = Help()->parentWidget() == &dialog && Help()->isVisible();
      dialog.reject();
    });
    dialog.exec();
    QVERIFY(parentedToDialog);
    QVERIFY(Help());
    QCOMPARE(Help()->parentWidget(), nullptr);
    QVERIFY(Help()->isVisible());
    QCOMPARE(Shown(), Page(kHelpButtonsLeds));
  }

  void cleanupTestCase() { QVERIFY2(gMessages.isEmpty(), qPrintable(gMessages.join('\n'))); }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  lumora::testing::TempDir home;
  gHome = &home;
  qputenv("HOME", home.Path().c_str());
  qputenv("XDG_CONFIG_HOME", home.File("config").c_str());
  qputenv("XDG_CACHE_HOME", home.File("cache").c_str());
  std::string machine =
      home.Write("machine.conf", "[General]\nInstall Dir=" + lumora::testing::StageDir() + "\n");
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  qunsetenv("LUMORA_INSTALL_DIR");
  // The program starts in a folder of its own, not in the install tree.
  QSettings user(QSettings::IniFormat, QSettings::UserScope, "Halvrick", "Lumora Write Utility");
  user.setValue("Settings/Path", QString::fromStdString(home.Path()));
  user.sync();
  CLumoraApp app(argc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  SetMessageBoxHook([](const MessageBoxRequest& request) {
    gMessages << request.text;
    return request.defaultAnswer;
  });
  if (!app.InitInstance()) return 1;
  HelpTest test;
  int result = QTest::qExec(&test, argc, argv);
  return result;
}

#include "help_test.moc"
