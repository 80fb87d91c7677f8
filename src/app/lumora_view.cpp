#include "app/lumora_view.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <mutex>
#include <vector>

#include "app/bitmap_dlg.h"
#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/log_dialogs.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/main_frame.h"
#include "app/modal_run.h"
#include "app/multipanel_import_dlg.h"
#include "app/panel_status_dlg.h"
#include "app/pictures.h"
#include "app/view_address_dlg.h"
#include "link/link_speed.h"
#include "link/responses.h"
#include "model/message_text.h"
#include "model/panel_exchange.h"
#include "model/panel_type_change.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/system_kind.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"
#include "transfer/panel_information.h"

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

QString TagLine(const char* label, const TQMTag& tag) {
  QString text = QString("%1: %2").arg(label, FromLatin1(tag.address));
  if (!tag.tagName.empty()) text += QString(" (%1)").arg(FromLatin1(tag.tagName));
  return text + QString("   %1, %2")
                    .arg(QString::fromLatin1(ValueTypeText(tag.valueType)), FromLatin1(tag.AccessText()));
}

void AddTag(QTreeWidgetItem* parent, const char* label, const TQMTag& tag) {
  if (!tag.IsEmpty()) new QTreeWidgetItem(parent, {TagLine(label, tag)});
}

}  // namespace

CLumoraView::CLumoraView(CLumoraDoc* doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setObjectName("lumoraView");
  heading_ = new QLabel(this);
  heading_->setObjectName("viewHeading");
  QFont font("Arial");
  font.setPointSize(14);
  font.setBold(true);
  heading_->setFont(font);
  summary_ = new QTreeWidget(this);
  summary_->setObjectName("projectSummary");
  summary_->setHeaderHidden(true);
  summary_->setColumnCount(1);
  QFont mono("Liberation Mono");
  mono.setStyleHint(QFont::Monospace);
  summary_->setFont(mono);

  writeButton_ = new QPushButton(this);
  writeButton_->setObjectName("writeButton");
  readButton_ = new QPushButton(this);
  readButton_->setObjectName("readButton");
  auto* verify = new QPushButton("&Verify", this);
  verify->setObjectName("verifyButton");
  auto* information = new QPushButton("In&formation", this);
  information->setObjectName("informationButton");
  for (QPushButton* button : {writeButton_, readButton_, verify, information})
    button->setMinimumHeight(44);
  connect(writeButton_, &QPushButton::clicked, this, &CLumoraView::OnWrite);
  connect(readButton_, &QPushButton::clicked, this, &CLumoraView::OnRead);
  connect(verify, &QPushButton::clicked, this, &CLumoraView::OnVerify);
  connect(information, &QPushButton::clicked, this, &CLumoraView::OnInformation);
  connect(doc_, &CLumoraDoc::projectReplaced, this, &CLumoraView::Refresh);
  connect(doc_, &CLumoraDoc::titleChanged, this, &CLumoraView::Refresh);

  picture_ = new QLabel(this);
  picture_->setObjectName("panelPicture");
  picture_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* body = new QHBoxLayout;
  body->addWidget(summary_, 1);
  body->addWidget(picture_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(writeButton_);
  buttons->addWidget(readButton_);
  buttons->addWidget(verify);
  buttons->addWidget(information);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);
}

CLumoraView::~CLumoraView() = default;

void CLumoraView::SetLinkSpeedForProject() {
  ApplyLinkSpeed(doc_->Project());
}

bool CLumoraView::OnInitialUpdate() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TQMProject& project = doc_->Project();
  if (doc_->IsNewDocument()) {
    project.PutPanel(TQMPanel(&project, kPanelQM210));
    SetLinkSpeed(9600);
  } else {
    SetLinkSpeedForProject();
    freshProject_ = false;
  }
  bool ok = FillPlc();
  QApplication::restoreOverrideCursor();
  if (!ok) {
    ShowMessageBox(this, QString::fromLatin1(kP005Text), "", MessageIcon::Error);
    return false;
  }
  Refresh();
  return true;
}

