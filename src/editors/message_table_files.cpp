#include "editors/message_table_files.h"

#include <vector>

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/message_csv.h"

namespace lumora::gui {
namespace {

constexpr const char* kCsvFilter = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||";
constexpr const char* kExportTitle = "Export to CSV";
constexpr const char* kImportTitle = "Import from CSV";
// More lines than a message box shows well are summed up.
constexpr size_t kProblemsShown = 25;

FilePrompt CsvPrompt(const char* title, const std::string& projectFile, bool save) {
  FilePrompt prompt;
  prompt.title = title;
  prompt.filter = kCsvFilter;
  prompt.defaultExtension = "csv";
  prompt.startFolder = projectFile.empty() ? "" : FolderPart(projectFile);
  prompt.overwritePrompt = save;
  return prompt;
}

}  // namespace

void ExportMessageTable(Interaction& ui, const TQMPanel& panel, const std::string& projectFile) {
  std::optional<std::string> path = ui.PromptSaveFile(CsvPrompt(kExportTitle, projectFile, true));
  if (!path) return;
  std::string error;
  if (!projectFile.empty() && SameFile(*path, projectFile)) {
    error = "This is the project's own file; choose another file for the table.";
  } else if (WriteFileAtomically(*path, ExportMessagesCsv(panel), &error)) {
    return;
  }
  ui.ShowMessage(*path + ": " + error, kExportTitle, MessageIcon::Error);
}

bool ImportMessageTable(Interaction& ui, TQMPanel& panel, const std::string& projectFile, AddressCheck& addresses) {
  std::optional<std::string> path = ui.PromptOpenFile(CsvPrompt(kImportTitle, projectFile, false));
  if (!path) return false;
  std::string csv;
  std::string error;
  if (!ReadWholeFile(*path, csv, &error)) {
    ui.ShowMessage(*path + ": " + error, kImportTitle, MessageIcon::Error);
    return false;
  }
  CsvProblems problems = ImportMessagesCsv(csv, panel, addresses);
  if (problems.empty()) return true;
  std::string text = "Nothing was imported from " + FileNamePart(*path) + ":\n";
  const std::vector<CsvProblem>& kept = problems.kept;
  for (size_t i = 0; i < kept.size() && i < kProblemsShown; ++i)
    text += "\nRow " + std::to_string(kept[i].row) + ", " + kept[i].column + ": " + kept[i].reason;
  if (problems.count > kProblemsShown)
    text += "\n... and " + std::to_string(problems.count - kProblemsShown) + " more";
  ui.ShowMessage(text, kImportTitle, MessageIcon::Exclamation);
  return false;
}

}  // namespace lumora::gui
