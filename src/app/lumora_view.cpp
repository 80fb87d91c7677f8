#include "app/lumora_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/bitmap_dlg.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/main_frame.h"
#include "app/modal_run.h"
#include "app/multipanel_import_dlg.h"
#include "app/pictures.h"
#include "app/plc_selection.h"
#include "app/port_static.h"
#include "app/report_printing.h"
#include "app/unit_commands.h"
#include "app/view_address_dlg.h"
#include "app/view_diagram.h"
#include "model/codes.h"
#include "model/panel_exchange.h"
#include "model/panel_type_change.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/system_kind.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "transfer/operations.h"
#include "ui_lumora_view.h"
#include "ui_multiplexer_group.h"

namespace lumora::gui {

CLumoraView::CLumoraView(CLumoraDoc* doc, QWidget* parent)
    : QWidget(parent), doc_(doc), ui_(std::make_unique<Ui::LumoraView>()),
      mux_(std::make_unique<Ui::MultiplexerGroup>()) {
  SetUpForms(*this, *ui_, *mux_);
  setObjectName("lumoraView");
  ports_ = {mux_->portLabel1, mux_->portLabel2, mux_->portLabel3, mux_->portLabel4, mux_->portLabel5};
  for (int port = 1; port <= 5; ++port) {
    CPortStatic* label = ports_[static_cast<size_t>(port - 1)];
    label->SetPort(port);
    connect(label, &CPortStatic::clicked, this, &CLumoraView::OnPortClicked);
    connect(label, &CPortStatic::contextMenuRequested, this, &CLumoraView::ShowPortMenu);
  }

  // The picture buttons on the panel image: never focused, so they never show a focus frame.
  auto pictureButton = [this](Launcher kind, const char* name, const QString& caption) {
    auto* button = new QToolButton(ui_->panelPicture);
    button->setObjectName(name);
    button->setIcon(LauncherIcon(kind, QSize(26, 18)));
    button->setIconSize(QSize(26, 18));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(caption);
    // The same commands stand as buttons beside the picture: these are named after their place.
    button->setAccessibleName(tr("%1 on the panel picture").arg(caption));
    return button;
  };
  messagesPicture_ = pictureButton(Launcher::Messages, "messagesPictureButton", tr("Messages"));
  buttonsPicture_ = pictureButton(Launcher::ButtonsLeds, "buttonsLedsPictureButton", tr("Buttons / LEDs"));
  annunciatorPicture_ = pictureButton(Launcher::Annunciator, "annunciatorPictureButton", tr("Annunciator"));

  connect(ui_->singleRadio, &QRadioButton::clicked, this, &CLumoraView::OnSinglePanelSystem);
  connect(ui_->multiRadio, &QRadioButton::clicked, this, &CLumoraView::OnMultiPanelSystem);
  connect(ui_->selectPanelTypeButton, &QPushButton::clicked, this, &CLumoraView::OnSelectPanel);
  commands_ = new CUnitCommands(doc_, this);
  plc_ = new CPlcSelection(doc_, ui_->plcCombo, ui_->tagMapLabel, ui_->changeTagMapButton, this);
  connect(ui_->commSetupButton, &QPushButton::clicked, plc_, &CPlcSelection::OnCommunicationSetup);
  connect(ui_->messagesButton, &QPushButton::clicked, this, &CLumoraView::OnMessages);
  connect(messagesPicture_, &QToolButton::clicked, this, &CLumoraView::OnMessages);
  connect(ui_->buttonsLedsButton, &QPushButton::clicked, this, &CLumoraView::OnButtonsLeds);
  connect(buttonsPicture_, &QToolButton::clicked, this, &CLumoraView::OnButtonsLeds);
  connect(ui_->annunciatorButton, &QPushButton::clicked, this, &CLumoraView::OnAnnunciator);
  connect(annunciatorPicture_, &QToolButton::clicked, this, &CLumoraView::OnAnnunciator);
  connect(ui_->configureAddressesButton, &QPushButton::clicked, this, &CLumoraView::OnConfigurePanelAddresses);
  connect(ui_->addressDatabaseButton, &QPushButton::clicked, this, &CLumoraView::OnAddressDatabase);
  connect(ui_->writeButton, &QPushButton::clicked, commands_, &CUnitCommands::OnWrite);
  connect(ui_->readButton, &QPushButton::clicked, commands_, &CUnitCommands::OnRead);
  connect(ui_->verifyButton, &QPushButton::clicked, commands_, &CUnitCommands::OnVerify);
  connect(ui_->helpButton, &QPushButton::clicked, this, &CLumoraView::OnHelp);
  connect(ui_->exitButton, &QPushButton::clicked, this, &CLumoraView::OnExit);
  connect(doc_, &CLumoraDoc::projectChanged, this, &CLumoraView::Refresh);
}

CLumoraView::~CLumoraView() = default;

void CLumoraView::SetUpForms(QWidget& widget, Ui::LumoraView& form, Ui::MultiplexerGroup& mux) {
  form.setupUi(&widget);
  auto* group = new QWidget(form.multiplexerGroup);
  mux.setupUi(group);
  form.multiplexerHost->addWidget(group);
  // The ports come after the editors' buttons and before the address database, as they stand.
  QWidget::setTabOrder(form.configureAddressesButton, mux.portLabel1);
  QWidget::setTabOrder(mux.portLabel5, form.addressDatabaseButton);
}

void CLumoraView::SetUpForm(QWidget& widget) {
  Ui::LumoraView form;
  Ui::MultiplexerGroup mux;
  SetUpForms(widget, form, mux);
}

CPortStatic* CLumoraView::PortLabel(int port) const {
  return port >= 1 && port <= 5 ? ports_[static_cast<size_t>(port - 1)] : nullptr;
}

QToolButton* CLumoraView::PictureButton(EditorKind kind) const {
  switch (kind) {
    case EditorKind::Messages:
    case EditorKind::SetPoints:
      return messagesPicture_;
    case EditorKind::ButtonsLeds:
      return buttonsPicture_;
    case EditorKind::Annunciator:
      return annunciatorPicture_;
    case EditorKind::GeneralSettings:
      break;
  }
  return nullptr;
}

void CLumoraView::Refresh(ProjectPart parts) {
  ApplyLinkSpeed(doc_->Project());
  if (Touches(parts, ProjectPart::Plc)) {
    plc_->SelectProjectPlc();
    plc_->UpdateTagMapLabel();
  }
  if (Touches(parts, ProjectPart::System)) ApplySystemKind();
  ApplyPanelType();
  RewritePortLabels();
  update();
}

bool CLumoraView::OnInitialUpdate() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (doc_->IsNewDocument()) {
    TQMProject project(doc_->Project());
    project.PutPanel(TQMPanel(&project, kPanelQM210));
    doc_->SetUpNewProject(project);
    ApplySystemLinkSpeed(false);
  } else {
    ApplyLinkSpeed(doc_->Project());
  }
  bool filled = plc_->Fill();
  QApplication::restoreOverrideCursor();
  if (!filled) {
    ShowMessageBox(this, QCoreApplication::translate("Core", kP005Text), "", MessageIcon::Error);
    return false;
  }
  ApplyPanelType();
  ApplySystemKind();
  RewritePortLabels();
  ready_ = true;
  update();
  return true;
}

