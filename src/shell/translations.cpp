#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>

#include "model/translation.h"
#include "plc/install_dir.h"

namespace lumora {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// "de_DE.UTF-8@euro" -> "de".
std::string LanguageOf(const std::string& locale) {
  size_t end = locale.find_first_of("_.@");
  return locale.substr(0, end);
}

bool Shipped(const std::string& code) {
  for (const ShippedLanguage& language : ShippedLanguages()) {
    if (code == language.code) return true;
  }
  return false;
}

// What the setting may name: a shipped language, and the ones built for checking (a translation not
// finished yet, the pseudo-translation).
bool Built(const std::string& code) {
  return Shipped(code) || code == "de" || code == "pseudo";
}

std::string CoreTranslation(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toLatin1().toStdString();
}

std::string CoreTranslationUtf8(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

// The translator for the time before an application object exists.
QTranslator* gEarly = nullptr;

QString EarlyText(const char* context, const char* text) {
  QString translated = gEarly->translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}
std::string EarlyTranslation(const char* context, const char* text) {
  return EarlyText(context, text).toLatin1().toStdString();
}
std::string EarlyTranslationUtf8(const char* context, const char* text) {
  return EarlyText(context, text).toStdString();
}

bool LoadOwnTranslation(QTranslator& translator, const std::string& language) {
  QString folder = QString::fromStdString(InstallDir()) + "/translations";
  return translator.load(QString("lumora_%1").arg(QString::fromStdString(language)), folder);
}

}  // namespace

const std::vector<ShippedLanguage>& ShippedLanguages() {
#if LUMORA_SHIP_GERMAN
  static const std::vector<ShippedLanguage> languages = {{"en", "English"}, {"de", "Deutsch"}};
#else
  static const std::vector<ShippedLanguage> languages = {{"en", "English"}};
#endif
  return languages;
}

std::string ChosenLanguage(const std::string& setting) {
  if (Built(setting)) return setting;
  std::string locale = Environment("LC_ALL");
  if (locale.empty()) locale = Environment("LC_MESSAGES");
  if (locale.empty()) locale = Environment("LANG");
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) return "en";
  std::string list = Environment("LANGUAGE");
  for (size_t start = 0; start < list.size();) {
    size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    std::string code = LanguageOf(list.substr(start, end - start));
    if (Shipped(code)) return code;
    start = end + 1;
  }
  std::string code = LanguageOf(locale);
  return Shipped(code) ? code : "en";
}

std::string InstallTranslations(QCoreApplication& app, const std::string& language, CoreTextEncoding encoding) {
  if (language == "en") return language;
  auto* own = new QTranslator(&app);
  if (!LoadOwnTranslation(*own, language)) {
    delete own;
    return "en";
  }
  app.installTranslator(own);
  auto* qt = new QTranslator(&app);
  if (qt->load(QString("qtbase_%1").arg(QString::fromStdString(language)),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qt);
  } else {
    delete qt;
  }
  SetTranslator(encoding == CoreTextEncoding::Utf8 ? CoreTranslationUtf8 : CoreTranslation);
  return language;
}

bool InstallCoreTranslation(const std::string& language, CoreTextEncoding encoding) {
  if (language == "en") return false;
  static QTranslator early;  // lives as long as the process: the core may ask it at any time
  if (!LoadOwnTranslation(early, language)) return false;
  gEarly = &early;
  SetTranslator(encoding == CoreTextEncoding::Utf8 ? EarlyTranslationUtf8 : EarlyTranslation);
  return true;
}

}  // namespace lumora
