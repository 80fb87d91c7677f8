// Drives the GUI through its main screens and saves a PNG of each: the welcome screen, a project
// window, the progress dialog in the middle of a write, and the panel information dialog.
//   gui_screenshots OUTPUT_DIR

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTableView>
#include <QTreeView>
#include <cstdio>

#include "app/addr_log_dlg.h"
#include "app/bitmap_dlg.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/help_window.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/multipanel_import_dlg.h"
#include "app/panel_history_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/recovery_dlg.h"
#include "app/view_address_dlg.h"
#include "editors/annunciator_dlg.h"
#include "editors/help_topics.h"
#include "editors/led_dlg.h"
#include "editors/message_dlg.h"
#include "editors/msg_general_dlg.h"
#include "editors/sp_config_dlg.h"
#include "model/panel_exchange.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"
#include "plc/plc_manager2.h"
#include "shell/version_loader.h"
#include "support/install_tree.h"
#include "support/simulator.h"
#include "support/temp_dir.h"
#include "transfer/panel_information.h"

using namespace lumora;
using namespace lumora::gui;

namespace {

void Settle(int ms = 300) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(QWidget* widget, const QString& file) {
  Settle();
  bool saved = widget->grab().save(file);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_screenshots OUTPUT_DIR [LANGUAGE]\n");
    return 2;
  }
  // "de", or "pseudo" for the layout check; English when none is named.
  QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString("en");
  QString out = QFile::decodeName(argv[1]);
  QDir().mkpath(out);
  lumora::testing::TempDir home;
  qputenv("XDG_CONFIG_HOME", home.File("config").c_str());
  qputenv("XDG_CACHE_HOME", home.File("cache").c_str());
  qputenv("XDG_STATE_HOME", home.File("state").c_str());
  qputenv("XDG_DATA_HOME", home.File("data").c_str());
  lumora::testing::Simulator sim({"--panel", "QM210", "--reply-delay", "15"});
  std::string machine = home.Write("machine.conf", "[General]\nInstall Dir=" + lumora::testing::StageDir() +
                                                       "\nPort=" + sim.Path() + "\n");
  qputenv("LUMORA_MACHINE_CONFIG", machine.c_str());
  {
    // Read as the program starts.
    QSettings early(QSettings::IniFormat, QSettings::UserScope, "Halvrick", "Lumora Write Utility");
    early.setValue("Settings/Language", language);
  }
  int programArgc = 1;
  CLumoraApp app(programArgc, argv);
  SetApplicationVersion(LoadApplicationVersion(InstallDir(), app.Ui()));
  // Message boxes are answered at once and logged.
  SetMessageBoxHook([](const MessageBoxRequest& request) {
    std::printf("message: %s\n", qPrintable(request.text));
    return request.defaultAnswer;
  });
  QSettings user(QSettings::IniFormat, QSettings::UserScope, "Halvrick", "Lumora Write Utility");
  user.setValue("Settings/Path", QString::fromStdString(home.Path()));
  user.sync();
  if (!app.InitInstance()) return 1;
  CMainFrame* frame = app.MainFrame();
  bool ok = Save(frame, out + "/1-welcome.png");

  CLumoraDoc* doc = frame->OpenDocumentFile(
      QString::fromStdString(lumora::testing::StageDir() + "/Project/demo-qm210.lmx"));
  ok = doc && Save(frame, out + "/2-project.png") && ok;

  // The Edit menu after a change: it names the step it undoes. The change is undone afterwards.
  if (doc) {
    TQMProject changed(doc->Project());
    changed.Panel(0).beeperEnabled = !changed.Panel(0).beeperEnabled;
    doc->Change("Edit Messages", changed, ProjectPart::Panel);
    QMenu* edit = nullptr;
    for (QAction* action : frame->menuBar()->actions()) {
      if (action->text() == "Edit") edit = action->menu();
    }
    if (edit) {
      edit->popup(frame->mapToGlobal(QPoint(40, 20)));
      ok = Save(edit, out + "/27-edit-menu.png") && ok;
      edit->hide();
    }
    doc->UndoStack().undo();
  }