void CLumoraView::ApplyPanelType() {
  const TQMProject& project = doc_->Project();
  int panelType = project.SelectedPanelType();
  bool multiPanel = project.IsMultiPanel();
  bool setPoint = panelType == kPanelQMSV;
  bool none = panelType == kPanelNone;
  ui_->addressDatabaseButton->setEnabled(!none);
  if (none) {
    for (QToolButton* button : {messagesPicture_, buttonsPicture_, annunciatorPicture_}) button->hide();
    ui_->panelPicture->setPixmap(UnitPicture(kPanelNone, QSize(260, 165)));
    ui_->panelTypeCaption->setText(multiPanel ? tr("No panel on Port %1").arg(project.SelectedPort())
                                              : QString());
  } else {
    ui_->panelPicture->setPixmap(UnitPicture(panelType, QSize(260, setPoint ? 180 : 165)));
    ui_->panelTypeCaption->setText(QString::fromStdString(PanelModelText(panelType)));
    messagesPicture_->show();
    buttonsPicture_->setVisible(!setPoint);
    annunciatorPicture_->setVisible(panelType == kPanelQM210K);
  }
  ui_->panelPicture->setAccessibleDescription(ui_->panelTypeCaption->text());
  // The launchers this model offers; an empty port offers none.
  ui_->messagesButton->setVisible(true);
  ui_->buttonsLedsButton->setVisible(!setPoint);
  ui_->annunciatorButton->setVisible(panelType == kPanelQM210K);
  ui_->configureAddressesButton->setVisible(!setPoint && !(none && multiPanel));
  ui_->configurePanelLabel->setVisible(setPoint);
  for (QPushButton* button :
       {ui_->messagesButton, ui_->buttonsLedsButton, ui_->annunciatorButton, ui_->configureAddressesButton})
    button->setEnabled(!none);
  for (QToolButton* picture : {messagesPicture_, buttonsPicture_, annunciatorPicture_}) {
    picture->setEnabled(!none);
    picture->setToolTip(picture->accessibleName());
  }
  PlacePictureButtons();
  update();
}