bool CLumoraView::FillPlc() {
  CLumoraApp* app = CLumoraApp::Instance();
  const PlcCatalogue& catalogue = app->WaitForDiscovery();
  const std::vector<PlcCatalogueEntry>& entries = catalogue.Entries();
  if (entries.empty()) return false;
  TQMProject& project = doc_->Project();
  size_t index = 0;
  if (!project.plcSettings.libraryName.empty()) {
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].name == project.plcSettings.plcName &&
          entries[i].path == project.plcSettings.libraryName)
        index = i;
    }
  } else {
    int found =
        catalogue.IndexOf(app->Machine().DefaultPlcManufacturerId(), app->Machine().DefaultPlcModelId());
    index = found < 0 ? 0 : static_cast<size_t>(found);
  }
  project.plcSettings.plcName = entries[index].name;
  project.plcSettings.libraryName = entries[index].path;
  project.ReloadPlcLibrary(entries[index].path);
  TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
  LumoraPlcDetails details = manager.Details();
  if (project.plcSettings.plcAttributes.size() < 32) project.plcSettings.plcAttributes.resize(32, 0);
  project.plcSettings.plcAttributes[0] = details.manufacturerId;
  project.plcSettings.plcAttributes[1] = details.modelId;
  if (doc_->IsNewDocument()) {
    project.plcSettings.addressSize = details.integers[1];
    return manager.CreateDefaultAttributes(project.plcSettings);
  }
  RevalidateAddresses(project, manager);
  return true;
}

void CLumoraView::Refresh() {
  TQMProject& project = doc_->Project();
  bool multiplexer = project.systemType == 1;
  writeButton_->setText(multiplexer ? "Wri&te Project" : "Wri&te to \nPanel");
  readButton_->setText(multiplexer ? "&Read from\n Multiplexer" : "&Read from\n Panel");
  heading_->setText(QString("%1 — %2, PLC %3")
                        .arg(doc_->Title(), multiplexer ? "Multi-Panel System" : "Single Panel System",
                             FromLatin1(project.plcSettings.plcName)));
  summary_->clear();
  const TQMPanel* current = project.CurrentPanel();
  if (!current && !project.panels.empty()) current = project.panels.front().get();
  picture_->setPixmap(
      current ? UnitPicture(current->panelType, QSize(340, current->panelType == kPanelQMSV ? 220 : 200))
              : QPixmap());
  for (const auto& panelPtr : project.panels) {
    const TQMPanel& panel = *panelPtr;
    auto* item = new QTreeWidgetItem(summary_, {QString("Port %1: %2 — %3 messages, %4 PLC addresses")
                                                    .arg(panel.port)
                                                    .arg(FromLatin1(panel.ModelText()))
                                                    .arg(panel.messages.size())
                                                    .arg(panel.AddressCount())});
    for (const TQMMessage& message : panel.messages) {
      QString prefix = message.isPlcMessage ? QString("PLC   %1").arg(message.number, 3)
                                            : QString("Local %1").arg(message.number, 3);
      QString indent(std::max(0, static_cast<int>(message.level)) * 2, ' ');
      auto* line = new QTreeWidgetItem(item, {QString("%1  %2%3%4")
                                                  .arg(prefix, indent, message.isFolder ? "+" : "",
                                                       FromLatin1(MessageDisplayText(message.text)))});
      if (message.HasDataItem(1)) AddTag(line, "Data 1", message.data1);
      if (message.HasDataItem(1) && message.data1.variableDecimal)
        AddTag(line, "Decimal Point", message.data1.decimalPointTag);
      if (message.HasDataItem(2)) AddTag(line, "Data 2", message.data2);
      if (message.HasDataItem(3)) AddTag(line, "Data 3", message.data3);
    }
    auto* system = new QTreeWidgetItem(item, {"System PLC addresses"});
    if (panel.UsesButtons()) {
      AddTag(system, "Bit Read (LED's)", panel.buttonLeds.ledWord);
      AddTag(system, "Bit Write (Buttons)", panel.buttonLeds.buttonWord);
    }
    if (panel.IsKeypadPanel()) AddTag(system, "Bit Read (Annunciator Lights)", panel.annunciatorWord);
    static const char* kLines[] = {"Line one", "Line two", "Line three", "Line four"};
    for (int i = 0; i < std::min(panel.LineCount(), 4); ++i)
      AddTag(system, kLines[i], panel.lineRegisters[static_cast<size_t>(i)]);
    AddTag(system, "PLC Password Register:", panel.passwordRegister);
    item->setExpanded(true);
  }
}

