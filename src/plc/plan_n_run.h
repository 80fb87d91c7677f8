#pragma once
// Checking a project's tags against its Plan & Run tag map, and the tag-name picker's data.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/tag_map_file.h"
#include "model/translation.h"

namespace lumora {

class Interaction;
class TQMTag;

class TQMPlanNRun {
 public:
  enum Mode { kReport = 0, kApply = 1 };

  // Uses the QMSV table when the project's current panel is a QMSV, else the text-panel table.
  explicit TQMPlanNRun(TQMProject& project);
  void SetMode(Mode mode) { mode_ = mode; }
  // Checks every tag of every panel; in report mode the findings go to the log, in apply mode tags are
  // renamed to the map's names or cleared.
  void Run();
  const std::vector<std::string>& Log() const { return log_; }

 private:
  void CheckTag(TQMTag& tag, bool wordTag);

  const TagMapTable& table_;
  std::multimap<std::string, std::string> namesByAddress_;
  TQMProject& project_;
  Mode mode_ = kReport;
  std::vector<std::string> log_;
};

// The document-open step of a linked project: a report run, and when it finds anything, the question
// whether to continue; Yes applies the changes. Returns false when the user declines.
bool ConvertLinkedProjectOnOpen(TQMProject& project,
                                bool (*confirm)(const std::vector<std::string>& log,
                                                const std::string& mapPath, void* context),
                                void* context);

// "Change" of the tag map: the project linked to the map at `mapPath`, its tags checked against it and,
// when the check finds anything and `confirm` accepts it, renamed or cleared as on opening. Nothing when the
// map cannot be read (the reason was shown through `ui`) or the user declines; `project` stays as it is.
std::optional<TQMProject> ProjectWithTagMap(const TQMProject& project, const std::string& mapPath, Interaction& ui,
                                            bool (*confirm)(const std::vector<std::string>& log,
                                                            const std::string& mapPath, void* context),
                                            void* context);

// "%1": the tag map's path.
inline constexpr const char* kIncompleteTagMapFormat =
    QT_TRANSLATE_NOOP("Core",
                      "There are incompatiblities existing in the tag map file\n(%1) associated with this "
                      "project.\n\nContinue?\n\n"
                      "Yes will clear all unresolved tags from the project.");

// The tag-name picker: first an empty entry, then every tag name of the table in key order.
class PlanNRunChoices {
 public:
  void Fill(const TagMapTable& table);
  const std::vector<std::string>& Items() const { return items_; }
  // Selects the entry with exactly this name; -1 and no selection when there is none.
  int SelectByText(const std::string& name);
  void Select(int index) { selected_ = index; }
  int Selected() const { return selected_; }
  // The address part for the selected name; "" for the empty entry or no selection.
  std::string CurrentValue() const;

 private:
  const TagMapTable* table_ = nullptr;
  std::vector<std::string> items_;
  int selected_ = -1;
};

}  // namespace lumora