void CLumoraView::ApplySystemKind() {
  bool multiPanel = doc_->Project().IsMultiPanel();
  {
    QSignalBlocker quietSingle(ui_->singleRadio);
    QSignalBlocker quietMulti(ui_->multiRadio);
    ui_->singleRadio->setChecked(!multiPanel);
    ui_->multiRadio->setChecked(multiPanel);
  }
  ui_->multiplexerGroup->setEnabled(multiPanel);
  // The frame offers the firmware command that fits the system kind.
  if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->SetMultiPanel(multiPanel);
  ShowPictures();
  ui_->writeButton->setText(multiPanel ? tr("Wri&te Project") : tr("Wri&te to \nPanel"));
  ui_->readButton->setText(multiPanel ? tr("&Read from\n Multiplexer") : tr("&Read from\n Panel"));
  update();
}

void CLumoraView::ShowPictures() {
  bool multiPanel = doc_->Project().IsMultiPanel();
  // A single panel connects to the PLC directly: the multiplexer is shown greyed.
  QPixmap multiplexer = UnitPicture(kPanelMultiplexer, QSize(100, 240));
  mux_->muxPicture->setPixmap(multiPanel ? multiplexer : QIcon(multiplexer).pixmap(multiplexer.size(), QIcon::Disabled));
  mux_->plcPicture->setPixmap(PlcPicture(QSize(120, 70)));
}

void CLumoraView::RewritePortLabels() {
  const TQMProject& project = doc_->Project();
  bool multiPanel = project.IsMultiPanel();
  for (int port = 1; port <= 5; ++port) {
    int type = multiPanel ? project.multiplexer.portType[static_cast<size_t>(port - 1)] : kPanelNone;
    ports_[static_cast<size_t>(port - 1)]->Show(type, multiPanel && port == project.SelectedPort());
  }
}

// The picture buttons sit in the top right corner of the panel image, on its bezel.
void CLumoraView::PlacePictureButtons() {
  QLabel* picture = ui_->panelPicture;
  QSize image = picture->pixmap().isNull() ? picture->size() : picture->pixmap().deviceIndependentSize().toSize();
  QRect shown(QPoint((picture->width() - image.width()) / 2, (picture->height() - image.height()) / 2), image);
  int x = shown.right() - 6;
  for (QToolButton* button : {annunciatorPicture_, buttonsPicture_, messagesPicture_}) {
    if (button->isHidden()) continue;
    QSize size = button->sizeHint();
    x -= size.width();
    button->setGeometry(x, shown.top() + 3, size.width(), size.height());
    x -= 2;
  }
}

void CLumoraView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlacePictureButtons();
}

void CLumoraView::paintEvent(QPaintEvent*) {
  if (ready_) PaintViewDiagram(*this, *ui_, *mux_, doc_->Project().IsMultiPanel());
}

