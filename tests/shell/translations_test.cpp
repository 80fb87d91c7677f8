#include "shell/translations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "model/translation.h"

namespace lumora {
namespace {

struct Locale {
  const char* setting;
  std::optional<const char*> language, all, messages, lang;
  const char* expected;
};

void Put(const char* name, const std::optional<const char*>& value) {
  if (value) {
    ::setenv(name, *value, 1);
  } else {
    ::unsetenv(name);
  }
}

TEST(TranslationsTest, TheLanguageFollowsTheSettingElseTheLocaleAsGettextReadsIt) {
  // The locale chooses German once it is shipped; the setting may name it while it is being translated.
  const bool germanShipped = ShippedLanguages().size() > 1;
  const char* de = germanShipped ? "de" : "en";
  const Locale cases[] = {
      {"", std::nullopt, std::nullopt, std::nullopt, std::nullopt, "en"},  // no locale at all
      {"", "de", "C", std::nullopt, "de_DE.UTF-8", "en"},                   // C wins over everything
      {"", "de", std::nullopt, std::nullopt, "C.UTF-8", "en"},
      {"", std::nullopt, std::nullopt, std::nullopt, "POSIX", "en"},
      {"", std::nullopt, std::nullopt, std::nullopt, "de_DE.UTF-8", de},
      {"", std::nullopt, std::nullopt, "de_AT.UTF-8", "en_US.UTF-8", de},  // LC_MESSAGES before LANG
      {"", std::nullopt, "en_GB.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", "en"},  // LC_ALL before both
      {"", "fr:de_CH:en", std::nullopt, std::nullopt, "fr_FR.UTF-8", de},   // the first of LANGUAGE we have
      {"", std::nullopt, std::nullopt, std::nullopt, "fr_FR.UTF-8", "en"},    // one we do not have
      {"", "pseudo", std::nullopt, std::nullopt, "de_DE.UTF-8", de},        // never from the locale
      {"en", std::nullopt, std::nullopt, std::nullopt, "de_DE.UTF-8", "en"},  // the setting overrides
      {"de", std::nullopt, "C", std::nullopt, std::nullopt, "de"},
      {"pseudo", std::nullopt, std::nullopt, std::nullopt, std::nullopt, "pseudo"},
      {"xx", std::nullopt, std::nullopt, std::nullopt, "de_DE.UTF-8", de},  // an unknown setting is none
  };
  for (const Locale& c : cases) {
    Put("LANGUAGE", c.language);
    Put("LC_ALL", c.all);
    Put("LC_MESSAGES", c.messages);
    Put("LANG", c.lang);
    EXPECT_EQ(ChosenLanguage(c.setting), c.expected)
        << c.setting << " LANGUAGE=" << c.language.value_or("-") << " LC_ALL=" << c.all.value_or("-")
        << " LC_MESSAGES=" << c.messages.value_or("-") << " LANG=" << c.lang.value_or("-");
  }
}

TEST(TranslationsTest, ArgFillsTheLowestPlaceholderEverywhereAndKeepsTheRest) {
  EXPECT_EQ(Arg("Port %1 of %2", "3"), "Port 3 of %2");
  EXPECT_EQ(Arg(Arg("%2 before %1", "one"), "two"), "two before one");
  EXPECT_EQ(Arg("%1 and %1 again", 7), "7 and 7 again");
  EXPECT_EQ(Arg("%10 is not %1", "x"), "%10 is not x");
  EXPECT_EQ(Arg("100% sure", "x"), "100% sure");
  EXPECT_EQ(Arg("no placeholder", "x"), "no placeholder");
  EXPECT_EQ(Arg("%1", "%2"), "%2");  // a value is never read again
  EXPECT_EQ(translate("Core", "Error C003: untranslated"), "Error C003: untranslated");
}

}  // namespace
}  // namespace lumora