  CLumoraView* view = frame->ActiveView();
  if (view) {
    // The dialog works on a copy, as the view's commands give it.
    TQMProject working(view->Document()->Project());
    CCommProgDlg dialog(working, TransferOperation::Write, QString(), frame);
    dialog.show();
    Settle();
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    // Into the driver: the checklist has its first ticks.
    QElapsedTimer timer;
    timer.start();
    while (!dialog.LineEnabled(4) && timer.elapsed() < 20000)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    ok = Save(&dialog, out + "/3-progress.png") && ok;
    dialog.OnCancel();

    TransferContext context(&working, TransferOperation::Read, &app.Ui(), nullptr);
    context.portName = sim.Path();
    std::optional<UnitInformation> unit = QueryUnitInformation(context);
    if (unit) {
      CPanelStatusDlg info(*unit, frame);
      info.show();
      ok = Save(&info, out + "/4-panel-information.png") && ok;
    } else {
      ok = false;
    }
  }
  if (view) {
    TQMProject project(view->Document()->Project());
    CViewAddressDlg addresses(project, *project.CurrentPanel(), app.User(), frame);
    addresses.show();
    ok = Save(&addresses, out + "/5-address-database.png") && ok;

    TQMProject multi(CoreServices{&app.Ui(), &app.Plc()});
    if (OpenProjectFile(multi, lumora::testing::StageDir() + "/Project/demo-multiplexer.lmx")) {
      CMultipanelImportDlg import(ImportPortTexts(multi), frame);
      import.show();
      ok = Save(&import, out + "/6-multipanel-import.png") && ok;
    } else {
      ok = false;
    }

    // The log of a real conversion of the demo's addresses to the Tarvo DL-405.
    TQMProject copy(project);
    TQMPlcManager2 dl405(lumora::testing::StageDir() + "/dll/TDL405.so", app.Ui());
    std::vector<std::string> rows = ConvertProjectAddresses(copy, dl405);
    CAddrLogDlg log(rows, frame);
    log.show();
    ok = Save(&log, out + "/7-conversion-log.png") && ok;

    CBitmapDlg select(kPanelQM210K, frame);
    select.show();
    ok = Save(&select, out + "/8-select-panel.png") && ok;

    // Two projects a crash left unsaved, as the next start offers them.
    std::vector<RecoveryCopy> copies = {
        {"", "/home/engineer/projects/line-4-filler.lmx", 1796812200, ""},
        {"", "/home/engineer/projects/boiler house/boiler.lmx", 1796808480, ""}};
    CRecoveryDlg recovery(copies, CRecoveryDlg::Action(), CRecoveryDlg::Action(), frame);
    recovery.show();
    ok = Save(&recovery, out + "/10-recovery.png") && ok;
  }
  // The main view of a two-panel multiplexer project, its second port selected.
  CLumoraDoc* multiDoc = frame->OpenDocumentFile(
      QString::fromStdString(lumora::testing::StageDir() + "/Project/demo-multiplexer.lmx"));
  ok = multiDoc && Save(frame, out + "/9-project-multiplexer.png") && ok;

  // The history after a day of commissioning: writes and a read of the two demo projects.
  if (multiDoc && doc) {
    PanelHistory history(home.File("history"));
    std::vector<std::string> warnings;
    struct Row {
      CLumoraDoc* project;
      const char* operation;
      const char* target;
      const char* model;
      int64_t time;
    };
    for (const Row& row : {Row{doc, "write", "Panel", "QM210", 1796800000}, Row{doc, "read", "Panel", "QM210", 1796803600},
                           Row{multiDoc, "write", "Whole project", "Multiplexer", 1796811000},
                           Row{multiDoc, "write", "Panel 2", "QM410", 1796812800}}) {
      PanelHistoryEntry entry;
      entry.time = row.time;
      entry.operation = row.operation;
      entry.target = row.target;
      entry.port = "/dev/ttyUSB0";
      entry.model = row.model;
      entry.firmware = "B.7";
      entry.projectName = ToPath(row.project->Title());
      history.Add(entry, ProjectFileText(row.project->Project()), kDefaultHistoryLimit, warnings);
    }
    CPanelHistoryDlg historyDialog(home.File("history"), frame->ActiveView(), frame);
    historyDialog.show();
    ok = Save(&historyDialog, out + "/11-panel-history.png") && ok;
  }

