#include "app/lumora_view.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>
#include <mutex>
#include <vector>

#include "app/addr_log_dlg.h"
#include "app/bitmap_dlg.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/log_dialogs.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/main_frame.h"
#include "editors/modal_run.h"
#include "app/multipanel_import_dlg.h"
#include "app/multiplexer_diagram.h"
#include "app/panel_status_dlg.h"
#include "app/pictures.h"
#include "app/port_static.h"
#include "app/report_printing.h"
#include "app/view_address_dlg.h"
#include "link/link_speed.h"
#include "link/responses.h"
#include "model/codes.h"
#include "model/panel_exchange.h"
#include "model/panel_type_change.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/system_kind.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plan_n_run.h"
#include "plc/plc_change.h"
#include "plc/plc_manager.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"
#include "ui_lumora_view.h"

namespace lumora::gui {
namespace {

// Errors of the view's own short exchanges. The exchange runs on a worker, which never waits for a
// window here: the errors are kept and shown with the stop icon once it has ended.
class ViewErrorSink : public TransferSink {
 public:
  void Post(const TransferEvent& event) override {
    if (event.message != TransferMessage::Error) return;
    std::lock_guard lock(mutex_);
    errors_.push_back(event);
  }
  void ShowErrors(QWidget* view) {
    std::vector<TransferEvent> errors;
    {
      std::lock_guard lock(mutex_);
      errors.swap(errors_);
    }
    for (const TransferEvent& event : errors) {
      QString text = FromLatin1(event.statusText);
      if (!event.hint.empty()) text += "\n\n" + FromLatin1(event.hint);
      ShowMessageBox(view, text, "", MessageIcon::Error);
    }
  }

 private:
  std::mutex mutex_;
  std::vector<TransferEvent> errors_;
};

// The PLC library's own set-up dialogs run with the library folder as the current directory.
class LibraryDirectoryScope {
 public:
  LibraryDirectoryScope() : previous_(QDir::currentPath()) {
    QString dll = FromPath(InstallPath("dll"));
    if (!dll.isEmpty() && QDir(dll).exists()) QDir::setCurrent(dll);
  }
  ~LibraryDirectoryScope() { QDir::setCurrent(previous_); }
  LibraryDirectoryScope(const LibraryDirectoryScope&) = delete;
  LibraryDirectoryScope& operator=(const LibraryDirectoryScope&) = delete;

 private:
  QString previous_;
};

QRectF RectIn(const QWidget* widget, const QWidget* ancestor) {
  return QRectF(widget->mapTo(ancestor, QPoint(0, 0)), QSizeF(widget->size()));
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from, to);
  double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
  double head = 4 + width * 2;
  QPolygonF tip;
  tip << to << to - QPointF(head * std::cos(angle - 0.45), head * std::sin(angle - 0.45))
      << to - QPointF(head * std::cos(angle + 0.45), head * std::sin(angle + 0.45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(tip);
}

// Runs the read dialog on a fresh project with one QM210 record; null unless the read reached its end.
std::unique_ptr<TQMProject> ReadIntoFreshProject(QWidget* parent) {
  CLumoraApp* app = CLumoraApp::Instance();
  auto project = std::make_unique<TQMProject>();
  PrepareReadTarget(*project, CoreServices{&app->Ui(), &app->Plc()});
  CCommProgDlg dialog(*project, kOperationRead, QString(), parent);
  ExecModal(dialog);
  return ReadSucceeded(dialog.Context(), *project) ? std::move(project) : nullptr;
}

const QColor kStepAreaColour(255, 0, 0);
const QColor kStepArrowColour(160, 0, 0);

}  // namespace

CLumoraView::CLumoraView(CLumoraDoc* doc, QWidget* parent)
    : QWidget(parent), doc_(doc), ui_(std::make_unique<Ui::LumoraView>()) {
  ui_->setupUi(this);
  setObjectName("lumoraView");
  ports_ = {ui_->portLabel1, ui_->portLabel2, ui_->portLabel3, ui_->portLabel4, ui_->portLabel5};
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
    button->setAccessibleName(caption);
    return button;
  };
  messagesPicture_ = pictureButton(Launcher::Messages, "messagesPictureButton", "Messages");
  buttonsPicture_ = pictureButton(Launcher::ButtonsLeds, "buttonsLedsPictureButton", "Buttons / LEDs");
  annunciatorPicture_ = pictureButton(Launcher::Annunciator, "annunciatorPictureButton", "Annunciator");

