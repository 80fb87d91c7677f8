#pragma once
// The Qt application object a command runs in, and the language of its texts.

#include <QCoreApplication>
#include <memory>

namespace lumora::cli {

struct Arguments;

// A Gui application for the commands that lay out PDF pages (fonts need one, never a screen: the offscreen
// platform unless the user chose another), else a core one. Numbers are printed and read as before,
// whatever the locale.
std::unique_ptr<QCoreApplication> StartQtApplication(const Arguments& arguments);

// Loads the translation of the locale's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; English under C or
// with none): once the install folder is known.
void InstallCliTranslations();

// The same for the messages of reading the command line itself, which come before the application: the
// install folder as --install-dir names it (looked for in `argv` as it stands), else as the settings do.
void InstallEarlyCliTranslation(int argc, char** argv);

}  // namespace lumora::cli
