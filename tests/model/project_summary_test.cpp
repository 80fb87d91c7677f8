#include "model/project_summary.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// A program message reaches a terminal whole in the user's language; what could disturb the terminal (a
// control byte, a project's Latin-1 byte, a broken or forged UTF-8 sequence) is written as \xNN.
TEST(PrintableMessageTextTest, KeepsWholeUtf8CharactersAndEscapesEverythingElse) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"Meldungsl\xC3\xA4nge 21", "Meldungsl\xC3\xA4nge 21"},
      {"\xE2\x82\xAC and \xF0\x9F\x98\x80", "\xE2\x82\xAC and \xF0\x9F\x98\x80"},
      {"T\xC4NK\n", "T\\xC4NK\\x0A"},        // Latin-1 from a project, a line break
      {"\xC3", "\\xC3"},                      // cut short at the end
      {"\xC3(", "\\xC3("},                    // a lead byte without its continuation
      {"\xC0\xAF", "\\xC0\\xAF"},             // overlong
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},    // a surrogate
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // beyond U+10FFFF
      {"\x1B[2J", "\\x1B[2J"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintableMessageText(c.text), c.shown) << c.shown;
}

}  // namespace
}  // namespace lumora
