#pragma once
// A whole number as a field or a table cell holds it: blanks around it and a leading '+' allowed, nothing
// else.

#include <charconv>
#include <optional>
#include <string_view>

namespace lumora {

template <typename T>
std::optional<T> ParseWholeNumber(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  size_t last = text.find_last_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  if (text[first] == '+') ++first;
  if (first > last) return std::nullopt;
  T value{};
  const char* end = text.data() + last + 1;
  auto [stop, error] = std::from_chars(text.data() + first, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace lumora
