#include "plc/plc_manager.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/codes.h"
#include "model/file_io.h"
#include "model/interaction.h"
#include "model/project.h"
#include "plc/install_dir.h"
#include "plc/plc_library.h"

namespace lumora {
namespace {

// The attribute exchange file: temp.atr in a private folder of its own, so that copies of the program
// running side by side never share it; the folder and the file go when the exchange is over.
class AttributeExchangeFile {
 public:
  AttributeExchangeFile() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "lumora-atr-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) return;
    dir_ = pattern;
    path_ = dir_ + "/temp.atr";
  }
  ~AttributeExchangeFile() {
    if (dir_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  AttributeExchangeFile(const AttributeExchangeFile&) = delete;
  AttributeExchangeFile& operator=(const AttributeExchangeFile&) = delete;

  // "" when no private folder could be made.
  const std::string& Path() const { return path_; }

 private:
  std::string dir_;
  std::string path_;
};

bool AccessAllowed(int requested, int accessKind) {
  switch (requested) {
    case LUMORA_ACCESS_READ_WRITE:
      return accessKind == 0;
    case LUMORA_ACCESS_READ:
      return accessKind == 0 || accessKind == 1;
    case LUMORA_ACCESS_WRITE:
      return accessKind == 0 || accessKind == 2;
    default:
      return false;
  }
}

}  // namespace

bool WriteAttributeFile(const std::string& path, const std::vector<uint8_t>& block) {
  return WriteFileAtomically(path, std::string(block.begin(), block.end()));
}

std::vector<uint8_t> ReadAttributeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TQMPlcManager::TQMPlcManager(const PlcModule* module, Interaction& interaction)
    : library_(dynamic_cast<const PlcLibraryModule*>(module)), ui_(interaction) {
  if (library_ && !library_->Name().empty()) SetApplicationType(2);
}

std::string TQMPlcManager::PlcName() const {
  return library_ ? library_->Name() : "";
}

bool TQMPlcManager::ValidateAddress(LumoraPlcAddress& record, std::string& text, int requestedAccess,
                                    int valueType, bool keepText) {
  std::memset(&record, 0, sizeof record);
  if (text.empty()) return true;
  if (!library_ || !library_->validate) {
    ui_.ShowMessage(kP001Text, "", MessageIcon::Exclamation);
    return false;
  }
  if (!library_->validate(&record, text.c_str(), requestedAccess, ValueTypeWireCode(valueType), 0, 0)) {
    record.reason[sizeof record.reason - 1] = '\0';
    if (record.reason[0] != '\0') ui_.ShowMessage(record.reason, "", MessageIcon::Error);
    return false;
  }
  if (record.discrete == 1) {
    ui_.ShowMessage(kZ007Text, "", MessageIcon::Error);
    return false;
  }
  if (!AccessAllowed(requestedAccess, record.accessKind)) {
    ui_.ShowMessage(kT002Text, "", MessageIcon::Error);
    return false;
  }
  if (!keepText) text = RebuildText(record);
  return true;
}

bool TQMPlcManager::ValidateTag(TQMTag& tag, int requestedAccess, bool keepText, int addressSize) {
  LumoraPlcAddress record;
  std::string text = tag.address;
  if (!ValidateAddress(record, text, requestedAccess, tag.valueType, keepText)) return false;
  if (tag.address.empty()) {
    tag.encodedAddress.clear();
    return true;
  }
  size_t size = static_cast<size_t>(std::clamp(addressSize, 0, LUMORA_PLC_MAX_ADDRESS_SIZE));
  tag.encodedAddress.assign(record.encoded, record.encoded + size);
  tag.addressAccess = record.accessKind;
  tag.address = text;
  return true;
}

std::string TQMPlcManager::RebuildText(const LumoraPlcAddress& record) const {
  if (!library_ || !library_->rebuild) return "";
  char text[LUMORA_PLC_TEXT_SIZE] = {};
  char second[LUMORA_PLC_TEXT_SIZE] = {};
  if (!library_->rebuild(&record, text, second)) return "";
  text[sizeof text - 1] = '\0';
  return text;
}

std::string TQMPlcManager::RebuildText(const std::vector<uint8_t>& encoded) const {
  LumoraPlcAddress record;
  std::memset(&record, 0, sizeof record);
  std::copy_n(encoded.begin(), std::min<size_t>(encoded.size(), sizeof record.encoded), record.encoded);
  return RebuildText(record);
}

LumoraPlcDetails TQMPlcManager::Details() const {
  LumoraPlcDetails details;
  std::memset(&details, 0, sizeof details);
  if (library_ && library_->details) {
    library_->details(&details);
    details.plcName[sizeof details.plcName - 1] = '\0';
    details.driverName[sizeof details.driverName - 1] = '\0';
    for (auto& text : details.texts)
      text[sizeof text - 1] = '\0';
  }
  return details;
}

std::string TQMPlcManager::DriverFilePath(DriverKind kind) const {
  if (!library_) return "";
  if (kind == DriverKind::PanelBehindMultiplexer) return InstallPath("driver/multiplexer.plx");
  LumoraPlcDetails details = Details();
  if (details.plcName[0] == '\0') return "";
  return InstallPath(std::string("driver/") + details.driverName +
                     (kind == DriverKind::Panel ? ".plx" : ".plc"));
}

bool TQMPlcManager::CreateDefaultAttributes(TQMPlcSettings& settings) {
  if (!library_ || !library_->createAttributes) return false;
  AttributeExchangeFile file;
  if (file.Path().empty()) return false;
  bool ok = library_->createAttributes(file.Path().c_str()) != 0;
  if (ok) settings.plcAttributes = ReadAttributeFile(file.Path());
  return ok;
}

AttributeEdit TQMPlcManager::EditAttributes(TQMPlcSettings& settings) {
  if (!library_ || !library_->launchObject) return AttributeEdit::Failed;
  AttributeExchangeFile file;
  if (file.Path().empty() || !WriteAttributeFile(file.Path(), settings.plcAttributes))
    return AttributeEdit::Failed;
  bool accepted = library_->launchObject(file.Path().c_str()) != 0;
  AttributeEdit result = AttributeEdit::Failed;
  if (accepted) {
    std::vector<uint8_t> block = ReadAttributeFile(file.Path());
    result = AttributeEdit::Unchanged;
    if (block != settings.plcAttributes) {
      settings.plcAttributes = std::move(block);
      result = AttributeEdit::Changed;
    }
  }
  return result;
}

int TQMPlcManager::Compare(const std::string& first, const std::string& second) {
  if (!library_ || !library_->compare) {
    ui_.ShowMessage(kP008Text, "", MessageIcon::Exclamation);
    return 0;
  }
  return library_->compare(first.c_str(), second.c_str());
}

void TQMPlcManager::SetApplicationType(int applicationType) {
  if (!library_ || !library_->setApplicationType) {
    ui_.ShowMessage(kP009Text, "", MessageIcon::Exclamation);
    return;
  }
  library_->setApplicationType(applicationType);
}

std::vector<std::string> TQMPlcManager::LibraryFiles() {
  std::vector<std::string> files;
  std::error_code error;
  std::filesystem::directory_iterator it(InstallPath("dll"), error);
  if (error) return files;
  for (const auto& entry : it) {
    if (entry.path().extension() == ".so" && entry.is_regular_file(error))
      files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

PlcCatalogueEntry TQMPlcManager::FindPlcByIds(int manufacturerId, int modelId, Interaction& interaction) {
  for (const std::string& path : LibraryFiles()) {
    TQMPlcManager2 manager(path, interaction);
    if (!manager.HasLibrary()) continue;
    LumoraPlcDetails details = manager.Details();
    if (details.manufacturerId == manufacturerId && details.modelId == modelId) {
      return {details.plcName, path};
    }
  }
  return {};
}

TQMPlcManager2::TQMPlcManager2(const std::string& path, Interaction& interaction)
    : TQMPlcManager2(PlcLibraryModule::Open(path), interaction) {}

TQMPlcManager2::TQMPlcManager2(std::unique_ptr<PlcLibraryModule> module, Interaction& interaction)
    : TQMPlcManager(module.get(), interaction), owned_(std::move(module)) {}

TQMPlcManager2::~TQMPlcManager2() = default;

bool IsConvertiblePlc(int manufacturerId, int modelId, int newManufacturerId, int newModelId,
                      Interaction& interaction) {
  std::string path = InstallPath("CtrlLink.so");
  void* handle = path[0] == '/' ? ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (!handle) {
    interaction.ShowMessage(kP002Text, "", MessageIcon::Exclamation);
    return false;
  }
  auto convertible = reinterpret_cast<LumoraIsConvertiblePlcFn>(::dlsym(handle, "IsConvertiblePLC"));
  bool result = convertible &&
                convertible(static_cast<uint8_t>(manufacturerId), static_cast<uint8_t>(modelId),
                            static_cast<uint8_t>(newManufacturerId), static_cast<uint8_t>(newModelId)) != 0;
  ::dlclose(handle);
  return result;
}

}  // namespace lumora
