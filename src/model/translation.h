#pragma once
// The one hook through which the core's own texts (error messages, questions, progress steps, rule
// problems) reach the user's language. The desktop program and the command-line tool install a translator
// at start; without one, and for every text it does not know, the English text stands. What belongs to
// the user (message texts, tag names, addresses, file names) is never passed through it.
//
// Texts are marked for the translation tools where they are written:
//   translate("Core", "Error C003: ...")                    a text used where it stands
//   QT_TRANSLATE_NOOP("Core", "...")                       a constant, translated where it is shown
// and their variable parts are "%1", "%2", ... filled in by Arg, so that a translation may reorder them.

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace lumora {

// Gets the translation of `text` (English, Latin-1) in `context`; returns it Latin-1 as every core text is.
using Translator = std::string (*)(const char* context, const char* text);

// Installs the translator (null: English again).
void SetTranslator(Translator translator);

// The text in the user's language. Lower case, as the translation tools look for it by this name.
std::string translate(const char* context, const char* text);

// `text` with its lowest-numbered "%N" replaced by `value` (every occurrence of that number), as QString::arg
// does; "%%" is not special. Used for the variable parts of translated texts.
std::string Arg(std::string text, std::string_view value);
std::string Arg(std::string text, long long value);

// `text` with each "%N" (1..9) replaced by the Nth of `values`, all in one pass, so that a value holding
// "%2" (a file's or a PLC's name) stays as it is.
inline std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t index = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : values.size();
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
        index < values.size()) {
      result += *(values.begin() + index);
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace lumora
