#pragma once
// Moving one panel's configuration between projects: the import of a panel out of another project file
// in place of the panel being edited. (The export is `ExportSelectedPanel`, project_file.h.)

#include <array>
#include <string>
#include <vector>

#include "model/editing_rules.h"

#include "model/project_edit.h"
#include "model/translation.h"

namespace lumora {

class TQMProject;

inline constexpr const char* kNotConfiguredPortText = QT_TRANSLATE_NOOP("Core", "Not Configured");
inline constexpr const char* kClearPanelQuestion =
    QT_TRANSLATE_NOOP("Core", "This command will clear the panel(s). Do you want to continue?");

// The texts beside the five ports of "Import From Multipanel Project": a panel's model text, or
// "Not Configured".
std::array<std::string, 5> ImportPortTexts(const TQMProject& loaded);
// The first port (1..5) that holds a panel in `loaded`, 0 when none: the choice the dialog opens with,
// so OK never names an empty port.
int FirstConfiguredPort(const TQMProject& loaded);

enum class ImportOutcome {
  Imported,       // the panel took the source's content and type
  Unchanged,      // a single-panel source equal to the panel being edited
  Declined,       // No to the clearing question
  NoPanelOnPort,  // a multi-panel source without a panel on the chosen port
  Refused,        // the source panel breaks the rules every project keeps; nothing changed
};

// Puts the panel of `loaded` (its one panel, or the one on `sourcePort` of a multi-panel project) in place
// of `current`'s selected panel. Asks the clearing question through `current`'s interaction when the
// selected port has a panel. The PLC settings of `loaded` are not taken over; the caller validates the
// addresses against `current`'s PLC. A source panel that breaks the rules of `ValidatePanel` is refused
// before anything is asked or changed, with its problems in `problems`.
ProjectEdit<ImportOutcome> ImportPanel(const TQMProject& current, const TQMProject& loaded, int sourcePort,
                                       std::vector<ProjectProblem>* problems = nullptr);

// What a refused import shows: the file, then one line per problem.
std::string ImportRefusedText(const std::string& path, const std::vector<ProjectProblem>& problems);

}  // namespace lumora
