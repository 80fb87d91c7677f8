#pragma once
// The language the program and the command-line tool speak, and the loading of its translation.

#include <string>
#include <vector>

class QCoreApplication;

namespace lumora {

struct ShippedLanguage {
  const char* code;  // "en", "de"
  const char* name;  // in its own language: "English", "Deutsch"
};
// The languages a user may choose: English, and each translation once it is finished. The ones built for
// checking (an unfinished translation, the pseudo-translation "pseudo") are not among them.
const std::vector<ShippedLanguage>& ShippedLanguages();

// The language to speak: `setting` when it names one that is built ("en", "de", "pseudo"), else the
// locale's as gettext reads it: LC_ALL, else LC_MESSAGES, else LANG names the locale; a C or POSIX locale,
// or none, is English, and otherwise the first language of LANGUAGE that is shipped, else the locale's own
// language if shipped. English when none of them is.
std::string ChosenLanguage(const std::string& setting);

// How the core's translated texts come out: Latin-1, as windows take every core text, or UTF-8, as a
// terminal reads them beside the file names they hold.
enum class CoreTextEncoding { Latin1, Utf8 };

// Loads the translation of `language` ("lumora_de.qm" from the install tree's translations folder, and
// Qt's own for its standard buttons) into the application and gives the core its translator. English
// loads nothing. Returns the language in use: "en" when the translation file is missing.
std::string InstallTranslations(QCoreApplication& app, const std::string& language,
                                CoreTextEncoding encoding = CoreTextEncoding::Latin1);

// Gives the core a translator of its own for `language`, before any application object exists (the
// command-line tool's usage errors come before its application starts). False, and English, when the
// translation file is missing or `language` is "en".
bool InstallCoreTranslation(const std::string& language, CoreTextEncoding encoding);

}  // namespace lumora
