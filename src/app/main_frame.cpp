#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "app/child_frame.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/language_menu.h"
#include "app/lumora_view.h"
#include "app/modal_run.h"
#include "app/panel_history_dlg.h"
#include "app/report_printing.h"
#include "app/serial_ports.h"
#include "app/simulated_panel.h"
#include "app/simulated_panel_wnd.h"
#include "app/unit_commands.h"
#include "app/view_address_dlg.h"
#include "app/welcome_frame.h"
#include "editors/editor_launcher.h"
#include "editors/help_topics.h"
#include "plc/install_dir.h"

namespace lumora::gui {

CMainFrame::CMainFrame(CLumoraApp& app) : app_(app) {
  setObjectName("mainFrame");
  setWindowTitle(kApplicationTitle);
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setBackground(QColor(128, 128, 128));
  setCentralWidget(mdi_);
  // The editors open the address database through this.
  SetAddressDatabaseViewer([this](const TQMProject& project, const TQMPanel& panel, QWidget* parent) {
    CViewAddressDlg dialog(project, panel, app_.User(), parent);
    ExecModal(dialog);
  });
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    // The title stays the program's: a maximized project window adds " - [its name]" itself and follows
    // the name when the project is saved under another.
    auto* child = qobject_cast<CChildFrame*>(window);
    if (child) SetMultiPanel(child->Document()->Project().IsMultiPanel());
    undoGroup_->setActiveStack(child ? &child->Document()->UndoStack() : nullptr);
    UpdateMenus();
  });
  BuildMenus();
  QStatusBar* bar = statusBar();
  bar->showMessage(tr("Ready"));
  simulatedIndicator_ = new QLabel(this);
  simulatedIndicator_->setObjectName("simulatedPanelIndicator");
  bar->insertPermanentWidget(0, simulatedIndicator_);
  auto showSimulated = [this] {
    CSimulatedPanel& simulated = app_.SimulatedPanel();
    simulatedIndicator_->setText(
        simulated.Running() ? tr("Simulated panel in use: %1").arg(simulated.Description()) : QString());
    simulatedIndicator_->setVisible(simulated.Running());
  };
  connect(&app_.SimulatedPanel(), &CSimulatedPanel::changed, simulatedIndicator_, showSimulated);
  showSimulated();
}

CMainFrame::~CMainFrame() {
  // The MDI area outlives this part of the window and reports its last activation while it goes.
  disconnect(mdi_, nullptr, this, nullptr);
  SetExitContinuation(nullptr);
  SetAddressDatabaseViewer(nullptr);
}

CWelcomeFrame* CMainFrame::WelcomeFrame() const {
  return welcome_.data();
}