  // The panel editors, on a copy of the demo made a keypad panel so every field is in use.
  TQMProject panelEditors(CoreServices{&app.Ui(), &app.Plc()});
  if (OpenProjectFile(panelEditors, lumora::testing::StageDir() + "/Project/demo-qm210.lmx") &&
      panelEditors.CurrentPanel()) {
    panelEditors.CurrentPanel()->panelType = kPanelQM210K;
    CPLCGeneralDlg general(*panelEditors.CurrentPanel(), frame);
    general.show();
    ok = Save(&general, out + "/20-general.png") && ok;
    CPLCLedDlg leds(panelEditors, frame);
    leds.show();
    ok = Save(&leds, out + "/21-buttons-leds.png") && ok;
    CPLCAnnunciatorDlg annunciator(panelEditors, frame);
    annunciator.show();
    ok = Save(&annunciator, out + "/22-annunciator.png") && ok;
    // The message editor: a PLC message selected, then a local folder.
    panelEditors.ReloadPlcLibrary(panelEditors.plcSettings.libraryName);
    CPLCMessageDlg messages(panelEditors, frame);
    messages.show();
    messages.PlcList()->setCurrentIndex(messages.PlcList()->model()->index(2, 0));
    ok = Save(&messages, out + "/23-message-editor.png") && ok;
    const QAbstractItemModel* menu = messages.LocalTree()->model();
    if (QModelIndex root = menu->index(0, 0); menu->rowCount(root) > 0) {
      messages.LocalTree()->setCurrentIndex(menu->index(0, 0, root));
      ok = Save(&messages, out + "/24-message-editor-folder.png") && ok;
    }
    // The set-point configuration: the same project made a set-point panel with three set points.
    TQMPanel& panel = *panelEditors.CurrentPanel();
    panel.panelType = kPanelQMSV;
    panel.messages.clear();
    struct SetPointRow {
      int number;
      const char* text;
      const char* address;
      int valueType, accessType, decimals, maximum;
    };
    for (const SetPointRow& row : {SetPointRow{1, "OVEN TEMP", "V2000", kBcd16, kReadWrite, 1, 4500},
                                   SetPointRow{2, "LINE SPEED", "V2002", kBinary32, kReadWrite, 2, 250000},
                                   SetPointRow{5, "BATCH COUNT", "V2010", kBcd32, kReadOnly, -1, 99999999}}) {
      TQMMessage message(&panelEditors, &panel);
      message.number = row.number;
      message.isPlcMessage = 1;
      message.hasSetPoint = true;
      message.text = row.text;
      message.data1.address = row.address;
      message.data1.valueType = row.valueType;
      message.data1.accessType = row.accessType;
      message.data1.fixedDecimals = static_cast<int16_t>(row.decimals);
      message.data1.limitsEnabled = true;
      message.data1.maxValue = row.maximum;
      panel.messages.push_back(message);
    }
    CPLCSPConfigDlg setPoints(panelEditors, frame);
    setPoints.show();
    setPoints.MessageList()->selectRow(1);
    ok = Save(&setPoints, out + "/26-set-point-config.png") && ok;
  } else {
    ok = false;
  }
  // The help window at the message editor's page.
  if (CHelpWindow::ShowTopic(kHelpMessages) && CHelpWindow::Instance()) {
    CHelpWindow::Instance()->resize(1100, 760);
    ok = Save(CHelpWindow::Instance(), out + "/25-help.png") && ok;
  } else {
    ok = false;
  }
  frame->MdiArea()->closeAllSubWindows();
  frame->close();
  return ok ? 0 : 1;
}