void CLumoraView::OnSetFile() {
  CLumoraApp* app = CLumoraApp::Instance();
  doc_->SetPathName(app->newProjectPath);
  doc_->OnSaveDocument(app->newProjectPath);
}

void CLumoraView::OnWrite() {
  TQMProject& project = doc_->Project();
  CommLogScope log("Write.txt", ApplicationVersion(), true);
  SetLinkSpeedForProject();
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
  CCommProgDlg dialog(project, kOperationWrite, QString(), this);
  ExecModal(dialog);
}

namespace {

// Runs the read dialog on a fresh project with one QM210 record; null unless the read reached its end.
std::unique_ptr<TQMProject> ReadIntoFreshProject(QWidget* parent) {
  CLumoraApp* app = CLumoraApp::Instance();
  auto project = std::make_unique<TQMProject>();
  PrepareReadTarget(*project, CoreServices{&app->Ui(), &app->Plc()});
  CCommProgDlg dialog(*project, kOperationRead, QString(), parent);
  ExecModal(dialog);
  return ReadSucceeded(dialog.Context(), *project) ? std::move(project) : nullptr;
}

}  // namespace

void CLumoraView::OnRead() {
  CommLogScope log("Read.txt", ApplicationVersion(), true);
  if (ShowMessageBox(this, "This operation will overwrite the current program.\nProceed?", "",
                     MessageIcon::Exclamation, MessageButtons::OkCancel, Answer::Ok) != Answer::Ok) {
    return;
  }
  std::unique_ptr<TQMProject> read = ReadIntoFreshProject(this);
  if (read && AdoptReadProject(doc_->Project(), *read)) {
    doc_->ReplaceProject(std::move(read));
    freshProject_ = false;
    doc_->SetModifiedFlag(true);
    SetLinkSpeedForProject();
    Refresh();
  }
}

void CLumoraView::OnVerify() {
  SetLinkSpeedForProject();
  TQMProject& project = doc_->Project();
  if (project.systemType == 1) {
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
  bool multiplexer = working.systemType == 1;
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
    CCommProgDlg dialog(doc_->Project(),
                        multiplexer ? kOperationMultiplexerFirmware : kOperationPanelFirmware,
                        choose.FilePath(), this);
    ExecModal(dialog);
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
  QString question = working.systemType == 1
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
  if (loaded.systemType == 1) {
    CMultipanelImportDlg dialog(ImportPortTexts(loaded), this);
    if (ExecModal(dialog) != QDialog::Accepted) return;
    sourcePort = dialog.SelectedPort();
  }
  TQMProject& project = doc_->Project();
  if (ImportPanel(project, loaded, sourcePort) != ImportOutcome::Imported) return;
  // The project keeps its PLC: its library's address size, and the imported addresses encoded by it.
  if (project.plcLibrary) {
    TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
    project.plcSettings.addressSize = manager.Details().integers[1];
    RevalidateAddresses(project, manager);
  }
  doc_->SetModifiedFlag(true);
  Refresh();
}

void CLumoraView::OnAddressDatabase() {
  const TQMProject& project = doc_->Project();
  const TQMPanel* panel = project.CurrentPanel();
  if (!panel) return;
  CViewAddressDlg dialog(project, *panel, CLumoraApp::Instance()->User(), this);
  ExecModal(dialog);
}

void CLumoraView::OnSelectPanel() {
  TQMProject& project = doc_->Project();
  const TQMPanel* current = project.CurrentPanel();
  CBitmapDlg dialog(current ? current->panelType : kPanelNone, this);
  if (ExecModal(dialog) != QDialog::Accepted) return;
  if (ChangePanelType(project, dialog.SelectedType()) != PanelTypeChange::Changed) return;
  doc_->SetModifiedFlag(true);
  Refresh();
}

void CLumoraView::OnSinglePanelSystem() {
  SetLinkSpeed(9600);
  if (SwitchToSinglePanel(doc_->Project()) != SystemKindChange::Changed) return;
  doc_->SetModifiedFlag(true);
  Refresh();
}

void CLumoraView::OnMultiPanelSystem() {
  SetLinkSpeed(38400);
  if (SwitchToMultiPanel(doc_->Project()) != SystemKindChange::Changed) return;
  doc_->SetModifiedFlag(true);
  Refresh();
}

}  // namespace lumora::gui