void CMainFrame::BuildMenus() {
  QMenuBar* bar = menuBar();
  fileMenu_ = bar->addMenu(tr("&File"));
  QAction* newAction = fileMenu_->addAction(tr("&New...\tCtrl+N"), &app_, &CLumoraApp::OnFileNew);
  newAction->setShortcut(QKeySequence("Ctrl+N"));
  newAction->setObjectName("actionNew");
  QAction* open = fileMenu_->addAction(tr("&Open...\tCtrl+O"), &app_, &CLumoraApp::OnFileOpen);
  open->setShortcut(QKeySequence("Ctrl+O"));
  open->setObjectName("actionOpen");
  closeAction_ = fileMenu_->addAction(tr("&Close"), this, [this] {
    if (QMdiSubWindow* window = mdi_->activeSubWindow(); window && qobject_cast<CChildFrame*>(window))
      window->close();
  });
  QAction* save = fileMenu_->addAction(tr("&Save\tCtrl+S"), this, [this] {
    if (CLumoraView* view = ActiveView()) view->Document()->DoFileSave();
  });
  save->setShortcut(QKeySequence("Ctrl+S"));
  save->setObjectName("actionSave");
  QAction* saveAs = fileMenu_->addAction(tr("Save &As..."), this, [this] {
    if (CLumoraView* view = ActiveView()) view->Document()->DoFileSaveAs();
  });
  saveAs->setObjectName("actionSaveAs");
  for (QAction* action : {save, saveAs})
    action->setProperty("needsProject", true);
  // The project documentation, with a project window only.
  QList<QAction*> printActions;
  printActions << fileMenu_->addSeparator();
  auto viewPrint = [this](void (CLumoraView::*command)()) {
    return [this, command] {
      if (CLumoraView* view = ActiveView()) (view->*command)();
    };
  };
  QAction* print = fileMenu_->addAction(tr("&Print...\tCtrl+P"), this, viewPrint(&CLumoraView::OnFilePrint));
  print->setShortcut(QKeySequence("Ctrl+P"));
  print->setObjectName("actionPrint");
  printActions << print;
  printActions << fileMenu_->addAction(tr("Print Pre&view"), this,
                                       viewPrint(&CLumoraView::OnFilePrintPreview));
  printActions.back()->setObjectName("actionPrintPreview");
  printActions << fileMenu_->addAction(tr("P&rint Setup..."), this, [this] { PrintSetup(this); });
  printActions.back()->setObjectName("actionPrintSetup");
  printActions << fileMenu_->addAction(tr("Export as P&DF..."), this, viewPrint(&CLumoraView::OnExportPdf));
  printActions.back()->setObjectName("actionExportPdf");
  for (QAction* action : printActions)
    action->setProperty("needsProject", true);
  recentSeparator_ = fileMenu_->addSeparator();
  QAction* exit = fileMenu_->addAction(tr("E&xit"), this, &QWidget::close);
  exit->setObjectName("actionExit");
  connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
  FillRecentFiles();

  // Undo and redo of the project in front: "Undo Change PLC", Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y.
  // No key of its own: each letter of "Edit" is already a key of the project window ("Pr&ess ...",
  // "A&ddress Database", "V&iew", "Wri&te ...").
  editMenu_ = bar->addMenu(tr("Edit"));
  undoGroup_ = new QUndoGroup(this);
  QAction* undo = undoGroup_->createUndoAction(this, tr("&Undo"));
  undo->setObjectName("actionUndo");
  undo->setShortcuts(QKeySequence::Undo);
  QAction* redo = undoGroup_->createRedoAction(this, tr("&Redo"));
  redo->setObjectName("actionRedo");
  redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
  editMenu_->addAction(undo);
  editMenu_->addAction(redo);

  panelMenu_ = bar->addMenu(tr("&Panel"));
  auto viewCommand = [this](const QString& text, void (CLumoraView::*command)()) {
    QAction* action = panelMenu_->addAction(text, this, [this, command] {
      if (CLumoraView* view = ActiveView()) (view->*command)();
    });
    return action;
  };
  // The exchanges with the panels go straight to the active view's unit commands.
  auto unitCommand = [this](const QString& text, void (CUnitCommands::*command)()) {
    return panelMenu_->addAction(text, this, [this, command] {
      if (CLumoraView* view = ActiveView()) (view->UnitCommands()->*command)();
    });
  };
  unitCommand(tr("&Write Project"), &CUnitCommands::OnWrite)->setObjectName("actionWrite");
  unitCommand(tr("&Read Project"), &CUnitCommands::OnRead)->setObjectName("actionRead");
  unitCommand(tr("&Verify"), &CUnitCommands::OnVerify)->setObjectName("actionVerify");
  panelMenu_->addSeparator();
  unitCommand(tr("Inf&ormation"), &CUnitCommands::OnInformation)->setObjectName("actionInformation");
  unitCommand(tr("Upgrade &Firmware"), &CUnitCommands::OnPanelFirmware)->setObjectName("actionPanelFirmware");
  unitCommand(tr("Upgrade &Multiplexer Firmware"), &CUnitCommands::OnMultiplexerFirmware)
      ->setObjectName("actionMuxFirmware");
  unitCommand(tr("&Clear Panel Memory"), &CUnitCommands::OnClearMemory)->setObjectName("actionClear");
  unitCommand(tr("Connection S&tatus"), &CUnitCommands::OnConnectionStatus)
      ->setObjectName("actionConnectionStatus");
  panelMenu_->addSeparator();
  viewCommand(tr("Si&ngle Panel System"), &CLumoraView::OnSinglePanelSystem)
      ->setObjectName("actionSinglePanel");
  viewCommand(tr("M&ulti-Panel System"), &CLumoraView::OnMultiPanelSystem)->setObjectName("actionMultiPanel");
  viewCommand(tr("&Select Panel..."), &CLumoraView::OnSelectPanel)->setObjectName("actionSelectPanel");
  viewCommand(tr("De&lete Panel"), &CLumoraView::OnDeletePanel)->setObjectName("actionDeletePanel");
  viewCommand(tr("&Import Configuration"), &CLumoraView::OnImportConfiguration)
      ->setObjectName("actionImport");
  viewCommand(tr("&Export Configuration"), &CLumoraView::OnExportConfiguration)
      ->setObjectName("actionExport");
  viewCommand(tr("Panel PLC A&ddress Database"), &CLumoraView::OnAddressDatabase)
      ->setObjectName("actionAddresses");
  panelMenu_->addAction(tr("Panel &History..."), this, &CMainFrame::OnPanelHistory)
      ->setObjectName("actionPanelHistory");
  connect(panelMenu_, &QMenu::aboutToShow, this, [this] {
    // The firmware command that does not fit the project's kind is greyed.
    for (QAction* action : panelMenu_->actions()) {
      if (action->objectName() == "actionPanelFirmware") action->setEnabled(!multiPanel_);
      if (action->objectName() == "actionMuxFirmware") action->setEnabled(multiPanel_);
    }
  });

  // Alt+I with a project and without: Alt+V is the project window's "&Verify".
  viewMenu_ = bar->addMenu(tr("V&iew"));
  QAction* statusBarAction = viewMenu_->addAction(tr("&Status Bar"));
  statusBarAction->setCheckable(true);
  statusBarAction->setChecked(true);
  connect(statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  AddLanguageMenu(*viewMenu_, app_);

  portMenu_ = bar->addMenu(tr("P&ort"));  // Alt+P opens the Panel menu
  portMenu_->setObjectName("portMenu");
  portMenu_->setToolTipsVisible(true);
  connect(portMenu_, &QMenu::aboutToShow, this, &CMainFrame::FillPortMenu);
  FillPortMenu();

  windowMenu_ = bar->addMenu(tr("&Window"));
  windowMenu_->addAction(tr("&New Window"), this, [this] {
    if (CLumoraView* view = ActiveView()) CreateProjectFrame(view->Document());
  });
  windowMenu_->addAction(tr("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
  windowMenu_->addAction(tr("&Tile"), mdi_, &QMdiArea::tileSubWindows);

  helpMenu_ = bar->addMenu(tr("&Help"));
  QAction* topics = helpMenu_->addAction(tr("&Help Topics"), this, &CMainFrame::OnHelpTopics);
  topics->setShortcut(QKeySequence("F1"));
  // Shift+F1: the page of the screen in front (welcome screen or project).
  auto* context = new QAction(this);
  context->setObjectName("actionContextHelp");
  context->setShortcut(QKeySequence("Shift+F1"));
  connect(context, &QAction::triggered, this, &CMainFrame::OnContextHelp);
  addAction(context);
  helpMenu_->addSeparator();
  helpMenu_->addAction(tr("&About Lumora Write Utility..."), &app_, &CLumoraApp::OnAppAbout)
      ->setObjectName("actionAbout");
  UpdateMenus();
}

void CMainFrame::UpdateMenus() {
  // A project window that was just closed is still among the windows until it is deleted.
  bool project = CChildFrame::OpenCount() > 0 && ActiveView() != nullptr;
  panelMenu_->menuAction()->setVisible(project);
  editMenu_->menuAction()->setVisible(project);
  windowMenu_->menuAction()->setVisible(project);
  closeAction_->setVisible(project);
  for (QAction* action : fileMenu_->actions()) {
    if (action->property("needsProject").toBool()) action->setVisible(project);
  }
}

void CMainFrame::FillRecentFiles() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    delete action;
  }
  recentActions_.clear();
  std::vector<std::string> files = app_.User().RecentFiles();
  int number = 1;
  for (const std::string& file : files) {
    QString path = FromPath(file);
    auto* action = new QAction(QString("&%1 %2").arg(number++).arg(path), this);
    connect(action, &QAction::triggered, this, [this, path] { OpenDocumentFile(path); });
    fileMenu_->insertAction(recentSeparator_, action);
    recentActions_.push_back(action);
  }
  if (!recentActions_.isEmpty()) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    fileMenu_->insertAction(recentActions_.first(), separator);
    recentActions_.push_front(separator);
  }
}

