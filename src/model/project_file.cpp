#include "model/project_file.h"

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/project.h"
#include "model/text_lines.h"
#include "model/translation.h"

namespace lumora {

bool OpenProjectFile(TQMProject& project, const std::string& path) {
  std::string contents;
  std::string reason;
  bool ok = ReadWholeFile(path, contents, &reason);
  bool backupFailed = false;
  if (ok) {
    LineReader reader(contents);
    ok = project.Load(reader, &reason, &backupFailed);
  }
  if (!ok && !backupFailed) {
    // The system's text, then which file and why on a line of its own.
    std::string text = translate("Core", kInvalidFileText);
    text += "\n" + path;
    if (!reason.empty()) text += ": " + reason;
    project.services.Ui().ShowMessage(text, translate("Core", "Error"), MessageIcon::Error);
  }
  return ok;
}

std::string ProjectFileText(const TQMProject& project) {
  LineWriter writer;
  project.Save(writer);
  return writer.Text();
}

bool SaveProjectFile(TQMProject& project, const std::string& path, std::string* error) {
  if (!WriteFileAtomically(path, ProjectFileText(project), error)) return false;
  project.fileName = FileNamePart(path);
  return true;
}

bool ExportSelectedPanel(const TQMProject& project, const std::string& path, std::string* error) {
  TQMProject copy(project);
  if (!copy.CurrentPanel()) {
    if (error) *error = translate("Core", "no panel on the selected port");
    return false;
  }
  LineWriter writer;
  copy.SaveSelectedPanel(writer);
  return WriteFileAtomically(path, writer.Text(), error);
}

}  // namespace lumora
