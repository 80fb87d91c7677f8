#pragma once
// Changing a project's PLC: addresses of a compatible PLC are converted (one log row each), otherwise
// every address is cleared; the PLC settings become the new library's.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/plc_environment.h"
#include "model/project.h"
#include "model/translation.h"

namespace lumora {

class Interaction;
class TQMPlcManager;

inline constexpr const char* kCompatiblePlcFormat = QT_TRANSLATE_NOOP(
    "Core",
    "%1 is compatible with\n%2.\nChanging the PLC will convert all the compatible addresses.\n\nChange?");
inline constexpr const char* kPlcChangeCaption = QT_TRANSLATE_NOOP("Core", "Warning");
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
  std::optional<TQMProject> project;  // the project with the new PLC, when Changed
};

// The project with its PLC changed to the catalogue entry, in `project` of the result when Changed; the
// project handed in stays as it is.
PlcChangeResult ChangeProjectPlc(const TQMProject& project, const PlcCatalogueEntry& entry,
                                 Interaction& interaction, const PlcChangeOptions& options = {});

}  // namespace lumora
