#include "editors/message_table_files.h"

#include <QCoreApplication>
#include <vector>

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/message_csv.h"
#include "report/latin1.h"

namespace lumora::gui {
namespace {

constexpr const char* kExportTitle = QT_TRANSLATE_NOOP("MessageTableFiles", "Export to CSV");
constexpr const char* kImportTitle = QT_TRANSLATE_NOOP("MessageTableFiles", "Import from CSV");
// More lines than a message box shows well are summed up.
constexpr size_t kProblemsShown = 25;

// A text of this file in the user's language, Latin-1 as the interaction takes it.
std::string Text(const char* text) {
  return ToLatin1(QCoreApplication::translate("MessageTableFiles", text));
}

FilePrompt CsvPrompt(const char* title, const std::string& projectFile, bool save) {
  FilePrompt prompt;
  prompt.title = Text(title);
  prompt.filter = ToLatin1(QCoreApplication::translate("MessageTableFiles", "CSV Files (*.csv)") + "|*.csv|" +
                           QCoreApplication::translate("MessageTableFiles", "All Files (*.*)") + "|*.*||");
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
    error = Text(QT_TRANSLATE_NOOP("MessageTableFiles",
                                   "This is the project's own file; choose another file for the table."));
  } else if (WriteFileAtomically(*path, ExportMessagesCsv(panel), &error)) {
    return;
  }
  ui.ShowMessage(*path + ": " + error, Text(kExportTitle), MessageIcon::Error);
}

bool ImportMessageTable(Interaction& ui, TQMPanel& panel, const std::string& projectFile, AddressCheck& addresses) {
  std::optional<std::string> path = ui.PromptOpenFile(CsvPrompt(kImportTitle, projectFile, false));
  if (!path) return false;
  std::string csv;
  std::string error;
  if (!ReadWholeFile(*path, csv, &error)) {
    ui.ShowMessage(*path + ": " + error, Text(kImportTitle), MessageIcon::Error);
    return false;
  }
  CsvProblems problems = ImportMessagesCsv(csv, panel, addresses);
  if (problems.empty()) return true;
  QString text = QCoreApplication::translate("MessageTableFiles", "Nothing was imported from %1:\n")
                     .arg(FromLatin1(FileNamePart(*path)));
  const std::vector<CsvProblem>& kept = problems.kept;
  for (size_t i = 0; i < kept.size() && i < kProblemsShown; ++i)
    text += QCoreApplication::translate("MessageTableFiles", "\nRow %1, %2: %3")
                .arg(QString::number(kept[i].row), FromLatin1(kept[i].column), FromLatin1(kept[i].reason));
  if (problems.count > kProblemsShown)
    text += QCoreApplication::translate("MessageTableFiles", "\n... and %1 more")
                .arg(problems.count - kProblemsShown);
  ui.ShowMessage(ToLatin1(text), Text(kImportTitle), MessageIcon::Exclamation);
  return false;
}

}  // namespace lumora::gui
