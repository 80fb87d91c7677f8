// The main view on the offscreen platform: its captions and launchers, the system kind and panel type
// rules, the multiplexer ports, the PLC change with its questions, the communication set-up and the tag
// map, against real PLC libraries.

#include <QAccessible>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/about_dlg.h"
#include "app/addr_log_dlg.h"
#include "app/bitmap_dlg.h"
#include "app/log_dlg.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/multipanel_import_dlg.h"
#include "app/multiplexer_diagram.h"
#include "app/panel_history_dlg.h"
#include "app/panel_not_conf_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/unit_commands.h"
#include "app/upgrade_firmware_dlg.h"
#include "app/pnr_conv_dlg.h"
#include "app/port_static.h"
#include "app/recovery_dlg.h"
#include "app/view_address_dlg.h"
#include "editors/annunciator_dlg.h"
#include "editors/ins_msg_dlg.h"
#include "editors/led_dlg.h"
#include "editors/message_dlg.h"
#include "editors/msg_general_dlg.h"
#include "editors/parsed_rich_edit.h"
#include "editors/sp_config_dlg.h"
#include "model/codes.h"
#include "model/panel_type_change.h"
#include "model/system_kind.h"
#include "model/panel_exchange.h"
#include "plc/plc_change.h"
#include "model/project_file.h"
#include "model/text_lines.h"
#include "transfer/operations.h"
#include "transfer/unit_exchange.h"
// The support headers come before the harness, whose using-directives would make `testing` ambiguous.
#include "support/accessibility_walk.h"
#include "support/language_walk.h"
#include "support/simulator.h"
#include "support/take_edit.h"
#include "support/transfer_fixture.h"
#include "gui_harness.h"

class LumoraViewTest : public GuiTestBase {
  Q_OBJECT

  CLumoraView* Open(const std::string& name, const std::string& demo = "demo-qm210.lmx") {
    if (!Frame()->OpenDocumentFile(CopyOfDemo(name, demo))) return nullptr;
    return Frame()->ActiveView();
  }