void CMainFrame::FillPortMenu() {
  portMenu_->clear();
  // While the simulated panel is in use, no serial port is the chosen one.
  QString stored = app_.SimulatedPanel().Running() ? QString() : FromPath(app_.PortName());
  for (int n = 1; n <= 4; ++n) {
    QAction* action = portMenu_->addAction(QString("COM&%1").arg(n));
    action->setObjectName(QString("actionCOM%1").arg(n));
    action->setCheckable(true);
    // The entry whose number is the number after the first three characters of the stored port.
    action->setChecked(stored.size() > 3 && stored.mid(3).toInt() == n && stored.startsWith("COM"));
    connect(action, &QAction::triggered, this, [this, n] { OnPortChosen(QString("COM%1").arg(n)); });
  }
  QVector<SerialDevice> devices = FindSerialDevices();
  if (!devices.isEmpty()) portMenu_->addSeparator();
  for (const SerialDevice& device : devices) {
    QAction* action = portMenu_->addAction(device.path);
    action->setToolTip(device.tooltip);
    action->setCheckable(true);
    action->setChecked(device.path == stored);
    QString path = device.path;
    connect(action, &QAction::triggered, this, [this, path] { OnPortChosen(path); });
  }
  portMenu_->addSeparator();
  QAction* simulated = portMenu_->addAction(tr("&Simulated Panel"), this, &CMainFrame::OnSimulatedPanel);
  simulated->setObjectName("actionSimulatedPanel");
  simulated->setCheckable(true);
  simulated->setChecked(app_.SimulatedPanel().Running());
  QAction* other = portMenu_->addAction(
      stored.startsWith('/') && !std::any_of(devices.begin(), devices.end(),
                                             [&](const SerialDevice& d) { return d.path == stored; })
          ? tr("Other port (%1)...").arg(stored)
          : tr("Other port..."));
  other->setObjectName("actionOtherPort");
  connect(other, &QAction::triggered, this, &CMainFrame::OnOtherPort);
}