void CLumoraView::OnSetFile() {
  CLumoraApp* app = CLumoraApp::Instance();
  doc_->SetPathName(app->newProjectPath);
  doc_->OnSaveDocument(app->newProjectPath);
}

void CLumoraView::OnSinglePanelSystem() {
  ApplySystemLinkSpeed(false);
  ProjectEdit<SystemKindChange> edit = SwitchToSinglePanel(doc_->Project());
  if (edit.project) doc_->Change(tr("Single Panel System"), *edit.project, ProjectPart::System);
  ApplySystemKind();
  if (edit.outcome == SystemKindChange::Declined) ui_->multiRadio->setFocus();
}

void CLumoraView::OnMultiPanelSystem() {
  ApplySystemLinkSpeed(true);
  if (ProjectEdit<SystemKindChange> edit = SwitchToMultiPanel(doc_->Project()); edit.project)
    doc_->Change(tr("Multi-Panel System"), *edit.project, ProjectPart::System);
  ApplySystemKind();
}

void CLumoraView::OnSelectPanel() {
  CBitmapDlg dialog(doc_->Project().SelectedPanelType(), this);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  if (ProjectEdit<PanelTypeChange> edit = ChangePanelType(doc_->Project(), dialog.SelectedType()); edit.project)
    doc_->Change(tr("Change Panel Type"), *edit.project, ProjectPart::Panel);
}

void CLumoraView::OnPortClicked(int port) {
  doc_->SelectPort(port);
}

void CLumoraView::ShowPortMenu(int port, const QPoint& globalPosition) {
  if (!doc_->Project().IsMultiPanel()) return;
  bool holdsPanel = doc_->Project().FindPanel(port) != nullptr;
  QMenu menu(this);
  menu.setObjectName("portContextMenu");
  menu.addAction(tr("&Select Panel"), this, &CLumoraView::OnSelectPanel);
  menu.addAction(tr("&Delete Panel"), this, &CLumoraView::OnDeletePanel)->setEnabled(holdsPanel);
  menu.addAction(tr("&Import Configuration"), this, &CLumoraView::OnImportConfiguration);
  menu.addAction(tr("&Export Configuration"), this, &CLumoraView::OnExportConfiguration)
      ->setEnabled(holdsPanel);
  menu.addAction(tr("In&formation"), commands_, &CUnitCommands::OnInformation)->setEnabled(holdsPanel);
  menu.addAction(tr("Upgrade &Firmware"), commands_, &CUnitCommands::OnPanelFirmware);
  menu.addSeparator();
  menu.addAction(tr("Connection S&tatus"), commands_, &CUnitCommands::OnConnectionStatus);
  menu.addAction(tr("&Clear Panel Memory"), commands_, &CUnitCommands::OnClearMemory);
  menu.addAction(tr("Upgrade Firmware through the &Multiplexer"), commands_,
                 &CUnitCommands::OnMultiplexerFirmware);
  menu.exec(globalPosition);
}

void CLumoraView::LaunchEditor(EditorKind kind) {
  setFocus();
  bool needsPanel = kind != EditorKind::ButtonsLeds;
  if (doc_->Project().IsMultiPanel() && needsPanel && !doc_->Project().CurrentPanel()) return;
  // The editor works on a copy; an OK that changed nothing is no step.
  TQMProject project(doc_->Project());
  if (CEditorLauncher::Launch(kind, project, this).accepted)
    doc_->Change(QCoreApplication::translate("CEditorLauncher", EditorCommandText(kind)), project,
                 ProjectPart::Panel);
}

void CLumoraView::OnMessages() {
  LaunchEditor(doc_->Project().SelectedPanelType() == kPanelQMSV ? EditorKind::SetPoints : EditorKind::Messages);
}
void CLumoraView::OnButtonsLeds() {
  LaunchEditor(EditorKind::ButtonsLeds);
}
void CLumoraView::OnAnnunciator() {
  LaunchEditor(EditorKind::Annunciator);
}
void CLumoraView::OnConfigurePanelAddresses() {
  LaunchEditor(EditorKind::GeneralSettings);
}

