// The user's manual against the program: every coded error text of the program is on the troubleshooting
// page, every link and picture of the manual leads somewhere, every page is in the contents.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace fs = std::filesystem;
using lumora::testing::TempDir;

namespace {

const std::string kSourceDir = LUMORA_SOURCE_DIR;
const std::string kManualDir = std::string(LUMORA_STAGE_DIR_DEFAULT) + "/help";

// The string literals of a C++ file, adjacent ones joined, escapes resolved; comments and character literals
// are skipped.
std::vector<std::string> StringLiterals(const std::string& code) {
  std::vector<std::string> literals;
  bool joinNext = false;
  size_t i = 0;
  auto unescape = [](char c) {
    switch (c) {
      case 'n': return '\n';
      case 't': return '\t';
      default: return c;
    }
  };
  while (i < code.size()) {
    char c = code[i];
    if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
      continue;
    }
    if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
      i = code.find("*/", i + 2);
      if (i == std::string::npos) break;
      i += 2;
      continue;
    }
    if (c == '\'') {
      for (++i; i < code.size() && code[i] != '\''; ++i)
        if (code[i] == '\\') ++i;
      ++i;
      joinNext = false;
      continue;
    }
    if (c == '"') {
      std::string text;
      for (++i; i < code.size() && code[i] != '"'; ++i) {
        if (code[i] == '\\' && i + 1 < code.size()) {
          text += unescape(code[++i]);
        } else {
          text += code[i];
        }
      }
      ++i;
      if (joinNext && !literals.empty()) {
        literals.back() += text;
      } else {
        literals.push_back(text);
      }
      joinNext = true;
      continue;
    }
    if (!std::isspace(static_cast<unsigned char>(c))) joinNext = false;
    ++i;
  }
  return literals;
}

std::string Collapse(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ')
    out.pop_back();
  return out;
}

// What a reader sees of a page: tags dropped (a line break is a blank), entities resolved, blanks collapsed.
std::string VisibleText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<br\\s*/?>"), " ");
  text = std::regex_replace(text, std::regex("<[^>]*>"), "");
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities)
    text = std::regex_replace(text, std::regex(entity), character);
  return Collapse(text);
}

// Every coded message text of the program ("Error C003: ..."), by code.
std::map<std::string, std::set<std::string>> ProgramErrorTexts() {
  std::map<std::string, std::set<std::string>> texts;
  const std::regex coded("^\"?Error ([CMPTZ][0-9]{3})");
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir + "/src")) {
    std::string extension = entry.path().extension().string();
    if (extension != ".h" && extension != ".cpp" && extension != ".c") continue;
    for (const std::string& literal : StringLiterals(TempDir::Read(entry.path().string()))) {
      std::smatch match;
      if (std::regex_search(literal, match, coded)) texts[match[1]].insert(literal);
    }
  }
  return texts;
}

// The pieces of a message text that a page must show word for word: each line, cut at the values the program
// fills in (%s, %d, %1).
std::vector<std::string> FixedPieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::string cut = std::regex_replace(text, std::regex("%[-0-9.]*[sdiuxc]|%[0-9]|\n"), "\x01");
  size_t start = 0;
  while (start <= cut.size()) {
    size_t end = cut.find('\x01', start);
    if (end == std::string::npos) end = cut.size();
    std::string piece = Collapse(cut.substr(start, end - start));
    if (!piece.empty()) pieces.push_back(piece);
    start = end + 1;
  }
  return pieces;
}

std::vector<std::string> Pages() {
  std::vector<std::string> pages;
  for (const auto& entry : fs::directory_iterator(kManualDir))
    if (entry.path().extension() == ".html") pages.push_back(entry.path().filename().string());
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::string Page(const std::string& name) {
  return TempDir::Read(kManualDir + "/" + name);
}

TEST(ManualTest, TroubleshootingShowsEveryErrorTextOfTheProgram) {
  std::map<std::string, std::set<std::string>> texts = ProgramErrorTexts();
  // The scan found the program's tables: the reply codes, the link, the model, the PLC layer.
  ASSERT_GE(texts.size(), 45u);
  ASSERT_TRUE(texts.count("C009") && texts.count("M001") && texts.count("P007") && texts.count("T004") &&
              texts.count("Z006"));
  std::string html = Page("troubleshooting.html");
  std::string page = VisibleText(html);
  for (const auto& [code, variants] : texts) {
    EXPECT_NE(html.find("id=\"" + code + "\""), std::string::npos) << code << " has no entry to link to";
    for (const std::string& text : variants)
      for (const std::string& piece : FixedPieces(text))
        EXPECT_NE(page.find(piece), std::string::npos) << code << ": the page lacks \"" << piece << "\"";
  }
}

TEST(ManualTest, TroubleshootingNamesNoCodeThatTheProgramLacks) {
  std::map<std::string, std::set<std::string>> texts = ProgramErrorTexts();
  std::string page = VisibleText(Page("troubleshooting.html"));
  const std::regex coded("Error ([CMPTZ][0-9]{3})");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), coded); it != std::sregex_iterator(); ++it)
    EXPECT_TRUE(texts.count((*it)[1])) << (*it)[1] << " is on the page but not in the program";
}

TEST(ManualTest, EveryLinkLeadsToAPageAndPlaceThatExist) {
  const std::regex link("href=\"([^\"#:]*)(#([^\"]*))?\"");
  for (const std::string& name : Pages()) {
    std::string html = Page(name);
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator(); ++it) {
      std::string target = (*it)[1].str().empty() ? name : (*it)[1].str();
      ASSERT_TRUE(fs::exists(kManualDir + "/" + target)) << name << " links to " << target;
      if ((*it)[3].matched) {
        EXPECT_NE(Page(target).find("id=\"" + (*it)[3].str() + "\""), std::string::npos)
            << name << " links to " << target << "#" << (*it)[3];
      }
    }
  }
}

// Pictures come from the screenshot run (committed under doc/manual/images), so a page may show only a
// picture that run takes, and the staged manual has each of them.
TEST(ManualTest, EveryPictureIsOneThatTheScreenshotRunTakes) {
  std::string screenshots = TempDir::Read(kSourceDir + "/tests/app/gui_screenshots.cpp");
  const std::regex picture("src=\"images/([^\"]+)\"");
  int pictures = 0;
  for (const std::string& name : Pages()) {
    std::string html = Page(name);
    for (auto it = std::sregex_iterator(html.begin(), html.end(), picture); it != std::sregex_iterator(); ++it) {
      ++pictures;
      EXPECT_NE(screenshots.find("\"/" + (*it)[1].str() + "\""), std::string::npos)
          << name << " shows " << (*it)[1] << ", which no screenshot produces";
      // Every build stages the committed pictures: a manual without them reads as broken.
      EXPECT_TRUE(fs::is_regular_file(kManualDir + "/images/" + (*it)[1].str()))
          << name << " shows " << (*it)[1] << ", which the staged manual lacks";
    }
  }
  EXPECT_GT(pictures, 10);
}

// Both in the contents page and in the help window's table of contents.
TEST(ManualTest, EveryPageIsInTheContents) {
  std::string contents = Page("index.html");
  std::string project = Page("lumora.qhp");
  for (const std::string& name : Pages()) {
    if (name != "index.html") {
      EXPECT_NE(contents.find("href=\"" + name + "\""), std::string::npos) << name;
    }
    EXPECT_NE(project.find("<section title=\""), std::string::npos);
    EXPECT_NE(project.find("ref=\"" + name + "\""), std::string::npos) << name << " is not in lumora.qhp";
  }
}

}  // namespace
