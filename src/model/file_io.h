#pragma once
// Whole-file reading and the atomic file replacement every save goes through.

#include <string>

namespace lumora {

bool ReadWholeFile(const std::string& path, std::string& contents, std::string* error = nullptr);

// Writes `contents` to a temporary file beside `path`, flushes and syncs it, then renames it over `path`.
// The previous file stays untouched when anything fails. `error` receives the system's reason.
bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* error = nullptr);

// The part of a path after its last separator ("/" or, for paths written on Windows, "\").
std::string FileNamePart(const std::string& path);
std::string FolderPart(const std::string& path);

}  // namespace lumora
