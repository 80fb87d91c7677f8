#include "app/plc_selection.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>

#include "app/addr_log_dlg.h"
#include "app/gui_interaction.h"
#include "app/pnr_conv_dlg.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/modal_run.h"
#include "model/project.h"
#include "plc/address_conversion.h"
#include "plc/install_dir.h"
#include "plc/plan_n_run.h"
#include "plc/plc_change.h"
#include "plc/plc_manager.h"

namespace lumora::gui {
namespace {

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

}  // namespace

CPlcSelection::CPlcSelection(CLumoraDoc* doc, QComboBox* list, QLabel* tagMapLabel, QAbstractButton* changeTagMap,
                             QWidget* view)
    : QObject(view), doc_(doc), list_(list), tagMapLabel_(tagMapLabel), changeTagMap_(changeTagMap), view_(view) {
  connect(list_, &QComboBox::currentIndexChanged, this, &CPlcSelection::OnPlcSelected);
  connect(changeTagMap_, &QAbstractButton::clicked, this, &CPlcSelection::OnChangeTagMap);
}

bool CPlcSelection::Fill() {
  CLumoraApp* app = CLumoraApp::Instance();
  const std::vector<PlcCatalogueEntry>& entries = app->WaitForDiscovery().Entries();
  if (entries.empty()) return false;
  {
    QSignalBlocker quiet(list_);
    list_->clear();
    for (size_t i = 0; i < entries.size(); ++i)
      list_->addItem(FromLatin1(entries[i].name), QVariant(static_cast<int>(i)));
  }
  SelectProjectPlc();
  TQMProject& project = doc_->Project();
  TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
  UpdateTagMapLabel();
  if (doc_->IsNewDocument()) {
    project.plcSettings.addressSize = manager.Details().integers[1];
    if (manager.CreateDefaultAttributes(project.plcSettings) != DefaultAttributes::Created) return false;
  } else {
    RevalidateAddresses(project, manager);
  }
  filled_ = true;
  return true;
}

void CPlcSelection::SelectProjectPlc() {
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
    QSignalBlocker quiet(list_);
    list_->setCurrentIndex(list_->findData(static_cast<int>(index)));
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


void CPlcSelection::OnPlcSelected(int listIndex) {
  if (!filled_ || listIndex < 0) return;
  int position = list_->itemData(listIndex).toInt();
  if (position == plcIndex_) return;
  CLumoraApp* app = CLumoraApp::Instance();
  const std::vector<PlcCatalogueEntry>& entries = app->WaitForDiscovery().Entries();
  auto reselect = [this] {
    QSignalBlocker quiet(list_);
    list_->setCurrentIndex(list_->findData(plcIndex_));
  };
  if (position < 0 || static_cast<size_t>(position) >= entries.size()) return reselect();
  TQMProject& project = doc_->Project();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  PlcChangeOptions options;
  options.fresh = doc_->IsFreshProject();
  options.editAttributes = [](TQMPlcManager& plc, TQMPlcSettings& settings) {
    LibraryDirectoryScope directory;
    return plc.EditAttributes(settings) != AttributeEdit::Failed;
  };
  PlcChangeResult result = ChangeProjectPlc(project, entries[static_cast<size_t>(position)], app->Ui(), options);
  if (result.outcome != PlcChangeOutcome::Changed) return reselect();
  if (!result.rows.empty()) {
    CAddrLogDlg log(result.rows, view_);
    ExecModal(log);
  }
  plcIndex_ = position;
  UpdateTagMapLabel();
  doc_->RecordChange("Change PLC", std::move(before));
}

void CPlcSelection::OnCommunicationSetup() {
  LibraryDirectoryScope directory;
  TQMProject& project = doc_->Project();
  TQMPlcManager manager(project.plcLibrary.get(), CLumoraApp::Instance()->Ui());
  bool multiPanel = project.IsMultiPanel();
  std::unique_ptr<TQMProject> before = doc_->Snapshot();
  if (multiPanel) manager.SetApplicationType(1);
  if (manager.EditAttributes(project.plcSettings) == AttributeEdit::Changed) {
    doc_->RecordChange("Change PLC Communication", std::move(before));
  }
  if (multiPanel) manager.SetApplicationType(2);
}

void CPlcSelection::OnChangeTagMap() {
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
    CPNRConvDlg report(check.Log(), project.tagMapPath, view_);
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
  doc_->RecordChange("Change Tag Map", std::move(before));
}


void CPlcSelection::UpdateTagMapLabel() {
  // A project that left tag mode keeps the name of its last map, but shows none.
  const std::string& map = doc_->Project().tagMapPath;
  bool shown = doc_->Project().tagMapLinked && !map.empty();
  tagMapLabel_->setVisible(shown);
  tagMapLabel_->setEnabled(shown);
  changeTagMap_->setVisible(shown);
  changeTagMap_->setEnabled(shown);
  if (!shown) return;
  std::string name = map.substr(map.find_last_of("\\/") == std::string::npos ? 0 : map.find_last_of("\\/") + 1);
  tagMapLabel_->setText(QString("Tag map: %1").arg(FromPath(name)));
}

}  // namespace lumora::gui
