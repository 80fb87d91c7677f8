#pragma once
// Opening and saving project files as the document does it.

#include <string>

#include "model/translation.h"

namespace lumora {

class TQMProject;

inline constexpr const char* kInvalidFileText =
    QT_TRANSLATE_NOOP("Core", "Error Z002: You are trying to read from an invalid file");
inline constexpr const char* kProjectFileFilter =
    QT_TRANSLATE_NOOP("Core", "Lumora Files (*.lmx)|*.lmx|All Files (*.*)|*.*||");

// Reads the file and loads it into `project`. On failure shows Z002 (caption "Error", error icon) through
// the project's interaction and returns false.
bool OpenProjectFile(TQMProject& project, const std::string& path);

// The project as a file in the current format holds it: what "the same project" means.
std::string ProjectFileText(const TQMProject& project);

// Writes the project in the current format, replacing the file atomically. Sets `fileName`.
bool SaveProjectFile(TQMProject& project, const std::string& path, std::string* error = nullptr);

// The single-panel export of the multiplexer's selected panel, run on a copy of the project.
bool ExportSelectedPanel(const TQMProject& project, const std::string& path, std::string* error = nullptr);

}  // namespace lumora