  connect(ui_->singleRadio, &QRadioButton::clicked, this, &CLumoraView::OnSinglePanelSystem);
  connect(ui_->multiRadio, &QRadioButton::clicked, this, &CLumoraView::OnMultiPanelSystem);
  connect(ui_->selectPanelTypeButton, &QPushButton::clicked, this, &CLumoraView::OnSelectPanel);
  connect(ui_->plcCombo, &QComboBox::currentIndexChanged, this, &CLumoraView::OnPlcSelected);
  connect(ui_->commSetupButton, &QPushButton::clicked, this, &CLumoraView::OnCommunicationSetup);
  connect(ui_->messagesButton, &QPushButton::clicked, this, &CLumoraView::OnMessages);
  connect(messagesPicture_, &QToolButton::clicked, this, &CLumoraView::OnMessages);
  connect(ui_->buttonsLedsButton, &QPushButton::clicked, this, &CLumoraView::OnButtonsLeds);
  connect(buttonsPicture_, &QToolButton::clicked, this, &CLumoraView::OnButtonsLeds);
  connect(ui_->annunciatorButton, &QPushButton::clicked, this, &CLumoraView::OnAnnunciator);
  connect(annunciatorPicture_, &QToolButton::clicked, this, &CLumoraView::OnAnnunciator);
  connect(ui_->configureAddressesButton, &QPushButton::clicked, this, &CLumoraView::OnConfigurePanelAddresses);
  connect(ui_->addressDatabaseButton, &QPushButton::clicked, this, &CLumoraView::OnAddressDatabase);
  connect(ui_->writeButton, &QPushButton::clicked, this, &CLumoraView::OnWrite);
  connect(ui_->readButton, &QPushButton::clicked, this, &CLumoraView::OnRead);
  connect(ui_->verifyButton, &QPushButton::clicked, this, &CLumoraView::OnVerify);
  connect(ui_->changeTagMapButton, &QPushButton::clicked, this, &CLumoraView::OnChangeTagMap);
  connect(ui_->helpButton, &QPushButton::clicked, this, &CLumoraView::OnHelp);
  connect(ui_->exitButton, &QPushButton::clicked, this, &CLumoraView::OnExit);
  connect(doc_, &CLumoraDoc::projectReplaced, this, &CLumoraView::Refresh);
  connect(doc_, &CLumoraDoc::titleChanged, this,
          [this] { doc_->Project().fileName = ToPath(doc_->PathName()); });
}

CLumoraView::~CLumoraView() = default;

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

void CLumoraView::RefreshWorkingCopy() {
  workingCopy_ = std::make_unique<TQMProject>(doc_->Project());
}

void CLumoraView::ConfirmedChange(const QString& text, std::unique_ptr<TQMProject> before) {
  doc_->RecordChange(text, std::move(before));
  freshProject_ = false;
}

// The selected port, panel type and the controls that depend on a set-point panel, from the project.
void CLumoraView::Refresh() {
  TQMProject& project = doc_->Project();
  RefreshWorkingCopy();
  systemKind_ = project.IsMultiPanel() ? 1 : 0;
  ApplyLinkSpeed(project);
  if (systemKind_ == 1) {
    selectedPort_ = std::clamp(project.multiplexer.selectedPort, 1, 5);
    panelType_ = project.multiplexer.portType[static_cast<size_t>(selectedPort_ - 1)];
  } else {
    selectedPort_ = 1;
    panelType_ = project.panels.empty() ? kPanelNone : project.panels.front()->panelType;
  }
  freshProject_ = false;
  project.fileName = ToPath(doc_->PathName());
  SelectProjectPlc();
  ApplyPanelType(panelType_);
  ApplySystemKind();
  RewritePortLabels();
  UpdateTagMapLabel();
  update();
}

bool CLumoraView::OnInitialUpdate() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TQMProject& project = doc_->Project();
  if (doc_->IsNewDocument()) {
    project.PutPanel(TQMPanel(&project, kPanelQM210));
    SetLinkSpeed(9600);
    RefreshWorkingCopy();
  } else {
    RefreshWorkingCopy();
    systemKind_ = project.IsMultiPanel() ? 1 : 0;
    ApplyLinkSpeed(project);
    if (systemKind_ == 1) {
      selectedPort_ = std::clamp(project.multiplexer.selectedPort, 1, 5);
      panelType_ = project.multiplexer.portType[static_cast<size_t>(selectedPort_ - 1)];
    } else {
      panelType_ = project.panels.empty() ? kPanelNone : project.panels.front()->panelType;
    }
    freshProject_ = false;
  }
  project.fileName = ToPath(doc_->PathName());
  bool filled = FillPlcList();
  QApplication::restoreOverrideCursor();
  if (!filled) {
    ShowMessageBox(this, QString::fromLatin1(kP005Text), "", MessageIcon::Error);
    return false;
  }
  ApplyPanelType(panelType_);
  ApplySystemKind();
  RewritePortLabels();
  ready_ = true;
  update();
  return true;
}

