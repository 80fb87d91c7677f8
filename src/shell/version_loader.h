#pragma once
// Loads the version library and asks it for the application's version text.

#include <string>

#include "model/translation.h"

namespace lumora {

class Interaction;

inline constexpr const char* kVersionLoadErrorText =
    QT_TRANSLATE_NOOP("Shell", "Error in loading Version Information. ");

// Loads `<installDir>/RevLabel.so` (kept loaded for the life of the process), calls GetApplicationVersion
// and returns a copy of its text. A library that cannot be loaded shows kVersionLoadErrorText and gives "";
// a library without the export gives "" silently.
std::string LoadApplicationVersion(const std::string& installDir, Interaction& interaction);

// The process-wide version text, set once at start-up.
const std::string& ApplicationVersion();
void SetApplicationVersion(const std::string& version);

}  // namespace lumora
