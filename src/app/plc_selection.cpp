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
  const PlcCatalogue& catalogue = app->WaitForDiscovery();
  const std::vector<PlcCatalogueEntry>& entries = catalogue.Entries();
  if (entries.empty()) return false;
  {
    QSignalBlocker quiet(list_);
    list_->clear();
    for (size_t i = 0; i < entries.size(); ++i)
      list_->addItem(FromLatin1(entries[i].name), QVariant(static_cast<int>(i)));
  }
  if (doc_->IsNewDocument()) {
    // A new project starts with the machine's default PLC, its address size and default attributes.
    int found = catalogue.IndexOf(app->Machine().DefaultPlcManufacturerId(), app->Machine().DefaultPlcModelId());
    const PlcCatalogueEntry& entry = entries[found < 0 ? 0 : static_cast<size_t>(found)];
    TQMProject project(doc_->Project());
    project.plcSettings.plcName = entry.name;
    project.plcSettings.libraryName = entry.path;
    project.ReloadPlcLibrary(entry.path);
    TQMPlcManager manager(project.plcLibrary.get(), app->Ui());
    LumoraPlcDetails details = manager.Details();
    if (project.plcSettings.plcAttributes.size() < 2) project.plcSettings.plcAttributes.resize(2, 0);
    project.plcSettings.plcAttributes[0] = static_cast<uint8_t>(details.manufacturerId);
    project.plcSettings.plcAttributes[1] = static_cast<uint8_t>(details.modelId);
    project.plcSettings.addressSize = details.integers[1];
    if (manager.CreateDefaultAttributes(project.plcSettings) != DefaultAttributes::Created) return false;
    doc_->SetUpNewProject(project);
  }
  SelectProjectPlc();
  UpdateTagMapLabel();
  filled_ = true;
  return true;
}

void CPlcSelection::SelectProjectPlc() {
  const std::vector<PlcCatalogueEntry>& entries = CLumoraApp::Instance()->WaitForDiscovery().Entries();
  const TQMPlcSettings& settings = doc_->Project().plcSettings;
  int index = 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].name == settings.plcName && entries[i].path == settings.libraryName) {
      index = static_cast<int>(i);
      break;
    }
  }
  QSignalBlocker quiet(list_);
  list_->setCurrentIndex(list_->findData(index));
  plcIndex_ = index;
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
  PlcChangeOptions options;
  options.fresh = doc_->IsFreshProject();
  options.editAttributes = [](TQMPlcManager& plc, TQMPlcSettings& settings) {
    LibraryDirectoryScope directory;
    return plc.EditAttributes(settings) != AttributeEdit::Failed;
  };
  PlcChangeResult result =
      ChangeProjectPlc(doc_->Project(), entries[static_cast<size_t>(position)], app->Ui(), options);
  if (!result.project) return reselect();
  if (!result.rows.empty()) {
    CAddrLogDlg log(result.rows, view_);
    ExecModal(log);
  }
  if (!doc_->Change(tr("Change PLC"), *result.project, ProjectPart::Plc | ProjectPart::Panel)) reselect();
}

void CPlcSelection::OnCommunicationSetup() {
  LibraryDirectoryScope directory;
  TQMProject project(doc_->Project());
  TQMPlcManager manager(project.plcLibrary.get(), CLumoraApp::Instance()->Ui());
  bool multiPanel = project.IsMultiPanel();
  if (multiPanel) manager.SetApplicationType(1);
  if (manager.EditAttributes(project.plcSettings) == AttributeEdit::Changed)
    doc_->Change(tr("Change PLC Communication"), project, ProjectPart::Plc);
  if (multiPanel) manager.SetApplicationType(2);
}

void CPlcSelection::OnChangeTagMap() {
  FilePrompt prompt;
  prompt.title = ToLatin1(tr("Open Tag Map File"));
  prompt.filter = ToLatin1(tr("Plan & Run Map Files (*.map)") + "|*.map|" + tr("All Files (*.*)") + "|*.*||");
  prompt.defaultExtension = "map";
  Interaction& ui = CLumoraApp::Instance()->Ui();
  std::optional<std::string> chosen = ui.PromptOpenFile(prompt);
  if (!chosen) return;
  auto confirm = [](const std::vector<std::string>& log, const std::string& mapPath, void* parent) {
    CPNRConvDlg report(log, mapPath, static_cast<QWidget*>(parent));
    return ExecModal(report) == QDialog::Accepted;
  };
  if (std::optional<TQMProject> linked = ProjectWithTagMap(doc_->Project(), *chosen, ui, confirm, view_))
    doc_->Change(tr("Change Tag Map"), *linked, ProjectPart::Plc | ProjectPart::Panel);
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
  tagMapLabel_->setText(tr("Tag map: %1").arg(FromPath(name)));
}

}  // namespace lumora::gui
