#pragma once
// TQMPlcManager turns a loaded PLC library's entry points into the operations the program needs. It
// borrows the library; TQMPlcManager2 (plc_manager2.h) loads and owns it.

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lumora_plc_api.h"
#include "model/plc_environment.h"
#include "model/translation.h"

namespace lumora {


class Interaction;
class PlcLibraryModule;
class TQMTag;
struct TQMPlcSettings;

inline constexpr const char* kP001Text = QT_TRANSLATE_NOOP(
    "Core",
    "Error P001: Load dll Procedure failed\nUnable to validate PLC address\n\nPossible reason: Unable to "
    "locate "
    "correct PLC DLL.");
inline constexpr const char* kP002Text =
    QT_TRANSLATE_NOOP("Core", "Error P002: Unable to load library : CtrlLink.dll");
inline constexpr const char* kP003Format = QT_TRANSLATE_NOOP("Core", "Error P003: Unable to load %1.dll.  ");
inline constexpr const char* kP005Text = QT_TRANSLATE_NOOP("Core", "Error P005: PLC DLL load failed.");
inline constexpr const char* kP006Format = QT_TRANSLATE_NOOP(
    "Core", "Error P006: %1 is not compatible with\n%2.\n\nDo you want to change the PLC anyway?");
inline constexpr const char* kP007Format = QT_TRANSLATE_NOOP(
    "Core",
    "Error P007: PLC dll for this PLC (Manufacturer ID : %1, Model ID : %2)\nnot found in this system");
inline constexpr const char* kP008Text = QT_TRANSLATE_NOOP(
    "Core",
    "Error P008: Load dll Procedure failed\nUnable to compare PLC address\n\nPossible reason: Unable to "
    "locate "
    "correct PLC DLL.");
inline constexpr const char* kP009Text = QT_TRANSLATE_NOOP(
    "Core",
    "\"Error P009: Load dll Procedure failed\nUnable to Set Application Type\n\nPossible reason: Unable to "
    "locate correct PLC DLL.\"");
inline constexpr const char* kP010Format =
    QT_TRANSLATE_NOOP("Core", "Error P010: The PLC communication attributes of %1 cannot be used.\n%2");
inline constexpr const char* kP011Format =
    QT_TRANSLATE_NOOP("Core", "Error P011: The PLC library %1 cannot be used and is left out.\n%2");
inline constexpr const char* kZ007Text =
    QT_TRANSLATE_NOOP("Core", "Error Z007: Discrete addresses are not allowed here.");
inline constexpr const char* kT002Text = QT_TRANSLATE_NOOP("Core", "Error T002: Invalid Access Type");

enum class DriverKind { Panel, Multiplexer, PanelBehindMultiplexer };
enum class AttributeEdit { Failed, Unchanged, Changed };
// Unsupported: the library has no default attribute block to give. Failed: it has one, but the exchange file
// could not be made, or the library did not write it whole; P010 has said what failed.
enum class DefaultAttributes { Created, Unsupported, Failed };

class TQMPlcManager {
 public:
  // Borrows `module` (may be null). A named library is told application type 2.
  TQMPlcManager(const PlcModule* module, Interaction& interaction);
  virtual ~TQMPlcManager() = default;
  TQMPlcManager(const TQMPlcManager&) = delete;
  TQMPlcManager& operator=(const TQMPlcManager&) = delete;

  bool HasLibrary() const { return library_ != nullptr; }
  std::string PlcName() const;
  const PlcLibraryModule* Library() const { return library_; }

  // Validates an address text. An empty text is valid without the library. On success, unless
  // `keepText`, the text becomes the library's canonical text. Shows P001, Z007, T002 or the library's
  // reason when the address is refused.
  bool ValidateAddress(LumoraPlcAddress& record, std::string& text, int requestedAccess, int valueType,
                       bool keepText);
  // Validates a tag's address; on success stores its encoding (`addressSize` bytes) and access kind.
  bool ValidateTag(TQMTag& tag, int requestedAccess, bool keepText, int addressSize);
  std::string RebuildText(const LumoraPlcAddress& record) const;
  std::string RebuildText(const std::vector<uint8_t>& encoded) const;
  LumoraPlcDetails Details() const;
  // driver/<name>.plx, driver/<name>.plc or driver/multiplexer.plx; "" when no name can be formed.
  std::string DriverFilePath(DriverKind kind) const;
  // The library's default attribute block into the settings; on anything but Created they stay as they were.
  DefaultAttributes CreateDefaultAttributes(TQMPlcSettings& settings);
  // The library's attribute editor on the settings' block. Failed: cancelled, or (reported with P010) the
  // exchange failed or the edited block came back incomplete; the settings then stay as they were.
  AttributeEdit EditAttributes(TQMPlcSettings& settings);
  int Compare(const std::string& first, const std::string& second);
  void SetApplicationType(int applicationType);

  // Scans <Install Dir>/dll in name order and returns the first library with these ids.
  static PlcCatalogueEntry FindPlcByIds(int manufacturerId, int modelId, Interaction& interaction);
  // Library files of <Install Dir>/dll, sorted by name.
  static std::vector<std::string> LibraryFiles();

 protected:
  void ReportAttributeFault(const std::string& reason);
  const PlcLibraryModule* library_;
  Interaction& ui_;
};

// The PLC attribute exchange file: every byte of the block, header included, no framing. Reading accepts
// only a whole block (as long as its count says); `error` says what is wrong with the file otherwise.
bool WriteAttributeFile(const std::string& path, const std::vector<uint8_t>& block, std::string* error = nullptr);
bool ReadAttributeFile(const std::string& path, std::vector<uint8_t>& block, std::string* error = nullptr);

// CtrlLink.so: whether addresses of one PLC convert to another. Shows P002 when it cannot be loaded.
bool IsConvertiblePlc(int manufacturerId, int modelId, int newManufacturerId, int newModelId,
                      Interaction& interaction);

}  // namespace lumora
