// GUI tests on the offscreen platform: start-up and settings, the welcome screen, documents, the progress
// dialog against lumora-panel-sim, and the panel information dialog.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <mutex>

#include "app/about_dlg.h"
#include "app/addr_log_dlg.h"
#include "app/bitmap_dlg.h"
#include "app/child_frame.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/multipanel_import_dlg.h"
#include "app/panel_history_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/unit_commands.h"
#include "app/view_address_dlg.h"
#include "app/welcome_frame.h"
#include "model/message_text.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"
#include "shell/version_loader.h"
#include "support/install_tree.h"
#include "support/sample_projects.h"
#include "support/simulator.h"
#include "support/temp_dir.h"
#include "support/transfer_fixture.h"
#include "transfer/panel_information.h"
#include "transfer/unit_exchange.h"
#include "gui_harness.h"

// The main view's own tests (lumora_view_test.cpp), run after these in the same application.
int RunLumoraViewTests(int argc, char** argv);
int RunReportGuiTests(int argc, char** argv);

class GuiTest : public GuiTestBase {
  Q_OBJECT

 private slots:
  void initTestCase() { InstallRecorderHooks(); }

  void startUpCreatesFoldersAndPlacesTheWindow() {
    // Nothing stored yet: the window has the size a project's main view needs, or is maximized on a
    // screen too small for it.
    QVERIFY(App()->InitInstance());
    QVERIFY(Frame());
    QVERIFY(QDir(Install() + "/Project").exists());
    QVERIFY(QDir(Install() + "/Firmware").exists());
    QCOMPARE(QDir::currentPath(), QDir(Install() + "/Project").canonicalPath());
    QVERIFY(Frame()->WelcomeFrame());
    QCOMPARE(Frame()->windowTitle(), QString("Lumora Write Utility"));
    QRect placed = FirstPlacement(Frame()->SizeForMainView(), Frame()->screen()->availableGeometry());
    QCOMPARE(Frame()->isMaximized(), placed.isEmpty());
    if (!placed.isEmpty()) QCOMPARE(Frame()->geometry(), placed);

    // Closing stores the placement and the working folder; the next start restores the placement.
    Frame()->showNormal();
    Frame()->setGeometry(60, 40, 520, 400);
    Frame()->SavePlacement();
    QSettings again(QSettings::IniFormat, QSettings::UserScope, "Halvrick", "Lumora Write Utility");
    QCOMPARE(again.value("Settings/Path").toString(), QDir::currentPath());
    QVERIFY(!again.value("Window/Geometry").toByteArray().isEmpty());
    Frame()->setGeometry(0, 0, 300, 200);
    Frame()->RestorePlacement();
    QCOMPARE(Frame()->geometry(), QRect(60, 40, 520, 400));
    if (!placed.isEmpty()) Frame()->setGeometry(placed);
  }

  void firstPlacementFitsTheScreenOrMaximizes() {
    struct Case {
      QSize needed;
      QRect available;
      QRect placed;  // empty: maximized
    } cases[] = {
        {{1000, 700}, {0, 0, 1400, 900}, {200, 100, 1000, 700}},
        {{1000, 700}, {0, 30, 1400, 870}, {200, 115, 1000, 700}},  // below a panel at the top
        {{1400, 900}, {0, 0, 1400, 900}, {0, 0, 1400, 900}},
        {{1000, 700}, {0, 0, 800, 600}, {}},
        {{1000, 700}, {0, 0, 1024, 680}, {}},  // only the height does not fit
    };
    for (const Case& c : cases) QCOMPARE(FirstPlacement(c.needed, c.available), c.placed);
  }

  void welcomeScreenOffersFourWaysIn() {
    CWelcomeFrame* welcome = Frame()->WelcomeFrame();
    QVERIFY(welcome);
    CWelcomView* view = welcome->View();
    QCOMPARE(view->NewButton()->text(), QString("&New System"));
    QCOMPARE(view->ExistingButton()->text(), QString("&Existing System"));
    QCOMPARE(view->ConnectButton()->text(),
             QString("&Connect to Panel\nView panel status\n && Firmware version"));
    QCOMPARE(view->ExitButton()->text(), QString("E&xit"));
    QCOMPARE(view->findChild<QLabel*>("versionLabel")->text(), QString("Version 1.0"));
    QCOMPARE(view->findChild<QLabel*>("titleLabel")->text(), QString("Lumora Write Utility"));
    QCOMPARE(view->findChild<QLabel*>("greetingLabel")->text(),
             QString("Welcome to Lumora Write Utility Software"));

    // Connect with no port configured: the link's own error.
    gRecorder.Clear();
    QTest::mouseClick(view->ConnectButton(), Qt::LeftButton);
    QVERIFY2(gRecorder.Texts().value(0).startsWith("Error C003: Error opening port"),
             qPrintable(gRecorder.Texts().join("|")));

    // A simulated panel on the port: its information dialog comes up (closed at once here).
    lumora::testing::Simulator sim({"--panel", "QM410"});
    App()->StorePort(sim.Path());
    QPointer<QTimer> closer = OnNextDialog<CPanelStatusDlg>([](CPanelStatusDlg* dialog) {
      gRecorder.texts << "dialog:" + dialog->findChild<QLabel*>("modelText")->text();
      dialog->accept();
    });
    QTest::mouseClick(view->ConnectButton(), Qt::LeftButton);
    delete closer.data();
    QVERIFY2(gRecorder.Texts().contains("dialog:QM410"), qPrintable(gRecorder.Texts().join("|")));
    App()->StorePort("");
  }

