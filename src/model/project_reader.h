#pragma once
// Reading the project file format into the records. Reading asks nothing: what the caller has to show or
// offer (a load error, the backup of an old-format file) comes back in the result.

#include <string>

namespace lumora {

class LineReader;
class TQMProject;

struct ProjectReadResult {
  // 1 or 0 from the marker line; -1 when the first line is no project marker.
  int formatVersion = -1;
  bool ok = false;
  // A load error to show (caption empty means the application title); empty for a plain invalid file.
  std::string errorText;
  std::string errorCaption;
  // Why the file is invalid, in plain words, for the line under Z002.
  std::string failureReason;
};

// Reads a whole project file from the start of `file` into `project` (panels, multiplexer table, PLC
// settings looked up in the PLC catalogue, tag-map flag and path). A file that ends before the last
// value its structure requires is invalid; a missing final line break is not.
ProjectReadResult ReadProject(LineReader& file, TQMProject& project);

}  // namespace lumora