bool CLumoraView::FillPlcList() {
  CLumoraApp* app = CLumoraApp::Instance();
  const std::vector<PlcCatalogueEntry>& entries = app->WaitForDiscovery().Entries();
  if (entries.empty()) return false;
  {
    QSignalBlocker quiet(ui_->plcCombo);
    ui_->plcCombo->clear();
    for (size_t i = 0; i < entries.size(); ++i)
      ui_->plcCombo->addItem(FromLatin1(entries[i].name), QVariant(static_cast<int>(i)));
  }
  SelectProjectPlc();
  TQMProject& project = doc_->Project();
  TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
  UpdateTagMapLabel();
  if (doc_->IsNewDocument()) {
    project.plcSettings.addressSize = manager.Details().integers[1];
    return manager.CreateDefaultAttributes(project.plcSettings);
  }
  RevalidateAddresses(project, manager);
  return true;
}

// Selects the project's PLC in the list (the default PLC for a new project) and loads its library.
void CLumoraView::SelectProjectPlc() {
  CLumoraApp* app = CLumoraApp::Instance();
  const PlcCatalogue& catalogue = app->WaitForDiscovery();
  const std::vector<PlcCatalogueEntry>& entries = catalogue.Entries();
  if (entries.empty()) return;
  TQMProject& project = doc_->Project();
  size_t index = 0;
  if (!project.plcSettings.libraryName.empty()) {
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].name == project.plcSettings.plcName && entries[i].path == project.plcSettings.libraryName) {
        index = i;
        break;
      }
    }
  } else {
    int found =
        catalogue.IndexOf(app->Machine().DefaultPlcManufacturerId(), app->Machine().DefaultPlcModelId());
    index = found < 0 ? 0 : static_cast<size_t>(found);
  }
  {
    QSignalBlocker quiet(ui_->plcCombo);
    ui_->plcCombo->setCurrentIndex(ui_->plcCombo->findData(static_cast<int>(index)));
  }
  plcIndex_ = static_cast<int>(index);
  project.plcSettings.plcName = entries[index].name;
  project.plcSettings.libraryName = entries[index].path;
  project.ReloadPlcLibrary(entries[index].path);
  TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
  LumoraPlcDetails details = manager.Details();
  if (project.plcSettings.plcAttributes.size() < 32) project.plcSettings.plcAttributes.resize(32, 0);
  project.plcSettings.plcAttributes[0] = static_cast<uint8_t>(details.manufacturerId);
  project.plcSettings.plcAttributes[1] = static_cast<uint8_t>(details.modelId);
}