  void openingAnInvalidFileShowsZ002() {
    gRecorder.Clear();
    QString bad = QString::fromStdString(gHome->Write("bad.lmx", "not a project\r\n"));
    QVERIFY(!Frame()->OpenDocumentFile(bad));
    // The system's text, then the file and why on the next line.
    QCOMPARE(gRecorder.Texts(), QStringList{"Error Z002: You are trying to read from an invalid file\n" +
                                            bad + ": not a project file"});
    QVERIFY(Frame()->WelcomeFrame());
    QCOMPARE(CChildFrame::OpenCount(), 0);
  }

  void newProjectIsCreatedAndSaved() {
    QString path = QString::fromStdString(gHome->File("created.lmx"));
    gRecorder.nextSaveFile = path;
    App()->OnFileNew();
    QTRY_VERIFY(QFile::exists(path));
    QCOMPARE(CChildFrame::OpenCount(), 1);
    QTRY_VERIFY(!Frame()->WelcomeFrame());
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QCOMPARE(view->Document()->PathName(), path);
    QVERIFY(!view->Document()->IsModified());
    QCOMPARE(Frame()->windowTitle(), QString("Lumora Write Utility - [created.lmx]"));  // not "Lumora1"

    TQMProject loaded({&App()->Ui(), &App()->Plc()});
    QVERIFY(OpenProjectFile(loaded, path.toStdString()));
    QCOMPARE(loaded.Panel(0).panelType, static_cast<int>(kPanelQM210));
    QCOMPARE(QString::fromStdString(loaded.plcSettings.plcName), QString("Tarvo DL-205"));
    QCOMPARE(loaded.plcSettings.plcAttributes.size(), size_t{32 + 7});
    QVERIFY(App()->User().RecentFiles().front() == path.toStdString());

    // The File menu offers New, Save and Save As with a project; Save As moves the window, the title and the
    // recent files to the new name and leaves the old file as it was.
    TQMProject changed(view->Document()->Project());
    changed.Panel(0).beeperEnabled = false;
    view->Document()->Change("Edit Messages", changed, ProjectPart::Panel);
    QAction* saveAs = Frame()->findChild<QAction*>("actionSaveAs");
    QVERIFY(saveAs && saveAs->isVisible() && Frame()->findChild<QAction*>("actionSave")->isVisible());
    QVERIFY(Frame()->findChild<QAction*>("actionNew")->isVisible());
    const std::string created = lumora::testing::TempDir::Read(path.toStdString());
    QString copy = QString::fromStdString(gHome->File("copy.lmx"));
    gRecorder.nextSaveFile = copy;
    saveAs->trigger();
    QVERIFY(!view->Document()->IsModified());
    QCOMPARE(view->Document()->PathName(), copy);
    QCOMPARE(Frame()->windowTitle(), QString("Lumora Write Utility - [copy.lmx]"));
    QVERIFY(App()->User().RecentFiles().front() == copy.toStdString());
    QVERIFY(lumora::testing::TempDir::Read(path.toStdString()) == created);
    QVERIFY(lumora::testing::TempDir::Read(copy.toStdString()) != created);

    // Save As onto a file another window has open is refused: the two would overwrite each other.
    QVERIFY(Frame()->OpenDocumentFile(CopyOfDemo("other-window.lmx")));
    CLumoraDoc* other = Frame()->ActiveView()->Document();
    gRecorder.Clear();
    gRecorder.nextSaveFile = copy;
    QVERIFY(!other->DoFileSaveAs());
    QVERIFY(gRecorder.Texts().value(0).contains("is open in another window"));
    QVERIFY(other->PathName().endsWith("other-window.lmx"));
    auto windowOf = [this](CLumoraDoc* doc) -> QMdiSubWindow* {
      for (QMdiSubWindow* window : Frame()->MdiArea()->subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window); child && child->Document() == doc) return window;
      }
      return nullptr;
    };
    windowOf(other)->close();
    QTRY_COMPARE(CChildFrame::OpenCount(), 1);

    // Closing the last project window brings the welcome screen back; a modified one asks first.
    changed.Panel(0).beeperEnabled = true;
    view->Document()->Change("Edit Messages", changed, ProjectPart::Panel);
    gRecorder.Clear();
    gRecorder.answer = Answer::No;  // "Save changes?" No
    windowOf(view->Document())->close();
    gRecorder.answer = Answer::Ok;
    QCOMPARE(gRecorder.Texts().value(0), QString("Save changes to copy.lmx?"));
    QTRY_VERIFY(Frame()->WelcomeFrame());
    QCOMPARE(CChildFrame::OpenCount(), 0);
  }

  void openedProjectShowsItsMessages() {
    // A copy: the test must never save into the build's install tree.
    QVERIFY(Frame()->OpenDocumentFile(CopyOfDemo("opened.lmx")));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelQM210));
    QCOMPARE(view->findChild<QLabel*>("panelTypeCaption")->text(), QString("QM210"));
    QVERIFY(view->findChild<QRadioButton*>("singleRadio")->isChecked());
    QCOMPARE(view->findChild<QComboBox*>("plcCombo")->currentText(),
             QString::fromStdString(view->Document()->Project().plcSettings.plcName));
    QVERIFY(Frame()->windowTitle().contains("opened.lmx"));
    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void progressDialogWritesAndReadsThroughStart() {
    std::unique_ptr<TQMProject> project = DemoProject();
    QVERIFY(project);
    lumora::testing::Simulator sim({"--panel", "QM210"});
    {
      CCommProgDlg dialog(*project, TransferOperation::Write, QString(), Frame());
      QCOMPARE(dialog.windowTitle(), QString("Writing to Panel"));
      QCOMPARE(dialog.LineText(0), QString("Clearing Memory."));
      QCOMPARE(dialog.LineText(5), QString("Writing PLC attributes. "));
      dialog.show();
      SelectPort(dialog, sim.Path());
      gRecorder.Clear();
      QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
      QVERIFY(!dialog.StartButton()->isEnabled());
      QTRY_VERIFY_WITH_TIMEOUT(
          gRecorder.Texts().contains("Project has been written to the panel successfully."), 20000);
      QVERIFY(dialog.Finished());
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.PercentText(), QString("100%"));
      QCOMPARE(dialog.windowTitle(), QString("COM Port - QM210 Panel"));
    }
    {
      auto read = std::make_unique<TQMProject>(CoreServices{&App()->Ui(), &App()->Plc()});
      read->AddPanel(kPanelQM210, 1);
      CCommProgDlg dialog(*read, TransferOperation::Read, QString(), Frame());
      QCOMPARE(dialog.windowTitle(), QString("Reading from Panel"));
      QVERIFY(!dialog.findChild<QLabel*>("line1")->isVisibleTo(&dialog));
      dialog.show();
      SelectPort(dialog, sim.Path());
      gRecorder.Clear();
      QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
      QTRY_VERIFY2_WITH_TIMEOUT(
          gRecorder.Texts().contains("Project has been read from the panel successfully."),
          qPrintable(gRecorder.Texts().join("|")), 20000);
      QCOMPARE(read->Panel(0).messages.size(), size_t{9});
      QVERIFY(read->Equals(*project));
      QVERIFY(!dialog.ReadBeforeWrite()->isVisibleTo(&dialog));
    }
    {
      // "Read the unit's project before writing": off until chosen; the write then keeps what the panel
      // held as "before write", and the next Write dialog has it checked.
      std::filesystem::remove_all(DefaultHistoryFolder());
      CCommProgDlg dialog(*project, TransferOperation::Write, QString(), Frame());
      dialog.Context().history = {DefaultHistoryFolder(), 500, "demo.lmx"};
      QVERIFY(!dialog.ReadBeforeWrite()->isChecked());
      dialog.show();
      QTest::mouseClick(dialog.ReadBeforeWrite(), Qt::LeftButton);
      SelectPort(dialog, sim.Path());
      gRecorder.Clear();
      QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(
          gRecorder.Texts().contains("Project has been written to the panel successfully."), 20000);
      std::vector<PanelHistoryEntry> entries;
      QVERIFY(PanelHistory(DefaultHistoryFolder()).Load(entries));
      QCOMPARE(entries.size(), size_t{2});
      QCOMPARE(entries[0].operation, std::string("write"));
      QCOMPARE(entries[1].operation, std::string("before write"));
      CCommProgDlg next(*project, TransferOperation::Write, QString(), Frame());
      QVERIFY(next.ReadBeforeWrite()->isChecked());
      App()->User().SetReadBeforeWrite(false);
    }
  }

  // A write from the main view is kept in the panel history; Panel History lists the entries newest first,
  // filters them by project or model, compares one with the project in front, writes it again and opens it
  // as a document of its own.
  void panelHistoryKeepsAWriteFiltersAndOpensIt() {
    std::filesystem::remove_all(DefaultHistoryFolder());
    CLumoraDoc* doc = Frame()->OpenDocumentFile(CopyOfDemo("plant-a.lmx"));
    QVERIFY(doc);
    CLumoraView* view = Frame()->ActiveView();
    {
      lumora::testing::Simulator sim({"--panel", "QM210"});
      gRecorder.Clear();
      StartNextTransfer(sim.Path());
      view->UnitCommands()->OnWrite();
      QVERIFY2(gRecorder.Texts().contains("Project has been written to the panel successfully."),
               qPrintable(gRecorder.Texts().join("|")));
    }
    std::string demo = lumora::testing::StageDir() + "/Project/demo-qm210.lmx";
    PanelHistory history(DefaultHistoryFolder());
    PanelHistoryEntry other;
    other.operation = "read";
    other.model = "Multiplexer";
    other.projectName = "line-b.lmx";
    std::vector<std::string> warnings;
    QVERIFY(history.Add(other, lumora::testing::TempDir::Read(lumora::testing::StageDir() +
                                                              "/Project/demo-multiplexer.lmx"),
                        500, warnings));

    CPanelHistoryDlg dialog(DefaultHistoryFolder(), view, Frame());
    QTreeWidget* list = dialog.List();
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(7), QString("line-b.lmx"));
    QStringList written;
    for (int column : {0, 2, 3, 5, 7}) written << list->topLevelItem(1)->text(column);
    QCOMPARE(written, QStringList({"1", "write", "Panel", "QM210", "plant-a.lmx"}));
    // By model (QM210, Multiplexer) and by file name.
    for (auto [filter, shown] :
         {std::pair{"qm2", "plant-a.lmx"}, {"MULTI", "line-b.lmx"}, {"LINE-", "line-b.lmx"}}) {
      dialog.Filter()->clear();
      QTest::keyClicks(dialog.Filter(), filter);
      QCOMPARE(list->topLevelItemCount(), 1);
      QCOMPARE(list->topLevelItem(0)->text(7), QString(shown));
    }
    dialog.Filter()->clear();
    list->setCurrentItem(list->topLevelItem(1));
    // The write is the project in front; writing it again adds an entry, and the list shows it.
    gRecorder.Clear();
    dialog.OnCompare();
    QCOMPARE(gRecorder.Texts(),
             QStringList("The current project is the same as the project of history entry 1."));
    {
      lumora::testing::Simulator sim({"--panel", "QM210"});
      StartNextTransfer(sim.Path());
      dialog.OnWriteAgain();
    }
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(0)->text(7), QString("plant-a.lmx"));
    list->setCurrentItem(list->topLevelItem(2));
    QString opened = QString::fromStdString(gHome->File("from-history.lmx"));
    gRecorder.nextSaveFile = opened;
    dialog.OnOpen();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(lumora::testing::TempDir::Read(ToPath(opened)) == lumora::testing::TempDir::Read(demo));
    QVERIFY(Frame()->ActiveView());
    QCOMPARE(Frame()->ActiveView()->Document()->PathName(), opened);
    gRecorder.answer = Answer::No;
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void cancelReturnsOnlyAfterTheWorkerEnded() {
    std::unique_ptr<TQMProject> project = DemoProject();
    lumora::testing::Simulator sim({"--panel", "QM210", "--reply-delay", "60"});
    CCommProgDlg dialog(*project, TransferOperation::Write, QString(), Frame());
    dialog.show();
    SelectPort(dialog, sim.Path());
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.LineEnabled(1), 10000);  // writing messages
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    QVERIFY(!dialog.Exchange().Running());
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.Finished());
  }

  void errorBoxLeavesStartEnabled() {
    std::unique_ptr<TQMProject> project = DemoProject();
    lumora::testing::Simulator sim({"--panel", "QM410"});
    CCommProgDlg dialog(*project, TransferOperation::Write, QString(), Frame());
    dialog.show();
    SelectPort(dialog, sim.Path());
    gRecorder.Clear();
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!gRecorder.Texts().isEmpty(), 10000);
    QCOMPARE(gRecorder.Texts().value(0), QString("ERROR On COM Port. Error C001: The panel connected to the "
                                                 "PC is different from the configured one"));
    QTRY_VERIFY(dialog.StartButton()->isEnabled());
    QVERIFY(dialog.PortList()->isEnabled());
    QVERIFY(dialog.Finished());
    QVERIFY(dialog.isVisible());
    dialog.close();
  }

  void closingWhileAWorkerPromptWaits() {
    // The worker's older-firmware box is up (its thread waits for the answer) when the dialog goes: the
    // dialog must not join a worker that waits for it.
    std::unique_ptr<TQMProject> project = DemoProject();
    lumora::testing::Simulator sim({"--panel", "QM210", "--firmware", "A.1"});
    QPointer<CCommProgDlg> dialog = new CCommProgDlg(*project, TransferOperation::Write, QString(), Frame());
    dialog->show();
    SelectPort(*dialog, sim.Path());
    QString closedUnder;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
      if (dialog && request.text.contains("A.1")) {
        closedUnder = request.text;
        delete dialog.data();
      }
      return request.defaultAnswer;
    });
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, 10000);
    InstallRecorderHooks();
    QVERIFY(!closedUnder.isEmpty());
  }

  void radioAndCheckBoxRules() {
    std::unique_ptr<TQMProject> single = DemoProject();
    CCommProgDlg singleDialog(*single, TransferOperation::Write, QString(), Frame());
    for (int i = 0; i < 7; ++i)
      QVERIFY(!singleDialog.Radio(i)->isEnabled());
    QVERIFY(!singleDialog.DirectConnection()->isEnabled());

    TQMProject multi = lumora::testing::MakeMultiplexerProject({&App()->Ui(), &App()->Plc()});
    CCommProgDlg dialog(multi, TransferOperation::Write, QString(), Frame());
    dialog.show();
    QVERIFY(!dialog.Radio(0)->isEnabled());
    QVERIFY(dialog.Radio(1)->isEnabled());
    QVERIFY(!dialog.Radio(2)->isEnabled());
    QVERIFY(dialog.Radio(4)->isEnabled());
    QVERIFY(dialog.Radio(5)->isEnabled());
    QVERIFY(dialog.Radio(6)->isEnabled());
    QVERIFY(dialog.DirectConnection()->isEnabled());
    QVERIFY(!dialog.StartButton()->isEnabled());  // with no unit chosen a write would write nothing
    dialog.DirectConnection()->setChecked(true);
    dialog.Radio(5)->click();
    QVERIFY(dialog.StartButton()->isEnabled());
    QVERIFY(!dialog.DirectConnection()->isChecked());
    QVERIFY(!dialog.DirectConnection()->isEnabled());
    dialog.Radio(1)->click();
    QVERIFY(dialog.DirectConnection()->isEnabled());
    QVERIFY(dialog.StartButton()->isEnabled());
    dialog.close();
    CCommProgDlg read(multi, TransferOperation::Read, QString(), Frame());
    QVERIFY(read.StartButton()->isEnabled());
  }

  void panelInformationWithoutADriver() {
    lumora::testing::Simulator sim({"--panel", "QM210", "--plc", "0:0"});
    std::unique_ptr<TQMProject> project = DemoProject();
    lumora::testing::RecordingSink sink;
    TransferContext context(project.get(), TransferOperation::Read, &App()->Ui(), &sink);
    context.portName = sim.Path();
    std::optional<UnitInformation> info = QueryUnitInformation(context);
    QVERIFY(info);
    CPanelStatusDlg dialog(*info, Frame());
    QCOMPARE(dialog.findChild<QLabel*>("driverName")->text(), QString("No driver available on panel."));
    QCOMPARE(dialog.findChild<QLabel*>("driverRevision")->text(), QString());
    QCOMPARE(dialog.findChild<QLabel*>("modelText")->text(), QString("QM210"));
    QCOMPARE(dialog.findChild<QLabel*>("firmwareText")->text(), QString("B.2"));
    QVERIFY(dialog.findChild<QLabel*>("attributesText")->text().startsWith("  * 2 x 20 with 5 user defined"));
    QVERIFY(!dialog.findChild<QLabel*>("previewPicture")->pixmap().isNull());
  }

  void portMenuChecksTheStoredPort() {
    App()->StorePort("COM3");
    QCOMPARE(App()->PortName(), std::string("COM3"));
    QMenu* menu = Frame()->PortMenu();
    emit menu->aboutToShow();
    QAction* com3 = menu->findChild<QAction*>("actionCOM3");
    QVERIFY(com3 && com3->isChecked());
    QVERIFY(!menu->findChild<QAction*>("actionCOM1")->isChecked());
    App()->StorePort("");
  }

  // The view's Read: a read that fails keeps the project; one that equals it does not mark it modified.
  void readCommandReplacesOnlyAfterAGoodRead() {
    // A copy: the read project replaces it and may be saved when the window closes.
    CLumoraDoc* doc = Frame()->OpenDocumentFile(CopyOfDemo("read-target.lmx"));
    QVERIFY(doc);
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    auto startModalTransfer = [this](const std::string& port) { StartNextTransfer(port); };
    {
      lumora::testing::Simulator sim({"--panel", "QM210", "--error", "5@B6"});
      gRecorder.Clear();
      startModalTransfer(sim.Path());
      view->UnitCommands()->OnRead();
      QVERIFY2(gRecorder.Texts().contains("ERROR On COM Port. Error C012: Start Dump Not Requested"),
               qPrintable(gRecorder.Texts().join("|")));
      QCOMPARE(doc->Project().Panel(0).messages.size(), size_t{9});
      QVERIFY(!doc->IsModified());
    }
    {
      lumora::testing::Simulator sim({"--panel", "QM210"});
      std::unique_ptr<TQMProject> project = DemoProject();
      lumora::testing::RecordingSink sink;
      TransferContext context(project.get(), TransferOperation::Write, &App()->Ui(), &sink);
      context.portName = sim.Path();
      RunTransfer(context);
      QVERIFY(context.finished);
      gRecorder.Clear();
      startModalTransfer(sim.Path());
      view->UnitCommands()->OnRead();
      QVERIFY2(gRecorder.Texts().contains("Project has been read from the panel successfully."),
               qPrintable(gRecorder.Texts().join("|")));
      QVERIFY(!doc->IsModified());

      // Verify against a changed message: "different", with the field behind the details button.
      TQMProject changed(doc->Project());
      changed.Panel(0).messages[0].text = "CHANGED";
      doc->Change("Edit Messages", changed, ProjectPart::Panel);
      gRecorder.Clear();
      startModalTransfer(sim.Path());
      view->UnitCommands()->OnVerify();
      int box =
          gRecorder.Texts().indexOf("Project file on PC is different from\nproject loaded in the panel");
      QVERIFY2(box >= 0, qPrintable(gRecorder.Texts().join("|")));
      QVERIFY2(gRecorder.details.value(box).contains("Port 1 (QM210), message 1, text: \"CHANGED\""),
               qPrintable(gRecorder.details.value(box)));
    }
    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  // The short exchanges run on a worker: against a slow panel the window keeps its event loop (timers
  // fire, it repaints) under the wait cursor, and the outcome is the one it always was.
  void shortExchangesLeaveTheEventLoopRunning() {
    struct Watch : QObject {
      int ticks = 0;
      int paints = 0;
      QTimer timer;
      static bool Waiting() {
        return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor &&
               !QApplication::activeModalWidget();
      }
      explicit Watch(QWidget* window) {
        connect(&timer, &QTimer::timeout, this, [this, window] {
          if (!Waiting()) return;
          ++ticks;
          window->update();
        });
        timer.start(10);
        qApp->installEventFilter(this);
      }
      ~Watch() override { qApp->removeEventFilter(this); }
      bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && Waiting()) ++paints;
        return false;
      }
      void Reset() { ticks = paints = 0; }
    };
    QVERIFY(Frame()->WelcomeFrame());
    Watch watch(Frame());
    QStringList models;
    auto model = [&models](CPanelStatusDlg* dialog) {
      models << dialog->findChild<QLabel*>("modelText")->text();
      dialog->accept();
    };
    {
      lumora::testing::Simulator sim({"--panel", "QM210", "--reply-delay", "250"});
      App()->StorePort(sim.Path());
      // Connect to Panel.
      QPointer<QTimer> closer = OnNextDialog<CPanelStatusDlg>(model);
      gRecorder.Clear();
      QTest::mouseClick(Frame()->WelcomeFrame()->View()->ConnectButton(), Qt::LeftButton);
      delete closer.data();
      QCOMPARE(models, QStringList{"QM210"});
      QVERIFY(watch.ticks > 0);
      QVERIFY(watch.paints > 0);
      QVERIFY2(gRecorder.Texts().isEmpty(), qPrintable(gRecorder.Texts().join("|")));

      // Information on the project's panel.
      QVERIFY(Frame()->OpenDocumentFile(CopyOfDemo("responsive.lmx")));
      CLumoraView* view = Frame()->ActiveView();
      QVERIFY(view);
      watch.Reset();
      closer = OnNextDialog<CPanelStatusDlg>(model);
      view->UnitCommands()->OnInformation();
      delete closer.data();
      QCOMPARE(models, (QStringList{"QM210", "QM210"}));
      QVERIFY(watch.ticks > 0);
      QVERIFY2(gRecorder.Texts().isEmpty(), qPrintable(gRecorder.Texts().join("|")));

      // Clear memory: the question, then the worker's own message.
      watch.Reset();
      view->UnitCommands()->OnClearMemory();
      QCOMPARE(gRecorder.Texts(), (QStringList{"This command will clear the panel. Do you want to continue?",
                                               "Panel(s) memory cleared"}));
      QVERIFY(watch.ticks > 0);
      Frame()->MdiArea()->closeAllSubWindows();
    }
    {
      // The multiplexer check before Verify; the read that follows is cancelled.
      lumora::testing::Simulator sim({"--mux", "2:QM210,5:QMSV", "--reply-delay", "100"});
      App()->StorePort(sim.Path());
      TQMProject multi = lumora::testing::MakeMultiplexerProject({&App()->Ui(), &App()->Plc()});
      std::string path = gHome->File("responsive-mux.lmx");
      QVERIFY(SaveProjectFile(multi, path));
      QVERIFY(Frame()->OpenDocumentFile(QString::fromStdString(path)));
      CLumoraView* view = Frame()->ActiveView();
      QVERIFY(view);
      watch.Reset();
      gRecorder.Clear();
      bool readOffered = false;
      QPointer<QTimer> closer = OnNextDialog<CCommProgDlg>([&readOffered](CCommProgDlg* dialog) {
        readOffered = true;
        dialog->CancelButton()->click();
      });
      view->UnitCommands()->OnVerify();
      delete closer.data();
      QVERIFY(readOffered);
      QVERIFY(watch.ticks > 0);
      QVERIFY2(gRecorder.Texts().isEmpty(), qPrintable(gRecorder.Texts().join("|")));
      Frame()->MdiArea()->closeAllSubWindows();
    }
    App()->StorePort("");
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  // Texts of the file are single bytes: 0xB0 is the degree sign, whatever the locale.
  void messageBytesShowAsLatin1() {
    QString path = CopyOfDemo("degree.lmx");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(bytes.contains("TANK LEVEL  "));
    bytes.replace("TANK LEVEL  ", "TANK LEVEL\xB0 ");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QVERIFY(Frame()->OpenDocumentFile(path));
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QString line = FromLatin1(MessageDisplayText(view->Document()->Project().Panel(0).messages[0].text));
    QVERIFY2(line.contains(QString("TANK LEVEL") + QChar(0xB0) + " 1111 %"), qPrintable(line));
    Frame()->MdiArea()->closeAllSubWindows();
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void multipanelImportDialogOffersOnlyConfiguredPorts() {
    CMultipanelImportDlg dialog({"Not Configured", "QM210", "Not Configured", "QMSV", "Not Configured"},
                                Frame());
    QCOMPARE(dialog.windowTitle(), QString("Import From Multipanel Project"));
    auto* port1 = dialog.findChild<QRadioButton*>("port1");
    auto* port2 = dialog.findChild<QRadioButton*>("port2");
    auto* port4 = dialog.findChild<QRadioButton*>("port4");
    QVERIFY(port1 && port2 && port4);
    QVERIFY(!port1->isEnabled());
    QVERIFY(port2->isEnabled() && port2->isChecked());  // the first configured port, not an empty port 1
    QCOMPARE(dialog.findChild<QLabel*>("portText4")->text(), QString("QMSV"));
    QCOMPARE(dialog.findChild<QLabel*>("portText4")->buddy(), port4);
    QCOMPARE(dialog.SelectedPort(), 2);
    port4->click();
    QCOMPARE(dialog.SelectedPort(), 4);
  }

  // Import Configuration from a multi-panel file, then Export Configuration of the result.
  void importAndExportConfiguration() {
    CLumoraDoc* doc = Frame()->OpenDocumentFile(CopyOfDemo("import-target.lmx"));
    QVERIFY(doc);
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    std::string multi = gHome->Write(
        "multi.lmx",
        lumora::testing::TempDir::Read(lumora::testing::StageDir() + "/Project/demo-multiplexer.lmx"));
    gRecorder.Clear();
    gRecorder.nextOpenFile = QString::fromStdString(multi);
    QPointer<QTimer> chooser = OnNextDialog<CMultipanelImportDlg>([](CMultipanelImportDlg* dialog) {
      dialog->findChild<QRadioButton*>("port5")->click();
      dialog->accept();
    });
    view->OnImportConfiguration();
    delete chooser.data();
    // The clearing question came, and the panel is now the QMSV of port 5.
    QCOMPARE(gRecorder.Texts().value(0),
             QString("This command will clear the panel(s). Do you want to continue?"));
    const TQMProject& project = doc->Project();
    QCOMPARE(project.PanelCount(), size_t{1});
    QCOMPARE(project.Panel(0).panelType, int(kPanelQMSV));
    QCOMPARE(project.multiplexer.portType[0], int(kPanelQMSV));
    QVERIFY(doc->IsModified());
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelQMSV));
    QVERIFY(view->findChild<QLabel*>("configurePanelLabel")->isVisibleTo(view));
    QVERIFY(!view->findChild<QPushButton*>("buttonsLedsButton")->isVisibleTo(view));

    std::string exported = gHome->File("exported.lmx");
    gRecorder.nextSaveFile = QString::fromStdString(exported);
    view->OnExportConfiguration();
    std::string text = lumora::testing::TempDir::Read(exported);
    QVERIFY(text.rfind("KRV__3A7C15E2_91D4_4B6E_A2F0_5C8E1D9B7F34__KRV1\r\n0\r\n1\r\n5\r\n1\r\n", 0) == 0);

    gRecorder.answer = Answer::No;  // "Save changes?" No
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void addressDatabaseListsThePanelsAddresses() {
    std::unique_ptr<TQMProject> project = DemoProject();
    QVERIFY(project);
    const TQMPanel& panel = *project->CurrentPanel();
    {
      CViewAddressDlg dialog(*project, panel, App()->User(), Frame());
      QCOMPARE(dialog.windowTitle(), QString("View PLC addresses"));
      auto* list = dialog.findChild<QTreeView*>("addressList");
      QVERIFY(list);
      const QAbstractItemModel* rows = list->model();
      QCOMPARE(rows->rowCount(), 8);
      QCOMPARE(rows->index(3, 3).data().toString(), QString("Decimal Point"));
      QCOMPARE(rows->index(6, 2).data().toString(), QString("Local"));
      QCOMPARE(dialog.findChild<QLineEdit*>("totalValue")->text(), QString("  9"));
      QVERIFY(dialog.findChild<QLabel*>("plcLabel")->text().contains("Tarvo DL-205"));
      QVERIFY(!dialog.findChild<QPushButton*>("editButton")->isHidden());
      // A system address reads as its caption with the address it shows.
      QStringList read;
      for (QLabel* value : dialog.findChild<QGroupBox*>("systemGroup")->findChildren<QLabel*>()) {
        if (!value->accessibleDescription().isEmpty())
          read << value->accessibleName() + "=" + value->accessibleDescription();
      }
      QVERIFY2(read.contains("Bit Read (LED's)=V2100"), qPrintable(read.join("|")));
      list->setColumnWidth(1, 177);
      dialog.accept();
    }
    // The widths come back the next time.
    CViewAddressDlg again(*project, panel, App()->User(), Frame());
    QCOMPARE(again.findChild<QTreeView*>("addressList")->columnWidth(1), 177);
  }

  void conversionLogListsAndSavesItsRows() {
    std::vector<std::string> rows = {"V100\tV100\t\t", "\tV5\t\t",
                                     "V77777\t \tUnable to rebuild the address for the new PLC\t"};
    CAddrLogDlg dialog(rows, Frame());
    QCOMPARE(dialog.windowTitle(), QString("Address conversion log"));
    auto* list = dialog.findChild<QTreeWidget*>("logList");
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), 2);  // the row without an old address is not shown
    QCOMPARE(list->headerItem()->text(2), QString("Remarks"));
    QCOMPARE(list->topLevelItem(1)->text(2), QString("Unable to rebuild the address for the new PLC"));

    std::string path = gHome->File("conversion.txt");
    QVERIFY(dialog.SaveLog(path));
    std::string text = lumora::testing::TempDir::Read(path);
    QVERIFY(text.rfind("Address conversion log file\r\nCreated on : ", 0) == 0);
    size_t table = text.find("\r\nOld address\tNew address\t\tRemarks\r\n\r\nV100\tV100\t\t\r\n");
    QVERIFY(table != std::string::npos);
  }

  void selectPanelChangesTheModel() {
    {
      CBitmapDlg dialog(kPanelQM410, Frame());
      QCOMPARE(dialog.windowTitle(), QString("Select Panel"));
      auto* list = dialog.findChild<QListWidget*>("modelList");
      QVERIFY(list);
      QCOMPARE(list->count(), 5);
      QCOMPARE(list->item(4)->text(), QString("QMSV"));
      QCOMPARE(dialog.SelectedType(), int(kPanelQM410));  // the current type is preselected
      QVERIFY(dialog.findChild<QLabel*>("description")->text().contains("4 x 20"));
      list->setCurrentRow(4);
      QCOMPARE(dialog.SelectedType(), int(kPanelQMSV));
      QVERIFY(dialog.findChild<QLabel*>("description")->text().contains("Set Point Panel"));
      QCOMPARE(CBitmapDlg(kPanelNone, Frame()).SelectedType(), int(kPanelQM210));
    }
    CLumoraDoc* doc = Frame()->OpenDocumentFile(CopyOfDemo("select-panel.lmx"));
    QVERIFY(doc);
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view);
    QPointer<QTimer> chooser = OnNextDialog<CBitmapDlg>([](CBitmapDlg* dialog) {
      dialog->findChild<QListWidget*>("modelList")->setCurrentRow(3);  // QM410: same family, no question
      dialog->accept();
    });
    view->OnSelectPanel();
    delete chooser.data();
    QCOMPARE(doc->Project().Panel(0).panelType, int(kPanelQM410));
    QVERIFY(doc->IsModified());
    QCOMPARE(doc->Project().Panel(0).messages.size(), size_t{9});
    QCOMPARE(view->findChild<QLabel*>("panelTypeCaption")->text(), QString("QM410"));
    // Into a multi-panel system and back: the panel stays on port 1, then the question, then one QM210.
    view->OnMultiPanelSystem();
    QVERIFY(doc->Project().IsMultiPanel());
    QCOMPARE(doc->Project().multiplexer.portType[0], int(kPanelQM410));
    gRecorder.Clear();
    view->OnSinglePanelSystem();  // the hook answers Yes to a Yes/No question
    QCOMPARE(gRecorder.Texts().value(0),
             QString("Changes made to the MultiPanel configuration will be lost.\nDo you wish to continue?"));
    QVERIFY(!doc->Project().IsMultiPanel());
    QCOMPARE(doc->Project().Panel(0).panelType, int(kPanelQM210));
    gRecorder.answer = Answer::No;  // "Save changes?" No
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  void aboutBoxNamesTheVersion() {
    CAboutDlg about(Frame());
    QCOMPARE(about.findChild<QLabel*>("versionLabel")->text(), QString("Lumora Write Utility Version 1.0"));
  }

  void cleanupTestCase() { Frame()->MdiArea()->closeAllSubWindows(); }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  lumora::testing::TempDir home;
  gHome = &home;
  lumora::testing::LinkStageInto(home.File("install"), true);
  qputenv("HOME", home.Path().c_str());
  qputenv("XDG_CONFIG_HOME", home.File("config").c_str());
  qputenv("XDG_DATA_HOME", home.File("data").c_str());
  std::string machine = home.Write("machine.conf", "[General]\nInstall Dir=" + home.File("install") + "\n");
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  qunsetenv("LUMORA_INSTALL_DIR");
  CLumoraApp app(argc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  GuiTest test;
  int failures = QTest::qExec(&test, argc, argv);
  failures += RunLumoraViewTests(argc, argv);
  failures += RunReportGuiTests(argc, argv);
  CLumoraApp::Instance()->MainFrame()->close();
  return failures;
}

#include "gui_test.moc"
