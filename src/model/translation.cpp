#include "model/translation.h"

#include <atomic>

namespace lumora {
namespace {

std::atomic<Translator> gTranslator{nullptr};

}  // namespace

void SetTranslator(Translator translator) {
  gTranslator.store(translator);
}

std::string translate(const char* context, const char* text) {
  Translator translator = gTranslator.load();
  return translator ? translator(context, text) : std::string(text);
}

std::string Arg(std::string text, std::string_view value) {
  // The lowest "%N" (N 1..99) in the text.
  int lowest = 100;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%' || text[i + 1] < '1' || text[i + 1] > '9') continue;
    int number = text[i + 1] - '0';
    if (i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9') number = number * 10 + (text[i + 2] - '0');
    if (number < lowest) lowest = number;
  }
  if (lowest == 100) return text;
  std::string marker = "%" + std::to_string(lowest);
  std::string result;
  for (size_t i = 0; i < text.size();) {
    bool digitFollows = i + marker.size() < text.size() && text[i + marker.size()] >= '0' &&
                        text[i + marker.size()] <= '9' && lowest < 10;
    if (text.compare(i, marker.size(), marker) == 0 && !digitFollows) {
      result += value;
      i += marker.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::string Arg(std::string text, long long value) {
  return Arg(std::move(text), std::to_string(value));
}

}  // namespace lumora
