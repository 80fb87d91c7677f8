#include "plc/plc_manager.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "model/codes.h"
#include "model/file_io.h"
#include "model/interaction.h"
#include "model/project.h"
#include "plc/install_dir.h"
#include "plc/plc_catalogue.h"
#include "plc/plc_library.h"
#include "plc/plc_probe.h"

namespace lumora {
namespace {

// The attribute exchange file: temp.atr in a private folder of its own, so that copies of the program
// running side by side never share it; the folder and the file go when the exchange is over.
class AttributeExchangeFile {
 public:
  AttributeExchangeFile() {
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    const char* variable = std::getenv("TMPDIR");
    std::string where = error ? std::string(variable ? variable : "") : temp.string();
    if (error) {
      error_ = FillPlaceholders(
          translate("Core",
                    "No folder for the attribute exchange file can be made in the temporary folder %1: %2."),
          {where, error.message()});
      return;
    }
    std::string pattern = (temp / "lumora-atr-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      error_ = FillPlaceholders(
          translate("Core",
                    "No folder for the attribute exchange file can be made in the temporary folder %1: %2."),
          {where, std::strerror(errno)});
      return;
    }
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

  // "" when no private folder could be made; Error() then says why.
  const std::string& Path() const { return path_; }
  const std::string& Error() const { return error_; }