void CMainFrame::OnPortChosen(const QString& port) {
  app_.StorePort(ToPath(port));
}

CSimulatedPanelWnd* CMainFrame::SimulatedPanelWindow() const {
  return simulatedPanelWnd_.data();
}

void CMainFrame::OnSimulatedPanel() {
  CLumoraView* view = ActiveView();
  QString error;
  if (!app_.SimulatedPanel().Start(view ? &view->Document()->Project() : nullptr, &error)) {
    ShowMessageBox(this, error, tr("Simulated Panel"), MessageIcon::Error);
    return;
  }
  if (!simulatedPanelWnd_) {
    simulatedPanelWnd_ = new CSimulatedPanelWnd(app_.SimulatedPanel(), this);
    simulatedPanelWnd_->setAttribute(Qt::WA_DeleteOnClose);
  }
  simulatedPanelWnd_->show();
  simulatedPanelWnd_->raise();
}

void CMainFrame::OnOtherPort() {
  QString stored = app_.SimulatedPanel().Running() ? QString() : FromPath(app_.PortName());
  QInputDialog input(this);
  input.setWindowTitle(tr("Serial port"));
  input.setLabelText(tr("Device path of the serial port (for example /dev/ttyUSB0):"));
  input.setTextValue(stored.startsWith('/') ? stored : "/dev/ttyUSB0");
  if (ExecModal(input) == QDialog::Accepted) {
    QString path = input.textValue().trimmed();
    if (!path.isEmpty()) OnPortChosen(path);
  }
}

void CMainFrame::OnHelpTopics() {
  ShowHelp(kHelpContents);
}

void CMainFrame::OnContextHelp() {
  ShowHelp(ActiveView() ? kHelpMainView : kHelpWelcome);
}

void CMainFrame::OnPanelHistory() {
  CPanelHistoryDlg dialog(DefaultHistoryFolder(), ActiveView(), this);
  ExecModal(dialog);
}

void CMainFrame::RestorePlacementAndFolders() {
  RestorePlacement();

  std::string path = app_.User().WorkingPath();
  if (path.empty()) {
    QString install = FromPath(InstallDir());
    QDir().mkpath(install + "/Firmware");
    QDir().mkpath(install + "/Project");
    path = ToPath(install + "/Project");
  }
  QDir::setCurrent(FromPath(path));
  OpenWelcomeScreen();
}

