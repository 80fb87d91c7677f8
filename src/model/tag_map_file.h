#pragma once
// Plan & Run tag map tables and the map file reader.

#include <map>
#include <string>
#include <string_view>

namespace lumora {

class Interaction;
class TQMTag;

// One table of a linked tag map: tag name -> address part (everything after the first comma).
struct TagMapTable {
  std::string header1;
  std::string header2;
  std::string path;
  std::map<std::string, std::string> entries;

  bool operator==(const TagMapTable&) const = default;
};

// How a tag of a linked project stands to its map. The editors' tag pickers make exactly the tags that fit:
// none at all (no name, no address), or a name of the table with that name's address part.
enum class TagMapFit {
  Fits,
  UnknownName,     // a name the table does not have
  NoAddress,       // a name of the table without an address
  WrongAddress,    // a name of the table on another address than the table's
  UnknownAddress,  // an address without a name, and no entry has it
  NoName,          // an address without a name that an entry has
};
TagMapFit FitOfTag(const TagMapTable& table, const TQMTag& tag);

// The entry kind of a map line: the number right after its second comma; 0 when the line has fewer than
// four comma-separated fields.
int TagMapEntryKind(std::string_view line);

// Reads a map file into both tables (entries of kind 5 and 7). A file that cannot be read, is not text
// (it holds NUL bytes) or holds no entry is no map: false with the reason, and the tables are untouched.
bool ReadTagMap(const std::string& path, TagMapTable& textPanelTable, TagMapTable& setPointTable,
                std::string* reason);

// `ReadTagMap`, showing "Error T005" with the reason on a line of its own when it fails.
bool ReadTagMapFile(const std::string& path, TagMapTable& textPanelTable, TagMapTable& setPointTable,
                    Interaction& interaction);
// The same from text already in memory.
void ParseTagMap(std::string_view text, const std::string& path, TagMapTable& textPanelTable,
                 TagMapTable& setPointTable);

}  // namespace lumora