 private:
  std::string dir_;
  std::string path_;
  std::string error_;
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

bool WriteAttributeFile(const std::string& path, const std::vector<uint8_t>& block, std::string* error) {
  return WriteFileAtomically(path, std::string(block.begin(), block.end()), error);
}

bool ReadAttributeFile(const std::string& path, std::vector<uint8_t>& block, std::string* error) {
  std::string contents;
  std::string reason;
  if (!ReadWholeFile(path, contents, &reason)) {
    if (error)
      *error = FillPlaceholders(translate("Core", "The attribute exchange file %1 cannot be read: %2."),
                                {path, reason});
    return false;
  }
  // A disk that filled up while the library wrote leaves a file that ends early, and the library may not
  // notice: the block's own count says how long it must be.
  constexpr size_t kHeader = LUMORA_PLC_ATTRIBUTE_HEADER_SIZE;
  const std::string size = std::to_string(contents.size());
  std::string fault;
  if (contents.empty()) {
    fault = FillPlaceholders(
        translate("Core", "The attribute exchange file %1 is empty (is the temporary folder full?)."),
        {path});
  } else if (contents.size() < kHeader + 2) {
    fault = FillPlaceholders(translate("Core",
                                       "The attribute exchange file %1 holds %2 bytes, fewer than the %3 of "
                                       "the smallest block (is the temporary folder full?)."),
                             {path, size, std::to_string(kHeader + 2)});
  } else {
    size_t count = static_cast<uint8_t>(contents[kHeader]) | (static_cast<uint8_t>(contents[kHeader + 1]) << 8);
    if (count < 2) {
      fault = FillPlaceholders(translate("Core",
                                         "The attribute exchange file %1 holds %2 bytes with a count of %3 "
                                         "after its header, which cannot be."),
                               {path, size, std::to_string(count)});
    } else if (contents.size() < kHeader + count) {
      fault = FillPlaceholders(translate("Core",
                                         "The attribute exchange file %1 holds %2 bytes of the %3 of its "
                                         "block (is the temporary folder full?)."),
                               {path, size, std::to_string(kHeader + count)});
    }
  }
  if (!fault.empty()) {
    if (error) *error = fault;
    return false;
  }
  block.assign(contents.begin(), contents.end());
  return true;
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
    ui_.ShowMessage(translate("Core", kP001Text), "", MessageIcon::Exclamation);
    return false;
  }
  if (!library_->validate(&record, text.c_str(), requestedAccess, ValueTypeWireCode(valueType), 0, 0)) {
    record.reason[sizeof record.reason - 1] = '\0';
    if (record.reason[0] != '\0') ui_.ShowMessage(record.reason, "", MessageIcon::Error);
    return false;
  }
  if (record.discrete == 1) {
    ui_.ShowMessage(translate("Core", kZ007Text), "", MessageIcon::Error);
    return false;
  }
  if (!AccessAllowed(requestedAccess, record.accessKind)) {
    ui_.ShowMessage(translate("Core", kT002Text), "", MessageIcon::Error);
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

void TQMPlcManager::ReportAttributeFault(const std::string& reason) {
  std::string name = PlcName();
  ui_.ShowMessage(FillPlaceholders(translate("Core", kP010Format), {name, reason}), "", MessageIcon::Error);
}

DefaultAttributes TQMPlcManager::CreateDefaultAttributes(TQMPlcSettings& settings) {
  if (!library_ || !library_->createAttributes) return DefaultAttributes::Unsupported;
  AttributeExchangeFile file;
  if (file.Path().empty()) {
    ReportAttributeFault(file.Error());
    return DefaultAttributes::Failed;
  }
  if (library_->createAttributes(file.Path().c_str()) == 0) {
    ReportAttributeFault(FillPlaceholders(
        translate("Core", "The library did not write its default attributes to %1."), {file.Path()}));
    return DefaultAttributes::Failed;
  }
  std::vector<uint8_t> block;
  std::string error;
  if (!ReadAttributeFile(file.Path(), block, &error)) {
    ReportAttributeFault(error);
    return DefaultAttributes::Failed;
  }
  settings.plcAttributes = std::move(block);
  return DefaultAttributes::Created;
}

AttributeEdit TQMPlcManager::EditAttributes(TQMPlcSettings& settings) {
  if (!library_ || !library_->launchObject) return AttributeEdit::Failed;
  AttributeExchangeFile file;
  std::string error;
  if (file.Path().empty()) {
    ReportAttributeFault(file.Error());
    return AttributeEdit::Failed;
  }
  if (!WriteAttributeFile(file.Path(), settings.plcAttributes, &error)) {
    ReportAttributeFault(FillPlaceholders(
        translate("Core", "The attribute exchange file %1 cannot be written: %2."), {file.Path(), error}));
    return AttributeEdit::Failed;
  }
  if (library_->launchObject(file.Path().c_str()) == 0) return AttributeEdit::Failed;  // cancelled
  std::string contents;
  // The block as it was comes back as it was, whatever its length; a changed one must be whole.
  if (ReadWholeFile(file.Path(), contents) &&
      std::equal(contents.begin(), contents.end(), settings.plcAttributes.begin(), settings.plcAttributes.end()))
    return AttributeEdit::Unchanged;
  std::vector<uint8_t> block;
  if (!ReadAttributeFile(file.Path(), block, &error)) {
    ReportAttributeFault(error);
    return AttributeEdit::Failed;
  }
  settings.plcAttributes = std::move(block);
  return AttributeEdit::Changed;
}

int TQMPlcManager::Compare(const std::string& first, const std::string& second) {
  if (!library_ || !library_->compare) {
    ui_.ShowMessage(translate("Core", kP008Text), "", MessageIcon::Exclamation);
    return 0;
  }
  return library_->compare(first.c_str(), second.c_str());
}

void TQMPlcManager::SetApplicationType(int applicationType) {
  if (!library_ || !library_->setApplicationType) {
    ui_.ShowMessage(translate("Core", kP009Text), "", MessageIcon::Exclamation);
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
  // The answers of the libraries' probes (plc_probe.h): none is loaded here for the search.
  for (const PlcLibraryProbe& library : ProbePlcLibraries(LibraryFiles())) {
    if (!ReportProbe(library, interaction)) continue;
    if (library.manufacturerId == manufacturerId && library.modelId == modelId)
      return {library.detailsName, library.path};
  }
  return {};
}

bool IsConvertiblePlc(int manufacturerId, int modelId, int newManufacturerId, int newModelId,
                      Interaction& interaction) {
  std::string path = InstallPath("CtrlLink.so");
  void* handle = path[0] == '/' ? ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL) : nullptr;
  if (!handle) {
    interaction.ShowMessage(translate("Core", kP002Text), "", MessageIcon::Exclamation);
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