void CMainFrame::OpenWelcomeScreen() {
  if (welcome_) return;
  welcome_ = new CWelcomeFrame;
  mdi_->addSubWindow(welcome_);
  welcome_->showMaximized();
  setWindowTitle(kApplicationTitle);
  UpdateMenus();
}

CChildFrame* CMainFrame::CreateProjectFrame(CLumoraDoc* doc) {
  if (CChildFrame::OpenCount() == 0 && welcome_) {
    welcome_->close();
    delete welcome_.data();
  }
  auto* frame = new CChildFrame(doc);
  undoGroup_->addStack(&doc->UndoStack());
  mdi_->addSubWindow(frame);
  frame->showMaximized();
  mdi_->setActiveSubWindow(frame);
  if (!frame->View()->OnInitialUpdate()) {
    frame->close();
    return nullptr;
  }
  UpdateMenus();
  return frame;
}

CLumoraDoc* CMainFrame::NewDocument() {
  auto* doc = new CLumoraDoc(app_, this);
  if (!CreateProjectFrame(doc)) {
    delete doc;
    return nullptr;
  }
  return doc;
}

CLumoraDoc* CMainFrame::DocumentOf(const QString& path) const {
  QString absolute = QFileInfo(path).absoluteFilePath();
  for (CLumoraDoc* doc : Documents()) {
    if (doc->PathName() == absolute) return doc;
  }
  return nullptr;
}

CLumoraDoc* CMainFrame::OpenDocumentFile(const QString& path) {
  QString absolute = QFileInfo(path).absoluteFilePath();
  if (CLumoraDoc* doc = DocumentOf(absolute)) {
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
      if (auto* child = qobject_cast<CChildFrame*>(window); child && child->Document() == doc) {
        mdi_->setActiveSubWindow(window);
      }
    }
    return doc;
  }
  auto* doc = new CLumoraDoc(app_, this);
  if (!doc->OnOpenDocument(absolute) || !CreateProjectFrame(doc)) {
    delete doc;
    return nullptr;
  }
  return doc;
}

CLumoraDoc* CMainFrame::RecoverDocument(const std::string& projectFile, const QString& path) {
  auto* doc = new CLumoraDoc(app_, this);
  if (!doc->OnRecoverDocument(projectFile, path) || !CreateProjectFrame(doc)) {
    delete doc;
    return nullptr;
  }
  return doc;
}

CLumoraView* CMainFrame::ActiveView() const {
  auto* child = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
  if (!child) {
    // A modal dialog takes the activation away; fall back to the only project window.
    QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    for (QMdiSubWindow* window : windows) {
      if (auto* candidate = qobject_cast<CChildFrame*>(window)) child = candidate;
    }
  }
  return child ? child->View() : nullptr;
}

QList<CLumoraDoc*> CMainFrame::Documents() const {
  return findChildren<CLumoraDoc*>(QString(), Qt::FindDirectChildrenOnly);
}

void CMainFrame::ChildFrameClosed(CChildFrame* frame) {
  CLumoraDoc* doc = frame->Document();
  int remaining = 0;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    if (auto* child = qobject_cast<CChildFrame*>(window); child && child != frame && child->Document() == doc)
      ++remaining;
  }
  if (remaining == 0) doc->deleteLater();
  // The last project window brings the welcome screen back.
  QMetaObject::invokeMethod(
      this,
      [this] {
        // Not while the main window itself is closing.
        if (CChildFrame::OpenCount() == 0 && isVisible()) OpenWelcomeScreen();
        UpdateMenus();
      },
      Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // A dialog, message box or panel exchange still running would lose the windows under it: end them
  // from the top down first (each one that ends brings the close back here), then close.
  if (ModalDepth() > 0 || QApplication::activeModalWidget()) {
    event->ignore();
    SetExitPending(true);
    SetExitContinuation([this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  SetExitPending(false);
  for (CLumoraDoc* doc : Documents()) {
    if (!doc->SaveModified()) {
      event->ignore();
      return;
    }
  }
  SavePlacement();
  for (CLumoraDoc* doc : Documents())
    doc->MarkClean();
  mdi_->closeAllSubWindows();
  event->accept();
}

}  // namespace lumora::gui
