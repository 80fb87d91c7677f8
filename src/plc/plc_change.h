#pragma once
// Changing a project's PLC: addresses of a compatible PLC are converted (one log row each), otherwise
// every address is cleared; the PLC settings become the new library's.

#include <functional>
#include <string>
#include <vector>

#include "model/plc_environment.h"

namespace lumora {

class Interaction;
class TQMPlcManager;
class TQMProject;
struct TQMPlcSettings;

inline constexpr const char* kCompatiblePlcFormat =
    "%s is compatible with\n%s.\nChanging the PLC will convert all the compatible addresses.\n\nChange?";
inline constexpr const char* kPlcChangeCaption = "Warning";
// The manufacturer id of the Plan & Run control software, whose projects name addresses by tags.
inline constexpr int kPlanNRunManufacturerId = 34;

enum class PlcChangeOutcome {
  Changed,
  SamePlc,         // the project already uses this library: nothing done
  LibraryMissing,  // P003 shown
  Declined,        // No to a question, or the attribute editor cancelled
  NoTagMap,        // Plan & Run without a tag map chosen
  TagMapFailed,    // the chosen map could not be read (T005 shown)
  AttributesFailed,  // the new library's default attributes could not be had (P010 says why)
};

struct PlcChangeOptions {
  // A project nobody has changed yet changes its PLC without questions.
  bool fresh = false;
  // The new library's attribute editor on the new settings; false when cancelled. Unset: accepted as is.
  std::function<bool(TQMPlcManager& newPlc, TQMPlcSettings& settings)> editAttributes;
};

struct PlcChangeResult {
  PlcChangeOutcome outcome = PlcChangeOutcome::Declined;
  bool compatible = false;
  // "old\tnew\tremark\t" per converted address (compatible PLCs only).
  std::vector<std::string> rows;
};

// Changes the project's PLC to the catalogue entry. On anything but Changed the project is untouched.
PlcChangeResult ChangeProjectPlc(TQMProject& project, const PlcCatalogueEntry& entry,
                                 Interaction& interaction, const PlcChangeOptions& options = {});

}  // namespace lumora