  void CloseAll() {
    gRecorder.answer = Answer::No;  // "Save changes?" No
    Frame()->MdiArea()->closeAllSubWindows();
    gRecorder.answer = Answer::Ok;
    gRecorder.yesNo.clear();
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  template <typename T>
  static T* Child(QWidget* view, const char* name) {
    return view->findChild<T*>(name);
  }

  static void ChoosePlc(CLumoraView* view, const QString& name) {
    auto* combo = Child<QComboBox>(view, "plcCombo");
    combo->setCurrentIndex(combo->findText(name));
  }

  // The PLC library's own attribute editor: `act` runs on it once it is up.
  QPointer<QTimer> OnAttributeEditor(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, act] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal->objectName() != "plcAttributeDialog") return;
      timer->stop();
      timer->deleteLater();
      act(qobject_cast<QDialog*>(modal));
    });
    timer->start(20);
    return timer;
  }

  // The welcome screen, the main window with a multiplexer project, every dialog of the program and every
  // editor, each shown and handed to `visit`.
  void WalkEveryWindow(const std::function<void(const QString&, QWidget*)>& visit) {
    auto show = [&visit](const QString& window, QWidget* widget) {
      widget->show();
      QCoreApplication::processEvents();
      visit(window, widget);
    };
    InstallRecorderHooks();
    if (!Frame()) QVERIFY(App()->InitInstance());
    QVERIFY(Frame()->WelcomeFrame());
    show("welcome", Frame());
    CLumoraView* view = Open("walk.lmx", "demo-multiplexer.lmx");
    QVERIFY(view);
    show("main window", Frame());
    const TQMProject& project = view->Document()->Project();
    TQMProject working(project);
    // The editors of the other panel types, on copies whose panel is made one (messages and all).
    TQMProject keypad(project);
    keypad.CurrentPanel()->panelType = kPanelQM210K;
    TQMProject setPoint(project);
    setPoint.CurrentPanel()->panelType = kPanelQMSV;
    setPoint.CurrentPanel()->messages.clear();
    std::vector<std::pair<QString, std::unique_ptr<QDialog>>> dialogs;
    dialogs.emplace_back("Write", std::make_unique<CCommProgDlg>(working, TransferOperation::Write, QString(), Frame()));
    dialogs.emplace_back("Select Panel", std::make_unique<CBitmapDlg>(kPanelQM210, Frame()));
    dialogs.emplace_back("About", std::make_unique<CAboutDlg>(Frame()));
    dialogs.emplace_back("conversion log", std::make_unique<CAddrLogDlg>(std::vector<std::string>{"V1\tV2\t\t"}, Frame()));
    dialogs.emplace_back("import", std::make_unique<CMultipanelImportDlg>(std::array<std::string, 5>{"QM210"}, Frame()));
    dialogs.emplace_back("not configured", std::make_unique<CPanelNotConfDlg>(std::vector<std::string>{"Messages"}, Frame()));
    dialogs.emplace_back("panel information", std::make_unique<CPanelStatusDlg>(UnitInformation{}, Frame()));
    dialogs.emplace_back("firmware", std::make_unique<CUpgdeFirmDlg>(Frame()));
    dialogs.emplace_back("tag map log", std::make_unique<CPNRConvDlg>(std::vector<std::string>{}, "/maps/plant.map", Frame()));
    dialogs.emplace_back("log", std::make_unique<CLog>(std::vector<std::string>{"line"}, false, Frame()));
    dialogs.emplace_back("address database", std::make_unique<CViewAddressDlg>(project, *project.panels.front(),
                                                                               App()->User(), Frame()));
    dialogs.emplace_back("panel history",
                         std::make_unique<CPanelHistoryDlg>(gHome->File("walk-history"), view, Frame()));
    dialogs.emplace_back("recovery", std::make_unique<CRecoveryDlg>(
                                         std::vector<RecoveryCopy>{{"/r/p1-1.recovery", "/plant/a.lmx", 1, ""}},
                                         CRecoveryDlg::Action(), CRecoveryDlg::Action(), Frame()));
    dialogs.emplace_back("message editor", std::make_unique<CPLCMessageDlg>(working, Frame()));
    dialogs.emplace_back("system addresses", std::make_unique<CPLCGeneralDlg>(*working.CurrentPanel(), Frame()));
    dialogs.emplace_back("buttons and LEDs", std::make_unique<CPLCLedDlg>(keypad, Frame()));
    dialogs.emplace_back("annunciator", std::make_unique<CPLCAnnunciatorDlg>(keypad, Frame()));
    dialogs.emplace_back("set-point configuration", std::make_unique<CPLCSPConfigDlg>(setPoint, Frame()));
    dialogs.emplace_back("insert message", std::make_unique<CInsMsgDlg>(3, 9, App()->Ui(), Frame()));
    for (auto& [name, dialog] : dialogs) show(name, dialog.get());
    dialogs.clear();
    CloseAll();
  }

 private slots:
  void formCarriesTheCaptionsAndNamesItsFields() {
    gRecorder.nextSaveFile = QString::fromStdString(gHome->File("fresh.lmx"));
    App()->OnFileNew();
    QTRY_VERIFY(Frame()->ActiveView());
    CLumoraView* view = Frame()->ActiveView();
    QVERIFY(view->Document()->IsFreshProject());
    QCOMPARE(Child<QLabel>(view, "titleLabel")->text(), QString("Lumora Write Utility"));
    QCOMPARE(Child<QLabel>(view, "titleLabel")->font().pointSize(), 30);
    for (int step = 1; step <= 3; ++step) {
      QLabel* label = Child<QLabel>(view, qPrintable(QString("step%1Label").arg(step)));
      QCOMPARE(label->text(), QString::number(step));
      QCOMPARE(label->font().pointSize(), 65);
    }
    QCOMPARE(Child<QRadioButton>(view, "singleRadio")->text(), QString("    &Single  Panel  System    "));
    QCOMPARE(Child<QRadioButton>(view, "multiRadio")->text(), QString("     M&ulti-Panel  System "));
    QCOMPARE(Child<QPushButton>(view, "selectPanelTypeButton")->text(),
             QString("                    Select Pa&nel Type"));
    QCOMPARE(Child<QPushButton>(view, "addressDatabaseButton")->text(),
             QString("      Panel PLC \nA&ddress Database "));
    QCOMPARE(Child<QPushButton>(view, "writeButton")->text(), QString("Wri&te to \nPanel"));
    QCOMPARE(Child<QPushButton>(view, "readButton")->text(), QString("&Read from\n Panel"));
    QCOMPARE(Child<QLabel>(view, "muxCaption")->text(), QString("                        QM-Multi-Drop Serial Multiplexer"));
    QCOMPARE(Child<QLabel>(view, "muxTitleLabel")->font().pointSize(), 16);
    QCOMPARE(Child<QLabel>(view, "selectPanelLabel")->font().pointSize(), 14);
    QCOMPARE(Child<QLabel>(view, "panelTypeCaption")->text(), QString("QM210"));

    // The field labels name their fields; the mnemonic reaches the PLC list.
    QCOMPARE(Child<QLabel>(view, "plcLabel")->buddy(), Child<QComboBox>(view, "plcCombo"));
    QCOMPARE(Child<QComboBox>(view, "plcCombo")->count(), int(App()->WaitForDiscovery().Entries().size()));
    QCOMPARE(Child<QComboBox>(view, "plcCombo")->currentText(), QString("Tarvo DL-205"));
    for (int port = 1; port <= 5; ++port) {
      QCOMPARE(view->PortLabel(port)->accessibleName(), QString("Port %1").arg(port));
      QCOMPARE(view->PortLabel(port)->text(), QString("\nPort%1").arg(port));  // a single panel: no ports
    }
    QCOMPARE(view->PictureButton(EditorKind::Messages)->accessibleName(), QString("Messages on the panel picture"));
    QSet<QString> captions;
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>()) {
      if (button->text().isEmpty()) continue;
      QVERIFY2(!captions.contains(button->text()), qPrintable(button->text()));
      captions << button->text();
    }

    // A QM210 offers messages and buttons/LEDs, no annunciator; editors still to come are greyed
    // with a tooltip that says so.
    QVERIFY(Child<QPushButton>(view, "messagesButton")->isVisibleTo(view));
    QVERIFY(Child<QPushButton>(view, "buttonsLedsButton")->isVisibleTo(view));
    QVERIFY(!Child<QPushButton>(view, "annunciatorButton")->isVisibleTo(view));
    QVERIFY(!view->PictureButton(EditorKind::Annunciator)->isVisibleTo(view));
    QVERIFY(!Child<QLabel>(view, "configurePanelLabel")->isVisibleTo(view));
    for (const char* name : {"messagesButton", "buttonsLedsButton", "configureAddressesButton"})
      QVERIFY(Child<QPushButton>(view, name)->isEnabled());
    QVERIFY(!Child<QLabel>(view, "tagMapLabel")->isVisibleTo(view));  // no tag map
    QVERIFY(!Child<QPushButton>(view, "changeTagMapButton")->isVisibleTo(view));
    QVERIFY(!Child<QWidget>(view, "multiplexerGroup")->isEnabled());
    CloseAll();
  }

  void systemKindChangesOnlyWhenConfirmed() {
    CLumoraView* view = Open("system-kind.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    auto* single = Child<QRadioButton>(view, "singleRadio");
    auto* multi = Child<QRadioButton>(view, "multiRadio");
    // The same kind again: nothing changes, the document stays unmodified.
    single->click();
    QVERIFY(!doc->IsModified());
    QVERIFY(single->isChecked());

    multi->click();
    QVERIFY(doc->Project().IsMultiPanel());
    QVERIFY(doc->IsModified());
    QCOMPARE(Child<QPushButton>(view, "writeButton")->text(), QString("Wri&te Project"));
    QCOMPARE(Child<QPushButton>(view, "readButton")->text(), QString("&Read from\n Multiplexer"));
    QVERIFY(Child<QWidget>(view, "multiplexerGroup")->isEnabled());
    QCOMPARE(view->PortLabel(1)->text(), QString("QM210\nPort1"));
    QVERIFY(view->PortLabel(1)->IsSelected());
    QCOMPARE(view->PortLabel(2)->text(), QString("\nPort2"));

    // Back to a single panel, answered No: project and radios stay multi-panel.
    gRecorder.Clear();
    gRecorder.yesNo = {Answer::No};
    single->click();
    QCOMPARE(gRecorder.Texts().value(0), QString::fromLatin1(kLeaveMultiPanelQuestion));
    QVERIFY(doc->Project().IsMultiPanel());
    QVERIFY(multi->isChecked());
    QVERIFY(!single->isChecked());
    // Yes: one default QM210.
    single->click();
    QVERIFY(!doc->Project().IsMultiPanel());
    QCOMPARE(doc->Project().PanelCount(), size_t{1});
    QVERIFY(doc->Project().Panel(0).messages.empty());
    QVERIFY(single->isChecked());
    QCOMPARE(Child<QPushButton>(view, "writeButton")->text(), QString("Wri&te to \nPanel"));
    CloseAll();
  }

  void panelTypeQuestionsAndTheSameTypeAgain() {
    CLumoraView* view = Open("panel-type.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    auto choose = [this, view](int row) {
      QPointer<QTimer> chooser = OnNextDialog<CBitmapDlg>([row](CBitmapDlg* dialog) {
        dialog->findChild<QListWidget*>("modelList")->setCurrentRow(row);
        dialog->accept();
      });
      Child<QPushButton>(view, "selectPanelTypeButton")->click();
      delete chooser.data();
    };
    choose(0);  // QM210 again
    QVERIFY(!doc->IsModified());
    gRecorder.Clear();
    gRecorder.yesNo = {Answer::No};
    choose(4);  // QMSV: the messages would be lost
    QCOMPARE(gRecorder.Texts().value(0), QString::fromLatin1(kSinglePanelTypeQuestion));
    QCOMPARE(doc->Project().Panel(0).panelType, int(kPanelQM210));
    QCOMPARE(doc->Project().Panel(0).messages.size(), size_t{9});
    QVERIFY(!doc->IsModified());
    choose(4);  // answered Yes this time
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelQMSV));
    QVERIFY(doc->Project().Panel(0).messages.empty());
    QVERIFY(!Child<QPushButton>(view, "buttonsLedsButton")->isVisibleTo(view));
    QVERIFY(!Child<QPushButton>(view, "configureAddressesButton")->isVisibleTo(view));
    QVERIFY(Child<QLabel>(view, "configurePanelLabel")->isVisibleTo(view));
    QVERIFY(doc->IsModified());
    choose(2);  // QM210K: the annunciator is offered
    QVERIFY(Child<QPushButton>(view, "annunciatorButton")->isVisibleTo(view));
    QVERIFY(view->PictureButton(EditorKind::Annunciator)->isVisibleTo(view));
    CloseAll();
  }

  void portLabelsSelectAndOfferThePortCommands() {
    CLumoraView* view = Open("ports.lmx", "demo-multiplexer.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    QVERIFY(view->Document()->Project().IsMultiPanel());
    QVERIFY(Child<QRadioButton>(view, "multiRadio")->isChecked());
    QCOMPARE(view->PortLabel(2)->text(), QString("QM210\nPort2"));
    QCOMPARE(view->PortLabel(5)->text(), QString("QMSV\nPort5"));
    QVERIFY(view->PortLabel(5)->HoldsPanel());

    QTest::mouseClick(view->PortLabel(5), Qt::LeftButton);
    QCOMPARE(view->Document()->Project().SelectedPort(), 5);
    QCOMPARE(doc->Project().multiplexer.selectedPort, 5);
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelQMSV));
    QVERIFY(view->PortLabel(5)->IsSelected());
    QVERIFY(!view->PortLabel(2)->IsSelected());
    // The selected port is saved in the file: choosing one is a step, and the next choice joins it.
    QVERIFY(doc->IsModified());
    QCOMPARE(doc->UndoStack().undoText(), QString("Select Port 5"));

    // An empty port: nothing to edit, no address database.
    QTest::mouseClick(view->PortLabel(3), Qt::LeftButton);
    QCOMPARE(doc->UndoStack().count(), 1);
    QCOMPARE(doc->UndoStack().undoText(), QString("Select Port 3"));
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelNone));
    QVERIFY(!Child<QPushButton>(view, "addressDatabaseButton")->isEnabled());
    QVERIFY(!view->PictureButton(EditorKind::Messages)->isVisibleTo(view));

    // The context menu selects the port under the mouse and offers its commands.
    QStringList offered;
    QTimer::singleShot(100, [&offered] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) {
          if (!action->isSeparator()) offered << action->text() + (action->isEnabled() ? "" : " (off)");
        }
        menu->close();
      }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), view->PortLabel(2)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->PortLabel(2), &event);
    QCOMPARE(view->Document()->Project().SelectedPort(), 2);
    QCOMPARE(offered, QStringList({"&Select Panel", "&Delete Panel", "&Import Configuration",
                                   "&Export Configuration", "In&formation", "Upgrade &Firmware",
                                   "Connection S&tatus", "&Clear Panel Memory",
                                   "Upgrade Firmware through the &Multiplexer"}));

    // From the keyboard: Shift+F10 and the menu key select the focused port and open the same menu.
    for (auto [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
      bool opened = false;
      QTimer::singleShot(100, [&opened] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
          opened = menu->objectName() == "portContextMenu";
          menu->close();
        }
      });
      QTest::keyClick(view->PortLabel(5), key, modifiers);
      QVERIFY(opened);
      QCOMPARE(view->Document()->Project().SelectedPort(), 5);
      QTest::mouseClick(view->PortLabel(2), Qt::LeftButton);
    }
    // Assistive tools read each port as shown, the selected (yellow) one checked.
    QAccessibleInterface* port2 = QAccessible::queryAccessibleInterface(view->PortLabel(2));
    QAccessibleInterface* port5 = QAccessible::queryAccessibleInterface(view->PortLabel(5));
    QCOMPARE(port2->role(), QAccessible::RadioButton);
    QCOMPARE(port2->text(QAccessible::Name), QString("QM210 Port2"));
    QVERIFY(port2->state().checked);
    QVERIFY(!port5->state().checked);

    // Back on the port the file had selected, the choices are no step at all.
    QCOMPARE(doc->UndoStack().count(), 0);
    QVERIFY(!doc->IsModified());

    // Delete Panel: No keeps it, Yes empties the port.
    gRecorder.Clear();
    gRecorder.yesNo = {Answer::No};
    view->OnDeletePanel();
    QCOMPARE(gRecorder.Texts().value(0), QString::fromLatin1(kMultiPanelTypeQuestion));
    QVERIFY(doc->Project().FindPanel(2));
    QVERIFY(!doc->IsModified());
    view->OnDeletePanel();
    QVERIFY(!doc->Project().FindPanel(2));
    QCOMPARE(doc->Project().multiplexer.portType[1], int(kPanelNone));
    QCOMPARE(view->PortLabel(2)->text(), QString("\nPort2"));
    QCOMPARE(view->Document()->Project().SelectedPanelType(), int(kPanelNone));
    QVERIFY(doc->IsModified());
    CloseAll();
  }

  void plcChangeAsksUnlessTheProjectIsFresh() {
    // A fresh project changes its PLC without a question; the new library's editor still comes up.
    gRecorder.nextSaveFile = QString::fromStdString(gHome->File("fresh-plc.lmx"));
    App()->OnFileNew();
    QTRY_VERIFY(Frame()->ActiveView());
    CLumoraView* view = Frame()->ActiveView();
    gRecorder.Clear();
    QPointer<QTimer> editor = OnAttributeEditor([](QDialog* dialog) { dialog->accept(); });
    ChoosePlc(view, "Tarvo DL-405");
    delete editor.data();
    QVERIFY2(gRecorder.Texts().isEmpty(), qPrintable(gRecorder.Texts().join("|")));
    QCOMPARE(QString::fromStdString(view->Document()->Project().plcSettings.plcName), QString("Tarvo DL-405"));
    QVERIFY(!view->Document()->IsFreshProject());
    QVERIFY(view->Document()->IsModified());
    CloseAll();

    view = Open("plc-change.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    auto* combo = Child<QComboBox>(view, "plcCombo");
    TQMProject before(doc->Project());

    // Not compatible, answered No: the old entry is selected again and nothing changes.
    gRecorder.Clear();
    gRecorder.yesNo = {Answer::No};
    ChoosePlc(view, "Modbus RTU");
    QCOMPARE(gRecorder.Texts().value(0),
             QString("Error P006: Modbus RTU is not compatible with\nTarvo DL-205.\n\nDo you want to change the PLC anyway?"));
    QCOMPARE(combo->currentText(), QString("Tarvo DL-205"));
    QVERIFY(doc->Project().Equals(before));
    QVERIFY(!doc->IsModified());

    // Compatible, the library's editor cancelled: the same.
    gRecorder.Clear();
    QPointer<QTimer> cancel = OnAttributeEditor([](QDialog* dialog) { dialog->reject(); });
    ChoosePlc(view, "Tarvo DL-405");
    delete cancel.data();
    QVERIFY(gRecorder.Texts().value(0).startsWith("Tarvo DL-405 is compatible with\nTarvo DL-205."));
    QCOMPARE(combo->currentText(), QString("Tarvo DL-205"));
    QVERIFY(doc->Project().Equals(before));

    // Accepted: every address converted, the log shown.
    QStringList logRows;
    QPointer<QTimer> accept = OnAttributeEditor([](QDialog* dialog) { dialog->accept(); });
    QPointer<QTimer> log = OnNextDialog<CAddrLogDlg>([&logRows](CAddrLogDlg* dialog) {
      auto* list = dialog->findChild<QTreeWidget*>("logList");
      for (int i = 0; list && i < list->topLevelItemCount(); ++i) logRows << list->topLevelItem(i)->text(0);
      dialog->accept();
    });
    ChoosePlc(view, "Tarvo DL-405");
    delete accept.data();
    delete log.data();
    QCOMPARE(QString::fromStdString(doc->Project().plcSettings.plcName), QString("Tarvo DL-405"));
    QVERIFY2(logRows.contains("V2000"), qPrintable(logRows.join("|")));
    QVERIFY(doc->IsModified());

    // Plan & Run: not compatible; Yes, then the tag map chosen; the label names it.
    std::string map = gHome->Write("plant.map", "Plant\r\nExported\r\nTANK,V2000,5,1\r\nPUMP,V2001,7,1\r\n");
    gRecorder.Clear();
    gRecorder.nextOpenFile = QString::fromStdString(map);
    ChoosePlc(view, "Plan & Run");
    QVERIFY(doc->Project().tagMapLinked);
    QCOMPARE(Child<QLabel>(view, "tagMapLabel")->text(), QString("Tag map: plant.map"));
    QVERIFY(Child<QLabel>(view, "tagMapLabel")->isVisibleTo(view));
    QVERIFY(Child<QPushButton>(view, "changeTagMapButton")->isVisibleTo(view));
    QVERIFY(doc->Project().Panel(0).messages[0].data1.address.empty());  // addresses cleared
    QCOMPARE(VariantFor(doc->Project()), EditorVariant::PlanNRun);

    // Leaving Plan & Run hides the label again.
    ChoosePlc(view, "Modbus RTU");
    QVERIFY(!doc->Project().tagMapLinked);
    QVERIFY(!Child<QLabel>(view, "tagMapLabel")->isVisibleTo(view));
    CloseAll();
  }

  // Every change of the main view is one step of the undo history: undone it gives back the saved bytes
  // of the project before it, redone those after it, and the view shows the project it has.
  void undoAndRedoGiveBackEveryStateByteForByte() {
    CLumoraView* view = Open("undo.lmx", "demo-multiplexer.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    auto saved = [doc] {
      LineWriter writer;
      doc->Project().Save(writer);
      return writer.Text();
    };
    auto* undo = Frame()->findChild<QAction*>("actionUndo");
    auto* redo = Frame()->findChild<QAction*>("actionRedo");
    QVERIFY(undo && redo);
    QVERIFY(!undo->isEnabled());
    QVERIFY(undo->shortcuts().contains(QKeySequence("Ctrl+Z")));
    QVERIFY(redo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")) && redo->shortcuts().contains(QKeySequence("Ctrl+Y")));

    struct Step {
      QString text;
      std::string before;
      std::string after;
      int panelType;  // the view's, after the step
      QString plc;
    };
    std::vector<Step> steps;
    auto run = [&](const QString& text, const std::function<void()>& change) {
      Step step{text, saved(), {}, 0, {}};
      change();
      step.after = saved();
      step.panelType = view->Document()->Project().SelectedPanelType();
      step.plc = Child<QComboBox>(view, "plcCombo")->currentText();
      QVERIFY2(step.after != step.before, qPrintable(text));
      QCOMPARE(undo->text(), "&Undo " + text);
      steps.push_back(step);
    };
    run("Select Port 5", [&] { QTest::mouseClick(view->PortLabel(5), Qt::LeftButton); });
    run("Change Panel Type", [&] {
      QPointer<QTimer> chooser = OnNextDialog<CBitmapDlg>([](CBitmapDlg* dialog) {
        dialog->findChild<QListWidget*>("modelList")->setCurrentRow(3);  // QM410
        dialog->accept();
      });
      view->OnSelectPanel();
      delete chooser.data();
    });
    run("Change PLC", [&] {
      QPointer<QTimer> accept = OnAttributeEditor([](QDialog* dialog) { dialog->accept(); });
      QPointer<QTimer> log = OnNextDialog<CAddrLogDlg>([](CAddrLogDlg* dialog) { dialog->accept(); });
      ChoosePlc(view, "Tarvo DL-405");
      delete accept.data();
      delete log.data();
    });
    run("Select Port 2", [&] { QTest::mouseClick(view->PortLabel(2), Qt::LeftButton); });
    run("Delete Panel", [&] { view->OnDeletePanel(); });
    run("Single Panel System", [&] { view->OnSinglePanelSystem(); });
    QVERIFY(doc->IsModified());

    for (size_t i = steps.size(); i-- > 0;) {
      undo->trigger();
      QCOMPARE(saved(), steps[i].before);
    }
    QVERIFY(!doc->IsModified());  // back where the file was opened
    QVERIFY(view->Document()->Project().IsMultiPanel());
    QCOMPARE(Child<QComboBox>(view, "plcCombo")->currentText(), QString("Tarvo DL-205"));
    QCOMPARE(view->PortLabel(5)->text(), QString("QMSV\nPort5"));
    for (const Step& step : steps) {
      QCOMPARE(redo->text(), "&Redo " + step.text);
      redo->trigger();
      QCOMPARE(saved(), step.after);
      QCOMPARE(view->Document()->Project().SelectedPanelType(), step.panelType);
      QCOMPARE(Child<QComboBox>(view, "plcCombo")->currentText(), step.plc);
    }
    QVERIFY(!view->Document()->Project().IsMultiPanel());

    // Saved, the project is modified again only away from the saved step.
    QVERIFY(doc->OnSaveDocument(doc->PathName()));
    QVERIFY(!doc->IsModified());
    undo->trigger();
    QVERIFY(doc->IsModified());
    redo->trigger();
    QVERIFY(!doc->IsModified());
    CloseAll();
  }

  // 1,000 random changes through the document (editor results, panel type, system kind, PLC, delete, import,
  // a read's project, port selections), undos, redos and saves: the project always saves as the state the
  // history is at, and is modified exactly away from the state last saved.
  void randomHistoryAlwaysGivesBackTheExactState() {
    CLumoraView* view = Open("history.lmx", "demo-multiplexer.lmx");
    QVERIFY(view);
    CLumoraDoc* doc = view->Document();
    TQMProject imported(CoreServices{&App()->Ui(), &App()->Plc()});
    QVERIFY(OpenProjectFile(imported, lumora::testing::StageDir() + "/Project/demo-qm210.lmx"));
    auto saved = [doc] {
      LineWriter writer;
      doc->Project().Save(writer);
      return writer.Text();
    };
    std::mt19937 random(2026);
    auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
    // Changes as the editors and the view make them; every question answered Yes, attributes as proposed.
    std::vector<PlcCatalogueEntry> plcs;
    for (const PlcCatalogueEntry& entry : App()->WaitForDiscovery().Entries()) {
      if (entry.name != "Plan & Run") plcs.push_back(entry);  // that one asks for a tag map file
    }
    const std::vector<std::function<void(TQMProject&)>> changes = {
        [&](TQMProject& p) {
          lumora::testing::Take(
              p, ChangeProjectPlc(p, plcs[static_cast<size_t>(pick(static_cast<int>(plcs.size())))], App()->Ui(), {}));
        },
        [&](TQMProject& p) { lumora::testing::Take(p, ChangePanelType(p, 1 + pick(5))); },
        [&](TQMProject& p) {
          lumora::testing::Take(p, p.IsMultiPanel() ? SwitchToSinglePanel(p) : SwitchToMultiPanel(p));
        },
        [&](TQMProject& p) { lumora::testing::Take(p, DeleteSelectedPanel(p)); },
        [&](TQMProject& p) { lumora::testing::Take(p, ImportPanel(p, imported, 0)); },
        [&](TQMProject& p) {
          if (TQMPanel* panel = p.CurrentPanel(); panel && !panel->messages.empty())
            panel->messages[static_cast<size_t>(pick(static_cast<int>(panel->messages.size())))].text =
                "TEXT " + std::to_string(pick(1000));
        },
        [&](TQMProject& p) {
          if (TQMPanel* panel = p.CurrentPanel()) panel->localPassword = static_cast<uint32_t>(pick(10000));
        },
        // A read puts the project the unit held in place of the whole project.
        [&](TQMProject& p) { p = TQMProject(imported); },
    };
    gRecorder.yesNo.clear();
    std::vector<std::string> states = {saved()};
    size_t at = 0;
    size_t savedAt = 0;
    auto* undo = Frame()->findChild<QAction*>("actionUndo");
    auto* redo = Frame()->findChild<QAction*>("actionRedo");
    for (int op = 0; op < 1000; ++op) {
      int what = pick(10);
      if (what < 5) {
        TQMProject project(doc->Project());
        if (project.IsMultiPanel()) project.multiplexer.selectedPort = 1 + pick(5);
        changes[static_cast<size_t>(pick(static_cast<int>(changes.size())))](project);
        if (!doc->Change("Change", project, ProjectPart::All)) continue;  // nothing changed: no step
        states.resize(at + 1);
        if (savedAt > at) savedAt = SIZE_MAX;  // the saved state is gone from the history
        states.push_back(saved());
        ++at;
      } else if (what < 8 && at > 0) {
        undo->trigger();
        --at;
      } else if (what < 9 && at + 1 < states.size()) {
        redo->trigger();
        ++at;
      } else if (what == 9) {
        QVERIFY(doc->OnSaveDocument(doc->PathName()));
        savedAt = at;
      }
      QCOMPARE(saved(), states[at]);
      QCOMPARE(doc->IsModified(), at != savedAt);
    }
    CloseAll();
  }

  void communicationSetupMarksModifiedOnlyWhenChanged() {
    CLumoraView* view = Open("comm-setup.lmx");
    QVERIFY(view);
    QPointer<QTimer> unchanged = OnAttributeEditor([](QDialog* dialog) { dialog->accept(); });
    Child<QPushButton>(view, "commSetupButton")->click();
    delete unchanged.data();
    QVERIFY(!view->Document()->IsModified());
    std::vector<uint8_t> attributes = view->Document()->Project().plcSettings.plcAttributes;
    QPointer<QTimer> changed = OnAttributeEditor([](QDialog* dialog) {
      auto* station = dialog->findChild<QSpinBox*>();
      station->setValue(station->value() == station->maximum() ? station->minimum() : station->value() + 1);
      dialog->accept();
    });
    Child<QPushButton>(view, "commSetupButton")->click();
    delete changed.data();
    QVERIFY(view->Document()->IsModified());
    QVERIFY(view->Document()->Project().plcSettings.plcAttributes != attributes);
    CloseAll();
  }

  // Read of a multiplexer into a single-panel project: the whole view follows the project read.
  void readRefreshesTheWholeView() {
    lumora::testing::Simulator sim({"--mux", "2:QM210,5:QMSV"});
    {
      TQMProject source(CoreServices{&App()->Ui(), &App()->Plc()});
      QVERIFY(OpenProjectFile(source, lumora::testing::StageDir() + "/Project/demo-multiplexer.lmx"));
      source.ReloadPlcLibrary(source.plcSettings.libraryName);
      TQMPlcManager manager(source.plcLibrary.get(), App()->Ui());
      RevalidateAddresses(source, manager);
      lumora::testing::RecordingSink sink;
      TransferContext context(&source, TransferOperation::Write, &App()->Ui(), &sink);
      context.portName = sim.Path();
      context.selectedTarget = TransferTarget::WriteProject;
      RunTransfer(context);
      QVERIFY(context.finished);
    }
    CLumoraView* view = Open("read-into.lmx");
    QVERIFY(view);
    QVERIFY(!view->Document()->Project().IsMultiPanel());
    QPointer<QTimer> start = StartNextTransfer(sim.Path());
    gRecorder.Clear();
    view->UnitCommands()->OnRead();
    delete start.data();
    QVERIFY2(view->Document()->Project().IsMultiPanel(), qPrintable(gRecorder.Texts().join("|")));
    QVERIFY(view->Document()->IsModified());
    QVERIFY(view->Document()->Project().IsMultiPanel());
    QVERIFY(Child<QRadioButton>(view, "multiRadio")->isChecked());
    QCOMPARE(Child<QPushButton>(view, "writeButton")->text(), QString("Wri&te Project"));
    QCOMPARE(view->PortLabel(2)->text(), QString("QM210\nPort2"));
    QCOMPARE(view->PortLabel(5)->text(), QString("QMSV\nPort5"));
    QCOMPARE(view->Document()->Project().SelectedPanelType(), view->Document()->Project().multiplexer.portType[size_t(view->Document()->Project().SelectedPort() - 1)]);
    CloseAll();
  }

  void exitClosesTheProjectWindow() {
    CLumoraView* view = Open("exit.lmx");
    QVERIFY(view);
    QTest::mouseClick(Child<QPushButton>(view, "exitButton"), Qt::LeftButton);
    QTRY_VERIFY(Frame()->WelcomeFrame());
  }

  // The diagram: port connectors one sixth of the picture apart, blue and 10 wide with the radio's
  // white and 20 wide in a multi-panel system; all grey otherwise.
  // New project, each editor of the panel, save: the panel takes it and Verify finds it the same.
  void projectsBuiltInTheEditorsWriteAndVerify() {
    struct Case {
      int modelRow;
      const char* simulated;
    };
    for (Case build : {Case{2, "QM210K"}, Case{4, "QMSV"}}) {
      std::string path = gHome->File(std::string("scratch-") + build.simulated + ".lmx");
      gRecorder.nextSaveFile = QString::fromStdString(path);
      App()->OnFileNew();
      QTRY_VERIFY(Frame()->ActiveView());
      CLumoraView* view = Frame()->ActiveView();
      QPointer<QTimer> step = OnNextDialog<CBitmapDlg>([build](CBitmapDlg* dialog) {
        dialog->findChild<QListWidget*>("modelList")->setCurrentRow(build.modelRow);
        dialog->accept();
      });
      Child<QPushButton>(view, "selectPanelTypeButton")->click();
      delete step.data();
      QCOMPARE(QString::fromStdString(PanelModelText(view->Document()->Project().SelectedPanelType())), QString(build.simulated));

      if (view->Document()->Project().SelectedPanelType() == kPanelQMSV) {
        step = OnNextDialog<CSPConfigDlg>([](CSPConfigDlg* dialog) {
          dialog->NumberBox()->setEditText("7");
          dialog->OnSelect();
          dialog->findChild<QLineEdit*>("descriptionEdit")->setText("OVEN SET POINT");
          dialog->findChild<QComboBox*>("decimalBox")->setCurrentIndex(1);
          qobject_cast<QLineEdit*>(dialog->AddressField(CSPConfigDlg::SetPointAddress).Widget())->setText("V2300");
          QVERIFY(dialog->AcceptEdit());
          dialog->accept();
        });
        view->OnMessages();
        delete step.data();
      } else {
        step = OnNextDialog<CMsgGeneralDlg>([](CMsgGeneralDlg* dialog) {
          dialog->findChild<QLineEdit*>("line1Field")->setText("V2100");
          dialog->accept();
        });
        view->OnConfigurePanelAddresses();
        delete step.data();
        step = OnNextDialog<CMessageDlg>([](CMessageDlg* dialog) {
          dialog->OnAddPlc();
          dialog->MessageText()->SetModelText("TANK LEVEL");
          QVERIFY(dialog->ApplyEdit());
          dialog->OnAddLocal(false);
          dialog->MessageText()->SetModelText("MAIN MENU");
          QVERIFY(dialog->ApplyEdit());
          dialog->accept();
        });
        view->OnMessages();
        delete step.data();
        step = OnNextDialog<CLedDlg>([](CLedDlg* dialog) {
          dialog->findChild<QLineEdit*>("ledWordField")->setText("V2200");
          dialog->findChild<QLineEdit*>("buttonWordField")->setText("V2201");
          dialog->accept();
        });
        view->OnButtonsLeds();
        delete step.data();
        step = OnNextDialog<CAnnunciatorDlg>([](CAnnunciatorDlg* dialog) {
          dialog->findChild<QLineEdit*>("entryField")->setText("V2202");
          dialog->accept();
        });
        view->OnAnnunciator();
        delete step.data();
      }
      QVERIFY(view->Document()->IsModified());
      QVERIFY(view->Document()->DoFileSave());
      QVERIFY(!view->Document()->IsModified());

      // Checked here first: a refusal would open its own box instead of the progress dialog.
      WriteCheck check = CheckBeforeWrite(view->Document()->Project(),
                                          PlcAddressSizeOf(view->Document()->Project(), App()->Ui()));
      QVERIFY2(check.Ok(), check.missingItems.empty() ? (check.problems.empty() ? "" : check.problems[0].Line().c_str())
                                                      : check.missingItems[0].c_str());
      lumora::testing::Simulator sim({"--panel", build.simulated});
      gRecorder.Clear();
      step = StartNextTransfer(sim.Path());
      view->UnitCommands()->OnWrite();
      delete step.data();
      step = StartNextTransfer(sim.Path());
      view->UnitCommands()->OnVerify();
      delete step.data();
      QVERIFY2(gRecorder.Texts().contains("Project file on PC is same as the \nproject loaded in the panel"),
               qPrintable(gRecorder.Texts().join("|")));
      CloseAll();
    }
  }

  // Write and firmware run on a copy of the document's project: the worker never touches the project the
  // window paints.
  void transfersRunOnACopyOfTheProject() {
    CLumoraView* view = Open("transfer-copy.lmx");
    QVERIFY(view);
    struct Case {
      const char* name;
      std::function<void()> run;
    };
    const std::vector<Case> cases = {
        {"write", [view] { view->UnitCommands()->OnWrite(); }},
        {"panel firmware", [view] { view->UnitCommands()->OnPanelFirmware(); }},
        {"multiplexer firmware", [view] { view->UnitCommands()->OnMultiplexerFirmware(); }},
    };
    for (const Case& c : cases) {
      const TQMProject* workerProject = nullptr;
      QPointer<QTimer> choose = OnNextDialog<CUpgdeFirmDlg>([](CUpgdeFirmDlg* dialog) {
        dialog->SetFilePath("firmware.hex");
        dialog->accept();
      });
      QPointer<QTimer> progress = OnNextDialog<CCommProgDlg>([&workerProject](CCommProgDlg* dialog) {
        workerProject = dialog->Context().project;
        dialog->CancelButton()->click();
      });
      c.run();
      delete choose.data();
      delete progress.data();
      QVERIFY2(workerProject, c.name);
      QVERIFY2(workerProject != &view->Document()->Project(), c.name);
    }
    CloseAll();
  }

  // The address database's edit button opens the panel's address editor and shows its changes.
  void addressDatabaseEditsThePanelAddresses() {
    CLumoraView* view = Open("database-edit.lmx");
    QVERIFY(view);
    bool edited = false;
    QPointer<QTimer> database = OnNextDialog<QDialog>([this, &edited](QDialog* dialog) {
      if (dialog->objectName() != "ViewAddressDlg") {
        dialog->reject();
        return;
      }
      auto* edit = dialog->findChild<QPushButton*>("editButton");
      QVERIFY(edit && edit->isEnabled());
      QPointer<QTimer> general = OnNextDialog<CMsgGeneralDlg>([&edited](CMsgGeneralDlg* editor) {
        editor->findChild<QLineEdit*>("line1Field")->setText("V2345");
        editor->accept();
        edited = true;
      });
      edit->click();
      delete general.data();
      bool shown = false;
      for (QLabel* label : dialog->findChildren<QLabel*>()) shown = shown || label->text().contains("V2345");
      QVERIFY(shown);
      dialog->accept();
    });
    view->OnAddressDatabase();
    delete database.data();
    QVERIFY(edited);
    QCOMPARE(QString::fromStdString(view->Document()->Project().CurrentPanel()->lineRegisters[0].address),
             QString("V2345"));
    QVERIFY(view->Document()->IsModified());
    CloseAll();

    // Left with Cancel, the editor counts for nothing, though its OK stored a part before it refused the rest.
    view = Open("database-cancel.lmx");
    QVERIFY(view);
    database = OnNextDialog<QDialog>([this](QDialog* dialog) {
      if (dialog->objectName() != "ViewAddressDlg") return dialog->reject();
      QPointer<QTimer> general = OnNextDialog<CMsgGeneralDlg>([](CMsgGeneralDlg* editor) {
        editor->findChild<QLineEdit*>("line1Field")->setText("V2345");
        editor->findChild<QLineEdit*>("line2Field")->setText("QQQ");
        editor->accept();
        editor->reject();
      });
      dialog->findChild<QPushButton*>("editButton")->click();
      delete general.data();
      dialog->accept();
    });
    view->OnAddressDatabase();
    delete database.data();
    QVERIFY(!view->Document()->IsModified());
    QVERIFY(view->Document()->Project().CurrentPanel()->lineRegisters[0].address != "V2345");
    CloseAll();
  }

  void everyWindowNamesEachControlOnce() {
    QStringList problems;
    WalkEveryWindow([&problems](const QString& window, QWidget* widget) {
      for (const std::string& problem : lumora::testing::AccessibilityProblems(widget))
        problems << window + ": " + QString::fromStdString(problem);
    });
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  // Under another language every window speaks it: no text the user sees is still the English one (beyond
  // words two languages share and what belongs to the project), no label, button or check box cuts its
  // text, each control keeps a name of its own and each Alt+letter reaches one control. The
  // pseudo-translation (every text longer and bracketed) finds texts that were never marked and layouts
  // made for English only.
  void everyWindowSpeaksTheLanguageAndShowsItsTextsWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("pseudo") << "pseudo";
    QTest::newRow("German") << "de";
  }
  void everyWindowSpeaksTheLanguageAndShowsItsTextsWhole() {
    QFETCH(QString, language);
    if (language == "de" && !LUMORA_GERMAN_SHIPPED) QSKIP("German is not shipped until its translation is finished");
    std::map<QString, QSet<QString>> english;
    WalkEveryWindow([&english](const QString& window, QWidget* widget) {
      for (const QString& text : lumora::testing::VisibleTexts(widget)) english[window].insert(text);
    });
    QVERIFY(lumora::testing::SwitchLanguage(*App(), language.toStdString()));
    // The main window and its menus as a start in that language makes them.
    delete Frame();
    QVERIFY(App()->InitInstance());
    QStringList problems;
    WalkEveryWindow([&](const QString& window, QWidget* widget) {
      for (const QString& text : lumora::testing::VisibleTexts(widget)) {
        if (language == "pseudo" && lumora::testing::QtStandardText(text)) continue;
        if (english[window].contains(text) && !lumora::testing::SameInBothLanguages(text))
          problems << window + ": still English: \"" + text + "\"";
      }
      for (const std::string& problem : lumora::testing::CutTexts(widget))
        problems << window + ": " + QString::fromStdString(problem);
      for (const std::string& problem : lumora::testing::AccessibilityProblems(widget))
        problems << window + ": " + QString::fromStdString(problem);
      for (const std::string& problem : lumora::testing::MnemonicProblems(widget))
        problems << window + ": " + QString::fromStdString(problem);
      if (auto* main = qobject_cast<QMainWindow*>(widget))
        for (const std::string& problem : lumora::testing::MenuMnemonicProblems(main))
          problems << window + ": " + QString::fromStdString(problem);
      // For looking at them: scripts/screenshots.sh keeps a picture of every window in the language.
      if (QString pictures = qEnvironmentVariable("LUMORA_WALK_PICTURES"); !pictures.isEmpty())
        widget->grab().save(pictures + "/" + language + "-" + QString(window).replace(' ', '-') + ".png");
    });
    QVERIFY(lumora::testing::SwitchLanguage(*App(), "en"));
    delete Frame();
    QVERIFY(App()->InitInstance());
    for (const QString& problem : problems) qWarning("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(QString("%1 problems under %2").arg(problems.size()).arg(language)));
  }

  // Alt+letter reaches one thing in each window: the menu titles and the visible controls of the project
  // window together, each menu's items among themselves; and a menu keeps its key with or without a project.
  void everyWindowGivesEachKeyOnce() {
    QStringList problems;
    std::map<QMenu*, QString> keyOfMenu;
    auto walk = [&](const QString& window) {
      Frame()->show();
      QCoreApplication::processEvents();
      for (const std::string& problem : lumora::testing::MnemonicProblems(Frame()))
        problems << window + ": " + QString::fromStdString(problem);
      for (const std::string& problem : lumora::testing::MenuMnemonicProblems(Frame()))
        problems << window + ": " + QString::fromStdString(problem);
      for (QAction* title : Frame()->menuBar()->actions()) {
        if (!title->menu() || !title->isVisible()) continue;
        QString key = QKeySequence::mnemonic(title->text()).toString();
        auto [first, fresh] = keyOfMenu.emplace(title->menu(), key);
        if (!fresh && first->second != key)
          problems << window + ": the menu \"" + title->text() + "\" is " + key + " here, " + first->second +
                          " elsewhere";
      }
    };
    QVERIFY(Frame()->WelcomeFrame());
    walk("welcome");
    // Without a project: the File, View, Port and Help menus only.
    QStringList titles;
    for (QAction* title : Frame()->menuBar()->actions())
      if (title->isVisible()) titles << title->text();
    QCOMPARE(titles, QStringList({"&File", "V&iew", "P&ort", "&Help"}));
    for (const char* demo : {"demo-qm210.lmx", "demo-multiplexer.lmx"}) {
      QVERIFY(Open("keys.lmx", demo));
      walk(demo);
      CloseAll();
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  void multiplexerDiagramGeometry() {
    DiagramGeometry geometry;
    geometry.multiplexer = QRectF(100, 0, 60, 120);
    for (int i = 0; i < 5; ++i) geometry.ports[static_cast<size_t>(i)] = QRectF(250, i * 40, 80, 30);
    geometry.plc = QRectF(90, 200, 80, 40);
    geometry.multiPanelRadio = QRectF(0, 50, 40, 20);
    geometry.multiplexerGroup = QRectF(80, 0, 300, 300);
    std::vector<DiagramConnector> multi = MultiplexerConnectors(geometry, true);
    QCOMPARE(multi.size(), size_t{7});
    for (int i = 0; i < 5; ++i) {
      const DiagramConnector& port = multi[static_cast<size_t>(i)];
      QCOMPARE(port.path.first(), QPointF(160, 20.0 * (i + 1)));
      QCOMPARE(port.path.last(), QPointF(250, i * 40 + 15));
      QCOMPARE(port.colour, QColor(0, 0, 255));
      QCOMPARE(port.width, 10);
    }
    QCOMPARE(multi[5].path.last(), QPointF(130, 200));
    QCOMPARE(multi[6].colour, QColor(255, 255, 255));
    QCOMPARE(multi[6].width, 20);
    for (const DiagramConnector& connector : MultiplexerConnectors(geometry, false))
      QCOMPARE(connector.colour, QColor(170, 170, 150));
  }
};

int RunLumoraViewTests(int argc, char** argv) {
  LumoraViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "lumora_view_test.moc"