void CLumoraView::ApplyPanelType(int panelType) {
  bool multiPanel = systemKind_ == 1;
  bool setPoint = panelType == kPanelQMSV;
  bool none = panelType == kPanelNone;
  ui_->addressDatabaseButton->setEnabled(!none);
  if (none) {
    for (QToolButton* button : {messagesPicture_, buttonsPicture_, annunciatorPicture_}) button->hide();
    ui_->panelPicture->setPixmap(UnitPicture(kPanelNone, QSize(260, 165)));
    ui_->panelTypeCaption->setText(multiPanel ? QString("No panel on Port %1").arg(selectedPort_) : QString());
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
  struct Launch {
    QAbstractButton* button;
    QAbstractButton* picture;
    EditorKind kind;
  };
  const Launch launchers[] = {
      {ui_->messagesButton, messagesPicture_, setPoint ? EditorKind::SetPoints : EditorKind::Messages},
      {ui_->buttonsLedsButton, buttonsPicture_, EditorKind::ButtonsLeds},
      {ui_->annunciatorButton, annunciatorPicture_, EditorKind::Annunciator},
      {ui_->configureAddressesButton, nullptr, EditorKind::GeneralSettings},
  };
  for (const Launch& launch : launchers) {
    bool available = CEditorLauncher::Available(launch.kind);
    QString tip = available ? QString() : CEditorLauncher::UnavailableText(launch.kind);
    for (QAbstractButton* button : {launch.button, launch.picture}) {
      if (!button) continue;
      button->setEnabled(available && !none);
      if (button != launch.picture) button->setToolTip(tip);
    }
    if (launch.picture) launch.picture->setToolTip(available ? launch.picture->accessibleName() : tip);
  }
  PlacePictureButtons();
  update();
}

void CLumoraView::ApplySystemKind() {
  bool multiPanel = systemKind_ == 1;
  {
    QSignalBlocker quietSingle(ui_->singleRadio);
    QSignalBlocker quietMulti(ui_->multiRadio);
    ui_->singleRadio->setChecked(!multiPanel);
    ui_->multiRadio->setChecked(multiPanel);
  }
  ui_->multiplexerGroup->setEnabled(multiPanel);
  // The frame offers the firmware command that fits the system kind.
  if (auto* frame = qobject_cast<CMainFrame*>(window())) frame->SetMultiPanel(systemKind_);
  ShowPictures();
  ui_->writeButton->setText(multiPanel ? "Wri&te Project" : "Wri&te to \nPanel");
  ui_->readButton->setText(multiPanel ? "&Read from\n Multiplexer" : "&Read from\n Panel");
  update();
}

void CLumoraView::ShowPictures() {
  bool multiPanel = systemKind_ == 1;
  // A single panel connects to the PLC directly: the multiplexer is shown greyed.
  QPixmap multiplexer = UnitPicture(kPanelMultiplexer, QSize(100, 240));
  ui_->muxPicture->setPixmap(multiPanel ? multiplexer : QIcon(multiplexer).pixmap(multiplexer.size(), QIcon::Disabled));
  ui_->plcPicture->setPixmap(PlcPicture(QSize(120, 70)));
}

void CLumoraView::RewritePortLabels() {
  const TQMProject& project = doc_->Project();
  bool multiPanel = systemKind_ == 1;
  for (int port = 1; port <= 5; ++port) {
    int type = multiPanel ? project.multiplexer.portType[static_cast<size_t>(port - 1)] : kPanelNone;
    ports_[static_cast<size_t>(port - 1)]->Show(type, multiPanel && port == selectedPort_);
  }
}

void CLumoraView::UpdateTagMapLabel() {
  // A project that left tag mode keeps the name of its last map, but shows none.
  const std::string& map = doc_->Project().tagMapPath;
  bool shown = doc_->Project().tagMapLinked && !map.empty();
  ui_->tagMapLabel->setVisible(shown);
  ui_->tagMapLabel->setEnabled(shown);
  ui_->changeTagMapButton->setVisible(shown);
  ui_->changeTagMapButton->setEnabled(shown);
  if (!shown) return;
  std::string name = map.substr(map.find_last_of("\\/") == std::string::npos ? 0 : map.find_last_of("\\/") + 1);
  ui_->tagMapLabel->setText(QString("Tag map: %1").arg(FromPath(name)));
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
  if (!ready_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  DiagramGeometry geometry;
  geometry.multiplexer = RectIn(ui_->muxPicture, this);
  if (!ui_->muxPicture->pixmap().isNull()) {
    // The picture itself, centred in its label.
    QSizeF picture = ui_->muxPicture->pixmap().deviceIndependentSize();
    geometry.multiplexer = QRectF(geometry.multiplexer.center() - QPointF(picture.width() / 2, picture.height() / 2), picture);
  }
  for (size_t i = 0; i < ports_.size(); ++i) geometry.ports[i] = RectIn(ports_[i], this);
  geometry.plc = RectIn(ui_->plcPicture, this);
  if (!ui_->plcPicture->pixmap().isNull()) {
    QSizeF picture = ui_->plcPicture->pixmap().deviceIndependentSize();
    geometry.plc = QRectF(geometry.plc.center() - QPointF(picture.width() / 2, picture.height() / 2), picture);
  }
  geometry.multiPanelRadio = RectIn(ui_->multiRadio, this);
  geometry.multiplexerGroup = RectIn(ui_->multiplexerGroup, this);
  for (const DiagramConnector& connector : MultiplexerConnectors(geometry, systemKind_ == 1)) {
    painter.setPen(QPen(connector.colour, connector.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolyline(connector.path);
  }
  // The step area in red, and arrows from step 3 to the editors offered.
  painter.setPen(QPen(kStepAreaColour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(RectIn(ui_->stepArea, this).adjusted(1, 1, -1, -1));
  // From the middle of the big "3", which sits at the top of its label.
  QRectF step = RectIn(ui_->step3Label, this);
  QFontMetricsF metrics(ui_->step3Label->font());
  QPointF from(step.center().x() + metrics.horizontalAdvance("3") / 2 + 4, step.top() + metrics.ascent() * 0.6);
  for (QWidget* target : std::initializer_list<QWidget*>{ui_->messagesButton, ui_->buttonsLedsButton,
                                                         ui_->annunciatorButton, ui_->configurePanelLabel}) {
    if (target->isHidden()) continue;
    QRectF rect = RectIn(target, this);
    DrawArrow(painter, from, QPointF(rect.left() - 2, rect.center().y()), kStepArrowColour, 2);
  }
}

void CLumoraView::OnSetFile() {
  CLumoraApp* app = CLumoraApp::Instance();
  doc_->SetPathName(app->newProjectPath);
  doc_->OnSaveDocument(app->newProjectPath);
}

void CLumoraView::OnSinglePanelSystem() {
  SetLinkSpeed(9600);
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  SystemKindChange change = SwitchToSinglePanel(doc_->Project());
  if (change == SystemKindChange::Declined) {
    ApplySystemKind();
    ui_->multiRadio->setFocus();
    return;
  }
  if (change == SystemKindChange::Unchanged) {
    ApplySystemKind();
    return;
  }
  systemKind_ = 0;
  selectedPort_ = 1;
  panelType_ = kPanelQM210;
  RefreshWorkingCopy();
  RewritePortLabels();
  ConfirmedChange("Single Panel System", std::move(before));
  ApplyPanelType(panelType_);
  ApplySystemKind();
}

void CLumoraView::OnMultiPanelSystem() {
  SetLinkSpeed(38400);
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  if (SwitchToMultiPanel(doc_->Project()) != SystemKindChange::Changed) {
    ApplySystemKind();
    return;
  }
  systemKind_ = 1;
  selectedPort_ = doc_->Project().multiplexer.selectedPort;
  panelType_ = doc_->Project().multiplexer.portType[static_cast<size_t>(selectedPort_ - 1)];
  ApplySystemKind();
  ApplyPanelType(panelType_);
  RefreshWorkingCopy();
  RewritePortLabels();
  ConfirmedChange("Multi-Panel System", std::move(before));
}

void CLumoraView::OnSelectPanel() {
  CBitmapDlg dialog(panelType_, this);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  int chosen = dialog.SelectedType();
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  project.multiplexer.selectedPort = systemKind_ == 1 ? selectedPort_ : 1;
  if (ChangePanelType(project, chosen) != PanelTypeChange::Changed) return;
  panelType_ = chosen;
  ApplyPanelType(panelType_);
  RefreshWorkingCopy();
  RewritePortLabels();
  ConfirmedChange("Change Panel Type", std::move(before));
}

void CLumoraView::OnPlcSelected(int comboIndex) {
  if (!ready_ || comboIndex < 0) return;
  int position = ui_->plcCombo->itemData(comboIndex).toInt();
  if (position == plcIndex_) return;
  CLumoraApp* app = CLumoraApp::Instance();
  const std::vector<PlcCatalogueEntry>& entries = app->WaitForDiscovery().Entries();
  auto reselect = [this] {
    QSignalBlocker quiet(ui_->plcCombo);
    ui_->plcCombo->setCurrentIndex(ui_->plcCombo->findData(plcIndex_));
  };
  if (position < 0 || static_cast<size_t>(position) >= entries.size()) return reselect();
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  PlcChangeOptions options;
  options.fresh = freshProject_;
  options.editAttributes = [](TQMPlcManager& plc, TQMPlcSettings& settings) {
    LibraryDirectoryScope directory;
    return plc.EditAttributes(settings) != AttributeEdit::Failed;
  };
  PlcChangeResult result = ChangeProjectPlc(project, entries[static_cast<size_t>(position)], app->Ui(), options);
  if (result.outcome != PlcChangeOutcome::Changed) return reselect();
  if (!result.rows.empty()) {
    CAddrLogDlg log(result.rows, this);
    ExecModal(log);
  }
  plcIndex_ = position;
  UpdateTagMapLabel();
  RefreshWorkingCopy();
  ConfirmedChange("Change PLC", std::move(before));
}

void CLumoraView::OnCommunicationSetup() {
  LibraryDirectoryScope directory;
  TQMProject& project = doc_->Project();
  TQMPlcManager manager(project.plcLibrary.get(), CLumoraApp::Instance()->Ui());
  bool multiPanel = project.IsMultiPanel();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  if (multiPanel) manager.SetApplicationType(1);
  if (manager.EditAttributes(project.plcSettings) == AttributeEdit::Changed) {
    RefreshWorkingCopy();
    ConfirmedChange("Change PLC Communication", std::move(before));
  }
  if (multiPanel) manager.SetApplicationType(2);
}

void CLumoraView::OnChangeTagMap() {
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  TagMapTable textPanels = project.textPanelTagMap;
  TagMapTable setPoints = project.setPointTagMap;
  std::string mapPath = project.tagMapPath;
  FilePrompt prompt;
  prompt.title = "Open Tag Map File";
  prompt.filter = "Plan & Run Map Files (*.map)|*.map|All Files (*.*)|*.*||";
  prompt.defaultExtension = "map";
  Interaction& ui = CLumoraApp::Instance()->Ui();
  std::optional<std::string> chosen = ui.PromptOpenFile(prompt);
  if (!chosen) return;
  TagMapTable newTextPanels;
  TagMapTable newSetPoints;
  if (!ReadTagMapFile(*chosen, newTextPanels, newSetPoints, ui)) return;
  project.textPanelTagMap = std::move(newTextPanels);
  project.setPointTagMap = std::move(newSetPoints);
  project.tagMapPath = *chosen;
  UpdateTagMapLabel();
  TQMPlanNRun check(project);
  check.Run();
  if (!check.Log().empty()) {
    CPNRConvDlg report(check.Log(), project.tagMapPath, this);
    if (ExecModal(report) != QDialog::Accepted) {
      project.textPanelTagMap = std::move(textPanels);
      project.setPointTagMap = std::move(setPoints);
      project.tagMapPath = mapPath;
      UpdateTagMapLabel();
      return;
    }
    TQMPlanNRun apply(project);
    apply.SetMode(TQMPlanNRun::kApply);
    apply.Run();
  }
  RefreshWorkingCopy();
  ConfirmedChange("Change Tag Map", std::move(before));
}

void CLumoraView::OnPortClicked(int port) {
  if (systemKind_ != 1 || port < 1 || port > 5 || port == selectedPort_) return;
  TQMProject& project = doc_->Project();
  selectedPort_ = port;
  project.multiplexer.selectedPort = port;
  panelType_ = project.multiplexer.portType[static_cast<size_t>(port - 1)];
  ApplyPanelType(panelType_);
  RewritePortLabels();
}

void CLumoraView::ShowPortMenu(int port, const QPoint& globalPosition) {
  if (systemKind_ != 1) return;
  bool holdsPanel = doc_->Project().FindPanel(port) != nullptr;
  QMenu menu(this);
  menu.setObjectName("portContextMenu");
  menu.addAction("&Select Panel", this, &CLumoraView::OnSelectPanel);
  menu.addAction("&Delete Panel", this, &CLumoraView::OnDeletePanel)->setEnabled(holdsPanel);
  menu.addAction("&Import Configuration", this, &CLumoraView::OnImportConfiguration);
  menu.addAction("&Export Configuration", this, &CLumoraView::OnExportConfiguration)->setEnabled(holdsPanel);
  menu.addAction("In&formation", this, &CLumoraView::OnInformation)->setEnabled(holdsPanel);
  menu.addAction("Upgrade &Firmware", this, &CLumoraView::OnPanelFirmware);
  menu.addSeparator();
  menu.addAction("Connection S&tatus", this, &CLumoraView::OnConnectionStatus);
  menu.addAction("&Clear Panel Memory", this, &CLumoraView::OnClearMemory);
  menu.addAction("Upgrade Firmware through the &Multiplexer", this, &CLumoraView::OnMultiplexerFirmware);
  menu.exec(globalPosition);
}

void CLumoraView::LaunchEditor(EditorKind kind) {
  setFocus();
  TQMProject& project = doc_->Project();
  bool needsPanel = kind != EditorKind::ButtonsLeds;
  if (systemKind_ == 1 && needsPanel && !project.FindPanel(selectedPort_)) return;
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  EditorOutcome outcome = CEditorLauncher::Launch(kind, project, this);
  if (MarksDocumentModified(kind, outcome)) {
    RefreshWorkingCopy();
    ConfirmedChange(FromLatin1(EditorCommandText(kind)), std::move(before));
  }
}

void CLumoraView::OnMessages() {
  LaunchEditor(panelType_ == kPanelQMSV ? EditorKind::SetPoints : EditorKind::Messages);
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

void CLumoraView::OnWrite() {
  TQMProject& project = doc_->Project();
  CommLogScope log("Write.txt", ApplicationVersion(), true);
  ApplyLinkSpeed(doc_->Project());
  WriteCheck check = CheckBeforeWrite(project, PlcAddressSizeOf(project, CLumoraApp::Instance()->Ui()));
  if (check.verdict == WriteCheck::Verdict::Incomplete) {
    CPanelNotConfDlg dialog(check.missingItems, this);
    ExecModal(dialog);
    return;
  }
  if (check.verdict == WriteCheck::Verdict::Invalid) {
    ShowMessageBox(this, FromLatin1(InvalidProjectText(check.problems)), "", MessageIcon::Error);
    return;
  }
  RunTransferDialog(kOperationWrite, QString());
}

void CLumoraView::RunTransferDialog(int operation, const QString& filePath) {
  // The worker gets a copy of its own: the document's project stays with this thread, which paints it.
  // What the transfer changed that the document keeps (the selected port) is applied once it has ended.
  TQMProject working(doc_->Project());
  QPointer<CLumoraView> self(this);
  {
    CCommProgDlg dialog(working, operation, filePath, this);
    ExecModal(dialog);
  }
  if (!self) return;
  doc_->Project().multiplexer.selectedPort = working.multiplexer.selectedPort;
}

void CLumoraView::OnRead() {
  CommLogScope log("Read.txt", ApplicationVersion(), true);
  if (ShowMessageBox(this, "This operation will overwrite the current program.\nProceed?", "",
                     MessageIcon::Exclamation, MessageButtons::OkCancel, Answer::Ok) != Answer::Ok) {
    return;
  }
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(this);
  if (read && AdoptReadProject(doc_->Project(), *read)) {
    std::unique_ptr<TQMProject> before = doc_->Snapshot();
    doc_->ReplaceProject(std::move(read));  // refreshes the view
    ConfirmedChange("Read Project", std::move(before));
  }
}

void CLumoraView::OnVerify() {
  ApplyLinkSpeed(doc_->Project());
  TQMProject& project = doc_->Project();
  if (project.IsMultiPanel()) {
    TQMProject working(project);
    ViewErrorSink sink;
    TransferContext context(&working, kOperationRead, &CLumoraApp::Instance()->Ui(), &sink);
    context.portName = CLumoraApp::Instance()->PortName();
    bool ok = RunOffUiThread([&] { return CheckMultiplexerSetup(context); });
    sink.ShowErrors(this);
    if (!ok) return;
  }
  CommLogScope log("Read.txt", ApplicationVersion(), true);
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(this);
  if (read) {
    VerifyResult result = CompareWithPanel(project, *read);
    // A difference comes with the fields that differ, behind the box's details button.
    QStringList differences;
    for (const std::string& line : result.differences)
      differences << FromLatin1(line);
    ShowMessageBox(this, FromLatin1(result.text), "", MessageIcon::Information, MessageButtons::Ok,
                   Answer::Ok, differences.join('\n'));
  }
}

void CLumoraView::OnInformation() {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject working(doc_->Project());
  ViewErrorSink sink;
  TransferContext context(&working, kOperationRead, &app->Ui(), &sink);
  context.portName = app->PortName();
  int mode = 1;
  bool multiplexer = working.IsMultiPanel();
  std::unique_ptr<TQMStatusResp> status = RunOffUiThread([&] {
    if (!multiplexer) return QueryUnitInformation(context, mode);
    // The selected panel, through the multiplexer.
    mode = 0;
    return QuerySelectedPanelInformation(context);
  });
  sink.ShowErrors(this);
  if (!status) return;
  CPanelStatusDlg dialog(DescribeUnit(*status, false, mode, app->Ui()), this);
  ExecModal(dialog);
}

void CLumoraView::Firmware(bool multiplexer) {
  CommLogScope log("Write.txt", ApplicationVersion(), true);
  CUpgdeFirmDlg choose(this);
  ApplyLinkSpeed(doc_->Project(), multiplexer);
  if (ExecModal(choose) == QDialog::Accepted && !choose.FilePath().isEmpty()) {
    RunTransferDialog(multiplexer ? kOperationMultiplexerFirmware : kOperationPanelFirmware,
                      choose.FilePath());
  }
}

void CLumoraView::OnPanelFirmware() {
  Firmware(false);
}
void CLumoraView::OnMultiplexerFirmware() {
  Firmware(true);
}

void CLumoraView::OnClearMemory() {
  CLumoraApp* app = CLumoraApp::Instance();
  TQMProject working(doc_->Project());
  QString question = working.IsMultiPanel()
                         ? "This command will clear the panel(s). Do you want to continue?"
                         : "This command will clear the panel. Do you want to continue?";
  if (ShowMessageBox(this, question, "", MessageIcon::Question, MessageButtons::YesNo, Answer::No) !=
      Answer::Yes)
    return;
  if (working.panels.empty()) return;
  ViewErrorSink sink;
  TransferContext context(&working, kOperationWrite, &app->Ui(), &sink);
  context.portName = app->PortName();
  RunOffUiThread([&] { ClearPanelMemory(context); });
  sink.ShowErrors(this);
}

void CLumoraView::OnExportConfiguration() {
  CLumoraApp* app = CLumoraApp::Instance();
  FilePrompt prompt;
  prompt.filter = kProjectFileFilter;
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
  prompt.filter = kProjectFileFilter;
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
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  std::vector<ProjectProblem> problems;
  ImportOutcome outcome = ImportPanel(project, loaded, sourcePort, &problems);
  if (outcome == ImportOutcome::Refused)
    ShowMessageBox(this, FromPath(ImportRefusedText(*path, problems)), "", MessageIcon::Error);
  if (outcome != ImportOutcome::Imported) return;
  // The project keeps its PLC: its library's address size, and the imported addresses encoded by it.
  if (project.plcLibrary) {
    TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
    project.plcSettings.addressSize = manager.Details().integers[1];
    RevalidateAddresses(project, manager);
  }
  UpdateTagMapLabel();
  if (const TQMPanel* imported = project.CurrentPanel()) {
    panelType_ = imported->panelType;
    project.multiplexer.SetPortFromPanel(*imported);
  }
  ApplyPanelType(panelType_);
  RefreshWorkingCopy();
  RewritePortLabels();
  ConfirmedChange("Import Configuration", std::move(before));
}

void CLumoraView::OnDeletePanel() {
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  project.multiplexer.selectedPort = selectedPort_;
  if (!DeleteSelectedPanel(project)) return;
  RefreshWorkingCopy();
  panelType_ = kPanelNone;
  RewritePortLabels();
  ApplyPanelType(panelType_);
  ConfirmedChange("Delete Panel", std::move(before));
}

void CLumoraView::OnConnectionStatus() {
  CLumoraApp* app = CLumoraApp::Instance();
  RefreshWorkingCopy();
  TQMProject working(*workingCopy_);
  ViewErrorSink sink;
  TransferContext context(&working, kOperationRead, &app->Ui(), &sink);
  context.portName = app->PortName();
  ApplyLinkSpeed(working);
  bool multiplexer = working.IsMultiPanel();
  int mode = 1;
  std::unique_ptr<TQMStatusResp> status = RunOffUiThread([&] { return QueryUnitInformation(context, mode); });
  sink.ShowErrors(this);
  if (!status) return;
  CPanelStatusDlg dialog(DescribeUnit(*status, multiplexer, mode, app->Ui()), this);
  ExecModal(dialog);
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
  TQMProject& project = doc_->Project();
  const TQMPanel* panel = project.CurrentPanel();
  if (!panel) return;
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  bool wasModified = project.modified;
  project.modified = false;
  CViewAddressDlg dialog(project, *panel, CLumoraApp::Instance()->User(), this);
  dialog.SetEditHandler([&project, &dialog] { CEditorLauncher::Launch(EditorKind::GeneralSettings, project, &dialog); });
  ExecModal(dialog);
  // The dialog's edit button reaches the editors: their changes count like the editors' own.
  bool changed = project.modified;
  project.modified = project.modified || wasModified;
  if (changed) {
    RefreshWorkingCopy();
    ConfirmedChange(FromLatin1(EditorCommandText(EditorKind::GeneralSettings)), std::move(before));
  }
}

}  // namespace lumora::gui