void CLumoraView::OnHelp() {
  if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->OnHelpTopics();
}

void CLumoraView::OnExit() {
  for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget()) {
    if (auto* child = qobject_cast<QMdiSubWindow*>(widget)) {
      child->close();
      return;
    }
  }
}

void CLumoraView::OnExportConfiguration() {
  CLumoraApp* app = CLumoraApp::Instance();
  FilePrompt prompt;
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  std::optional<std::string> path = app->Ui().PromptSaveFile(prompt);
  if (!path) return;
  // Written from a copy: the document's project keeps its ports.
  std::string error;
  if (!ExportSelectedPanel(doc_->Project(), *path, &error))
    ShowMessageBox(this, FromPath(*path) + ": " + FromPath(error), "", MessageIcon::Error);
}

void CLumoraView::OnImportConfiguration() {
  CLumoraApp* app = CLumoraApp::Instance();
  FilePrompt prompt;
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  std::optional<std::string> path = app->Ui().PromptOpenFile(prompt);
  if (!path) return;
  TQMProject loaded(CoreServices{&app->Ui(), &app->Plc()});
  if (!OpenProjectFile(loaded, *path)) return;  // the load has shown why
  int sourcePort = 0;
  if (loaded.IsMultiPanel()) {
    CMultipanelImportDlg dialog(ImportPortTexts(loaded), this);
    if (ExecModal(dialog) != QDialog::Accepted) return;
    sourcePort = dialog.SelectedPort();
  }
  std::vector<ProjectProblem> problems;
  ProjectEdit<ImportOutcome> edit = ImportPanel(doc_->Project(), loaded, sourcePort, &problems);
  if (edit.outcome == ImportOutcome::Refused)
    ShowMessageBox(this, FromPath(ImportRefusedText(*path, problems)), "", MessageIcon::Error);
  if (!edit.project) return;
  TQMProject& project = *edit.project;
  // The project keeps its PLC: its library's address size, and the imported addresses encoded by it.
  if (project.plcLibrary) {
    TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
    project.plcSettings.addressSize = manager.Details().integers[1];
    RevalidateAddresses(project, manager);
  }
  if (const TQMPanel* imported = project.CurrentPanel()) project.multiplexer.SetPortFromPanel(*imported);
  doc_->Change(tr("Import Configuration"), project, ProjectPart::Panel | ProjectPart::Plc);
}

void CLumoraView::OnDeletePanel() {
  if (ProjectEdit<bool> edit = DeleteSelectedPanel(doc_->Project()); edit.project)
    doc_->Change(tr("Delete Panel"), *edit.project, ProjectPart::Panel);
}

void CLumoraView::OnFilePrint() {
  PrintProjectReport(this, doc_->Project(), doc_->PathName().isEmpty() ? doc_->Title() : doc_->PathName());
}

void CLumoraView::OnFilePrintPreview() {
  PreviewProjectReport(this, doc_->Project(), doc_->PathName().isEmpty() ? doc_->Title() : doc_->PathName());
}

void CLumoraView::OnExportPdf() {
  ExportProjectReportPdf(this, doc_->Project(), doc_->PathName().isEmpty() ? doc_->Title() : doc_->PathName());
}

void CLumoraView::OnAddressDatabase() {
  if (!doc_->Project().CurrentPanel()) return;
  TQMProject project(doc_->Project());
  CViewAddressDlg dialog(project, *project.CurrentPanel(), CLumoraApp::Instance()->User(), this);
  // The dialog's edit button reaches the editors: their changes count like the editors' own, when left with OK.
  dialog.SetEditHandler([&project, &dialog] {
    TQMProject edited(project);
    if (!CEditorLauncher::Launch(EditorKind::GeneralSettings, edited, &dialog).accepted) return;
    TQMPanel& shown = *project.CurrentPanel();
    shown = *edited.CurrentPanel();
    shown.ReseatBackReferences();
  });
  ExecModal(dialog);
  doc_->Change(QCoreApplication::translate("CEditorLauncher", EditorCommandText(EditorKind::GeneralSettings)),
               project, ProjectPart::Panel);
}

}  // namespace lumora::gui
