#include "model/tag_map_file.h"

#include <algorithm>
#include <cstdio>

#include "model/file_io.h"
#include "model/interaction.h"
#include "model/tag.h"
#include "model/text_lines.h"
#include "model/translation.h"

namespace lumora {

TagMapFit FitOfTag(const TagMapTable& table, const TQMTag& tag) {
  if (!tag.tagName.empty()) {
    auto entry = table.entries.find(tag.tagName);
    if (entry == table.entries.end()) return TagMapFit::UnknownName;
    if (tag.address.empty()) return TagMapFit::NoAddress;
    return tag.address == entry->second ? TagMapFit::Fits : TagMapFit::WrongAddress;
  }
  if (tag.address.empty()) return TagMapFit::Fits;
  bool known = std::any_of(table.entries.begin(), table.entries.end(),
                           [&tag](const auto& entry) { return entry.second == tag.address; });
  return known ? TagMapFit::NoName : TagMapFit::UnknownAddress;
}

int TagMapEntryKind(std::string_view line) {
  if (std::count(line.begin(), line.end(), ',') < 3) return 0;
  size_t first = line.find(',');
  size_t second = line.find(',', first + 1);
  int kind = 0;
  for (size_t i = second + 1; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    kind = kind * 10 + (line[i] - '0');
    if (kind > 1000000) break;
  }
  return kind;
}

void ParseTagMap(std::string_view text, const std::string& path, TagMapTable& textPanelTable,
                 TagMapTable& setPointTable) {
  LineReader reader(text);
  TagMapTable table;
  table.path = path;
  table.header1 = reader.Line();
  table.header2 = reader.Line();
  while (!reader.AtEnd()) {
    std::string line = reader.Line();
    int kind = TagMapEntryKind(line);
    if (kind != 5 && kind != 7) continue;
    size_t comma = line.find(',');
    table.entries.insert_or_assign(line.substr(0, comma), line.substr(comma + 1));
  }
  textPanelTable = table;
  setPointTable = std::move(table);
}

bool ReadTagMap(const std::string& path, TagMapTable& textPanelTable, TagMapTable& setPointTable,
                std::string* reason) {
  std::string text;
  if (!ReadWholeFile(path, text, reason)) return false;
  auto fail = [reason](std::string why) {
    if (reason) *reason = std::move(why);
    return false;
  };
  if (text.find('\0') != std::string::npos)
    return fail(translate("Core", "not a text file (it holds NUL bytes)"));
  TagMapTable textPanels;
  TagMapTable setPoints;
  ParseTagMap(text, path, textPanels, setPoints);
  if (textPanels.entries.empty()) return fail(translate("Core", "no tag entries in it"));
  textPanelTable = std::move(textPanels);
  setPointTable = std::move(setPoints);
  return true;
}

bool ReadTagMapFile(const std::string& path, TagMapTable& textPanelTable, TagMapTable& setPointTable,
                    Interaction& interaction) {
  std::string reason;
  if (!ReadTagMap(path, textPanelTable, setPointTable, &reason)) {
    interaction.ShowMessage(
        Arg(translate("Core", "Error T005: Unable to open map file %1"), path) + "\n" + reason, "",
        MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace lumora
