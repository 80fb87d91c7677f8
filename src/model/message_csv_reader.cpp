// The message table's reader: the header, then each row read into a message and checked as the message
// editor checks it, then the menu's shape and the numbers, then the project rules over the whole panel.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>

#include "model/address_check.h"
#include "model/csv_table.h"
#include "model/editing_rules.h"
#include "model/message_csv.h"
#include "model/message_csv_columns.h"
#include "model/message_list_edit.h"
#include "model/message_text.h"
#include "model/panel.h"
#include "model/project.h"
#include "model/tag_map_file.h"
#include "model/translation.h"
#include "model/whole_number.h"

namespace lumora {
namespace {

using namespace message_csv;

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// `text` with each "%N" (1..9) replaced by the Nth of `values`, all in one pass, so that a value holding
// "%2" stays as it is.
std::string Fill(const std::string& text, std::initializer_list<std::string> values) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    size_t index = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : values.size();
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9' && index < values.size()) {
      result += *(values.begin() + index);
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::string Number(long long value) {
  return std::to_string(value);
}

std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// One table row being read into a message of the panel.
class RowReader {
 public:
  RowReader(const CsvTable::Record& record, const std::vector<size_t>& columnOf, CsvProblems& problems)
      : record_(record), problems_(problems) {
    for (size_t i = 0; i < columnOf.size(); ++i) cells_[columnOf[i]] = record.fields[i];
  }

  const std::string& Cell(Column column) const {
    static const std::string kEmpty;
    auto it = cells_.find(column);
    return it == cells_.end() ? kEmpty : it->second;
  }

  // Whether the table has the column.
  bool Has(Column column) const { return cells_.count(column) != 0; }

  void Problem(Column column, std::string reason) {
    problems_.Add(CsvProblem{record_.row, ColumnName(column), std::move(reason)});
    ok_ = false;
  }
  bool Ok() const { return ok_; }

  std::optional<bool> Flag(Column column, bool emptyMeans) {
    const std::string& cell = Cell(column);
    if (cell.empty()) return emptyMeans;
    if (SameWord(cell, "yes")) return true;
    if (SameWord(cell, "no")) return false;
    Problem(column, Fill(translate("Core", "%1 is not yes or no"), {QuotedCell(cell)}));
    return std::nullopt;
  }

  std::optional<int> ValueType(Column column) {
    const std::string& cell = Cell(column);
    for (int type = kBcd16; type <= kBinary32; ++type) {
      if (SameWord(cell, ValueTypeText(type))) return type;
    }
    Problem(column, cell.empty() ? translate("Core", "the data item needs a data type")
                                 : Fill(translate("Core",
                                                  "%1 is not BCD/Int 16, Binary/Int 16, BCD/Int 32 or "
                                                  "Binary/Int 32"),
                                        {QuotedCell(cell)}));
    return std::nullopt;
  }

  // An address or tag name becomes one line of the project file.
  void NoControlCharacters(Column column) {
    for (unsigned char c : Cell(column)) {
      if (c < 0x20 || c == 0x7F) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", c);
        Problem(column, Fill(translate("Core", "holds a control character (0x%1)"), {hex}));
        return;
      }
    }
  }

  void MustBeEmpty(std::initializer_list<Column> columns, const std::string& why) {
    for (Column column : columns) {
      if (!Cell(column).empty()) {
        Problem(column, why);
        return;
      }
    }
  }

 private:
  const CsvTable::Record& record_;
  CsvProblems& problems_;
  std::map<size_t, std::string> cells_;
  bool ok_ = true;
};

struct ReadRow {
  int row = 0;
  TQMMessage message;
};

void ReadKindAndPlace(RowReader& reader, const TQMPanel& panel, TQMMessage& message) {
  const std::string& kind = reader.Cell(kKind);
  const bool setPointPanel = panel.IsSetPointPanel();
  if (setPointPanel && SameWord(kind, "SetPoint")) {
    message.isPlcMessage = 1;
    message.hasSetPoint = true;
  } else if (SameWord(kind, "PLC")) {
    message.isPlcMessage = 1;
  } else if (!setPointPanel && SameWord(kind, "Local")) {
    message.isPlcMessage = 0;
  } else {
    reader.Problem(kKind, Fill(setPointPanel ? translate("Core", "unknown kind %1: SetPoint or PLC on a QMSV")
                                             : translate("Core", "unknown kind %1: PLC or Local"),
                               {QuotedCell(kind)}));
    return;
  }

  if (message.isPlcMessage != 0) {
    auto number = ParseWholeNumber<int>(reader.Cell(kNumber));
    if (!number || *number < 1 || *number > kMaxMessagesPerPanel)
      reader.Problem(kNumber, Fill(translate("Core", "message number %1 is not 1 to 256"),
                                   {QuotedCell(reader.Cell(kNumber))}));
    else
      message.number = *number;
    const std::string& level = reader.Cell(kLevel);
    if (!level.empty() && ParseWholeNumber<int>(level) != 0)
      reader.Problem(kLevel, translate("Core", "a PLC message has no menu level"));
    if (reader.Flag(kFolder, false).value_or(false))
      reader.Problem(kFolder, translate("Core", "only local items can be folders"));
    return;
  }
  // A local item's number is its place in the menu; the column is written for reference only.
  auto level = ParseWholeNumber<int>(reader.Cell(kLevel));
  if (!level || *level < 0 || *level > kDeepestLocalLevel) {
    reader.Problem(kLevel,
                   Fill(translate("Core", "level %1 is not 0 to 3"), {QuotedCell(reader.Cell(kLevel))}));
  } else {
    message.level = static_cast<int16_t>(*level);
  }
  std::optional<bool> folder = reader.Flag(kFolder, false);
  message.isFolder = folder.value_or(false) ? 1 : 0;
  if (message.isFolder != 0 && level && *level >= kDeepestLocalLevel)
    reader.Problem(kFolder, translate("Core", "a folder stands at levels 0 to 2"));
}

void ReadText(RowReader& reader, const TQMPanel& panel, TQMMessage& message) {
  std::string reason = MessageTextFromCsv(reader.Cell(kText), message.text);
  if (!reason.empty()) {
    reader.Problem(kText, reason);
    return;
  }
  const bool folder = message.isPlcMessage == 0 && message.isFolder != 0;
  const bool hasMarkers = std::any_of(message.text.begin(), message.text.end(), [](char c) {
    return static_cast<unsigned char>(c) >= kMarkerDecimalPoint;
  });
  if (hasMarkers && panel.IsSetPointPanel()) {
    reader.Problem(kText, translate("Core", "a set-point text holds no data positions"));
    return;
  }
  if (hasMarkers && folder) {
    reader.Problem(kText, translate("Core", "a folder holds no data items"));
    return;
  }
  int limit = MessageLengthLimit(panel.panelType, folder);
  int length = static_cast<int>(message.text.size());
  if (length > limit) {
    reader.Problem(kText,
                   Fill(folder ? translate("Core", "the text takes %1 positions, the folder's line holds %2")
                               : translate("Core", "the text takes %1 positions, the line holds %2"),
                        {Number(length), Number(limit)}));
    return;
  }
  size_t points = std::count(message.text.begin(), message.text.end(), static_cast<char>(kMarkerDecimalPoint));
  if (points > 1 || (points == 1 && PlaceDecimalPoint(message.text) != message.text))
    reader.Problem(kText, translate("Core", "{.} stands once, right after the last position of data item 1"));
}

// The decimal point of the panel's message that the row has the number of, when it has a PLC-controlled one.
const TQMTag* PanelsDecimalPoint(const RowReader& reader, const TQMPanel& panel, const TQMMessage& message) {
  // A local item's number is its place in the menu; the column holds the one it had when exported.
  std::optional<int> number =
      message.isPlcMessage != 0 ? message.number : ParseWholeNumber<int>(reader.Cell(kNumber));
  for (const TQMMessage& other : panel.messages) {
    if (number && other.number == *number && other.isPlcMessage == message.isPlcMessage &&
        other.data1.variableDecimal)
      return &other.data1.decimalPointTag;
  }
  return nullptr;
}

void ReadItemOneOptions(RowReader& reader, const TQMPanel& panel, TQMMessage& message) {
  TQMReadWriteTag& data = message.data1;
  const std::string& access = reader.Cell(kAccess1);
  bool known = false;
  for (int type = kReadWrite; type <= kWriteOnly; ++type) {
    if (SameWord(access, kAccessTexts[type])) {
      data.accessType = type;
      known = true;
    }
  }
  if (!known)
    reader.Problem(kAccess1, Fill(translate("Core", "%1 is not Read/Write, Read only or Write only"),
                                  {QuotedCell(access)}));

  std::optional<bool> limits = reader.Flag(kLimits1, true);
  data.limitsEnabled = limits.value_or(true);
  // The file keeps the limits as 32-bit signed numbers.
  const long long largest = std::min<long long>(panel.MaxValue(data.valueType), INT32_MAX);
  auto minimum = ParseWholeNumber<long long>(reader.Cell(kMin1));
  auto maximum = ParseWholeNumber<long long>(reader.Cell(kMax1));
  if (data.limitsEnabled || !reader.Cell(kMin1).empty()) {
    if (!minimum || *minimum < 0 || *minimum > largest)
      reader.Problem(
          kMin1, Fill(translate("Core", "the minimum is a whole number from 0 to %1"), {Number(largest)}));
    else
      data.minValue = static_cast<int32_t>(*minimum);
  }
  if (data.limitsEnabled || !reader.Cell(kMax1).empty()) {
    long long lowest = minimum && *minimum >= 0 ? *minimum : 0;
    if (!maximum || *maximum < lowest || *maximum > largest)
      reader.Problem(kMax1, Fill(translate("Core", "the maximum is a whole number from %1 to %2"),
                                 {Number(lowest), Number(largest)}));
    else
      data.maxValue = static_cast<int32_t>(*maximum);
  }

  const std::string& password = reader.Cell(kPassword1);
  if (password.empty() || SameWord(password, "none")) {
    data.passwordProtected = false;
  } else if (SameWord(password, "Local") || SameWord(password, "PLC")) {
    data.passwordProtected = true;
    data.useLocalPassword = SameWord(password, "Local");
  } else {
    reader.Problem(kPassword1,
                   Fill(translate("Core", "%1 is not none, Local or PLC"), {QuotedCell(password)}));
  }

  const std::string& decimal = reader.Cell(kDecimal1);
  const std::string fixed = "Fixed - ";
  data.variableDecimal = false;
  data.fixedDecimals = -1;
  std::optional<int> places;
  if (decimal.size() > fixed.size() && SameWord(decimal.substr(0, fixed.size()), fixed))
    places = ParseWholeNumber<int>(decimal.substr(fixed.size()));
  if (SameWord(decimal, "Variable")) {
    data.variableDecimal = true;
  } else if (places && *places >= 0 && *places <= 7) {
    data.fixedDecimals = static_cast<int16_t>(*places);
  } else if (!decimal.empty() && !SameWord(decimal, "none")) {
    reader.Problem(kDecimal1, Fill(translate("Core", "%1 is not none, Fixed - 0 to Fixed - 7 or Variable"),
                                   {QuotedCell(decimal)}));
  }
  bool textHasPoint = message.text.find(static_cast<char>(kMarkerDecimalPoint)) != std::string::npos;
  if (data.variableDecimal && !panel.IsSetPointPanel() && !textHasPoint)
    reader.Problem(kDecimal1,
                   translate("Core", "a PLC-controlled decimal point needs its position {.} in the text"));
  if (data.variableDecimal) {
    TQMTag& point = data.decimalPointTag;
    point.address = reader.Cell(kDecimalAddress1);
    reader.NoControlCharacters(kDecimalAddress1);
    // A table may leave out the decimal point's tag and type columns: then the panel's message of the same
    // number tells them, or the row is refused. A project without a tag map has no tag names to keep.
    const TQMTag* before = PanelsDecimalPoint(reader, panel, message);
    const bool linked = panel.project && panel.project->tagMapLinked;
    auto missing = [&](Column column, const char* what) {
      reader.Problem(column, Fill(translate("Core",
                                            "the table has no %1 column for the decimal point's %2, nor "
                                            "has the panel a message of this number with a "
                                            "PLC-controlled decimal point"),
                                  {ColumnName(column), translate("Core", what)}));
    };
    if (reader.Has(kDecimalTag1)) {
      point.tagName = reader.Cell(kDecimalTag1);
      reader.NoControlCharacters(kDecimalTag1);
    } else if (linked) {
      if (before)
        point.tagName = before->tagName;
      else
        missing(kDecimalTag1, QT_TRANSLATE_NOOP("Core", "tag name"));
    }
    if (reader.Has(kDecimalType1)) {
      point.valueType = kBcd16;
      if (!reader.Cell(kDecimalType1).empty()) {
        if (auto decimalType = reader.ValueType(kDecimalType1)) point.valueType = *decimalType;
      }
    } else if (before) {
      point.valueType = before->valueType;
    } else {
      missing(kDecimalType1, QT_TRANSLATE_NOOP("Core", "data type"));
    }
  } else {
    reader.MustBeEmpty({kDecimalAddress1, kDecimalTag1, kDecimalType1},
                       translate("Core", "only a Variable decimal point has an address"));
  }
}

void ReadItems(RowReader& reader, const TQMPanel& panel, TQMMessage& message) {
  for (int item = 1; item <= 3; ++item) {
    const Column* columns = kItemColumns[item - 1];
    std::optional<bool> zeros = reader.Flag(columns[3], false);
    message.leadingZeros[static_cast<size_t>(item - 1)] = zeros.value_or(false);
    bool present = item == 1 ? HoldsItemOne(panel, message) : MessageHasDataItem(message.text, item);
    const std::string absent = Fill(translate("Core", "data item %1 is not in the text"), {Number(item)});
    if (!present) {
      reader.MustBeEmpty({columns[0], columns[1], columns[2]}, absent);
      if (item == 1)
        reader.MustBeEmpty({kAccess1, kLimits1, kMin1, kMax1, kPassword1, kDecimal1, kDecimalAddress1,
                            kDecimalTag1, kDecimalType1},
                           absent);
      continue;
    }
    TQMTag& tag = item == 1 ? message.data1 : item == 2 ? message.data2 : message.data3;
    tag.address = reader.Cell(columns[0]);
    tag.tagName = reader.Cell(columns[1]);
    reader.NoControlCharacters(columns[0]);
    reader.NoControlCharacters(columns[1]);
    std::optional<int> type = reader.ValueType(columns[2]);
    if (!type) continue;
    tag.valueType = *type;
    if (RuleCheck width = CheckDataItemWidth(message.text, item, *type)) reader.Problem(kText, width->text);
  }
  if (HoldsItemOne(panel, message)) ReadItemOneOptions(reader, panel, message);
}

// The tag name and address of a data item as the project takes them: no name where the project is not
// linked to a tag map, else as the editors' tag pickers make them from the map. False after a problem.
bool CheckTagName(RowReader& reader, const TQMPanel& panel, const TQMTag& tag, Column addressColumn,
                  Column tagColumn) {
  const TQMProject* project = panel.project;
  if (!project || !project->tagMapLinked) {
    if (tag.tagName.empty()) return true;
    reader.Problem(tagColumn, translate("Core", "a tag name needs a project linked to a Plan & Run tag map"));
    return false;
  }
  const TagMapTable& map = project->TagMapFor(panel.panelType);
  const std::string name = QuotedCell(tag.tagName);
  const std::string address = QuotedCell(tag.address);
  switch (FitOfTag(map, tag)) {
    case TagMapFit::Fits:
      return true;
    case TagMapFit::UnknownName:
      reader.Problem(tagColumn, Fill(translate("Core", "%1 is not a tag name of the tag map"), {name}));
      break;
    case TagMapFit::NoAddress:
      reader.Problem(addressColumn, Fill(translate("Core", "tag %1 needs its address from the tag map, %2"),
                                         {name, QuotedCell(map.entries.at(tag.tagName))}));
      break;
    case TagMapFit::WrongAddress:
      reader.Problem(addressColumn,
                     Fill(translate("Core", "tag %1 has the address %2 in the tag map, not %3"),
                          {name, QuotedCell(map.entries.at(tag.tagName)), address}));
      break;
    case TagMapFit::UnknownAddress:
      reader.Problem(addressColumn,
                     Fill(translate("Core", "%1 is not an address of the tag map"), {address}));
      break;
    case TagMapFit::NoName:
      reader.Problem(tagColumn, Fill(translate("Core", "the address %1 needs its tag name from the tag map"),
                                     {address}));
      break;
  }
  return false;
}

void CheckAddresses(RowReader& reader, const TQMPanel& panel, TQMMessage& message, AddressCheck& addresses) {
  TQMReadWriteTag& data = message.data1;
  struct Entry {
    TQMTag* tag;
    bool present;
    AddressAccess access;
    Column address;
    Column tagName;
  };
  const bool readWrite = data.accessType != kReadOnly;
  const Entry entries[] = {
      {&data, HoldsItemOne(panel, message), readWrite ? AddressAccess::ReadWrite : AddressAccess::Read,
       kAddress1, kTag1},
      {&message.data2, MessageHasDataItem(message.text, 2), AddressAccess::Read, kAddress2, kTag2},
      {&message.data3, MessageHasDataItem(message.text, 3), AddressAccess::Read, kAddress3, kTag3},
      {&data.decimalPointTag, HoldsItemOne(panel, message) && data.variableDecimal,
       panel.IsSetPointPanel() ? AddressAccess::ReadWrite : AddressAccess::Read, kDecimalAddress1,
       kDecimalTag1},
  };
  for (const Entry& entry : entries) {
    if (!entry.present) continue;
    if (!CheckTagName(reader, panel, *entry.tag, entry.address, entry.tagName)) continue;
    if (entry.tag->IsEmpty()) continue;
    if (std::optional<AddressRefusal> refused = addresses.Check(*entry.tag, entry.access)) {
      std::string reason = OneLine(refused->text);
      reader.Problem(entry.address, reason.empty() ? Fill(translate("Core", "the PLC does not take %1"),
                                                          {QuotedCell(entry.tag->address)})
                                                   : reason);
    }
  }
}

// The menu's shape: a first item at level 0, each item at most one level below the one before it, and only
// below a folder.
void CheckMenu(const std::vector<ReadRow>& rows, CsvProblems& problems) {
  const ReadRow* previous = nullptr;
  for (const ReadRow& row : rows) {
    const TQMMessage& item = row.message;
    if (item.isPlcMessage != 0) continue;
    int parentLevel = previous ? previous->message.level : -1;
    if (item.level > parentLevel + 1) {
      problems.Add({row.row, "Level",
                    previous ? Fill(translate("Core",
                                              "level %1 follows level %2 on row %3: the menu goes one level "
                                              "deeper at a time"),
                                    {Number(item.level), Number(parentLevel), Number(previous->row)})
                             : Fill(translate("Core",
                                              "level %1 starts the menu, which begins at level 0: the menu "
                                              "goes one level deeper at a time"),
                                    {Number(item.level)})});
    } else if (previous && item.level == parentLevel + 1 && previous->message.isFolder == 0) {
      problems.Add({row.row, "Level",
                    Fill(translate("Core", "level %1 needs a folder above it; row %2 is a message"),
                         {Number(item.level), Number(previous->row)})});
    }
    previous = &row;
  }
}

void CheckNumbers(const TQMPanel& panel, const std::vector<ReadRow>& rows, CsvProblems& problems) {
  std::map<int, int> rowOfNumber;
  int locals = 0;
  for (const ReadRow& row : rows) locals += row.message.isPlcMessage == 0 ? 1 : 0;
  if (rows.size() > static_cast<size_t>(kMaxMessagesPerPanel)) {
    problems.Add(
        {rows[kMaxMessagesPerPanel].row, "Kind", translate("Core", "a panel holds at most 256 messages")});
  }
  for (const ReadRow& row : rows) {
    const TQMMessage& message = row.message;
    if (message.isPlcMessage == 0) continue;
    auto [it, fresh] = rowOfNumber.emplace(message.number, row.row);
    if (!fresh) {
      problems.Add({row.row, "Number",
                    Fill(translate("Core", "message number %1 is also on row %2"),
                         {Number(message.number), Number(it->second)})});
    } else if (!panel.IsSetPointPanel() && message.number > kMaxMessagesPerPanel - locals) {
      problems.Add({row.row, "Number",
                    Fill(translate("Core", "message number %1 is above the %2 the %3 local items leave"),
                         {Number(message.number), Number(kMaxMessagesPerPanel - locals), Number(locals)})});
    }
  }
}

}  // namespace

CsvProblems ImportMessagesCsv(std::string_view csv, TQMPanel& panel, AddressCheck& addresses) {
  CsvProblems problems;
  CsvTable table;
  CsvSyntaxError syntax;
  if (!ReadCsvTable(csv, table, syntax)) {
    size_t field = static_cast<size_t>(syntax.field);
    problems.Add({syntax.row, field < kColumnCount ? ColumnName(field) : "Kind", syntax.reason});
    return problems;
  }
  if (table.records.empty()) {
    problems.Add({1, "Kind", translate("Core", "the header row is missing")});
    return problems;
  }

  // The header: the fixed columns in their order, then any of the extra ones, each once.
  const CsvTable::Record& header = table.records.front();
  std::vector<size_t> columnOf;
  for (size_t i = 0; i < kMessageCsvColumns.size(); ++i) {
    if (i >= header.fields.size() || header.fields[i] != kMessageCsvColumns[i]) {
      problems.Add(
          {header.row, kMessageCsvColumns[i],
           i < header.fields.size()
               ? Fill(translate("Core", "the header row needs \"%1\" here, not %2"),
                      {kMessageCsvColumns[i], QuotedCell(header.fields[i])})
               : Fill(translate("Core", "the header row needs \"%1\" here"), {kMessageCsvColumns[i]})});
      return problems;
    }
    columnOf.push_back(i);
  }
  for (size_t i = kMessageCsvColumns.size(); i < header.fields.size(); ++i) {
    auto known = std::find(kMessageCsvExtraColumns.begin(), kMessageCsvExtraColumns.end(), header.fields[i]);
    size_t column = kMessageCsvColumns.size() + static_cast<size_t>(known - kMessageCsvExtraColumns.begin());
    if (known == kMessageCsvExtraColumns.end() ||
        std::find(columnOf.begin(), columnOf.end(), column) != columnOf.end()) {
      problems.Add(
          {header.row, ShownCell(header.fields[i]), translate("Core", "unknown or repeated column")});
      return problems;
    }
    columnOf.push_back(column);
  }

  TQMPanel result(panel);
  std::vector<ReadRow> rows;
  for (size_t r = 1; r < table.records.size(); ++r) {
    const CsvTable::Record& record = table.records[r];
    if (record.fields.size() != header.fields.size()) {
      size_t at = std::min(record.fields.size(), header.fields.size() - 1);
      problems.Add({record.row, ColumnName(columnOf[at]),
                    Fill(translate("Core", "the row has %1 fields, the header %2"),
                         {Number(static_cast<long long>(record.fields.size())),
                          Number(static_cast<long long>(header.fields.size()))})});
      continue;
    }
    RowReader reader(record, columnOf, problems);
    TQMMessage message = result.NewMessage();
    ReadKindAndPlace(reader, result, message);
    if (reader.Ok()) ReadText(reader, result, message);
    if (reader.Ok()) ReadItems(reader, result, message);
    if (reader.Ok()) CheckAddresses(reader, result, message, addresses);
    if (reader.Ok()) rows.push_back({record.row, std::move(message)});
  }
  if (!problems.empty()) return problems;

  CheckNumbers(result, rows, problems);
  CheckMenu(rows, problems);
  if (!problems.empty()) return problems;

  result.messages.clear();
  for (ReadRow& row : rows) {
    if (RuleCheck room = CheckAddressLimit(result, row.message)) {
      problems.Add({row.row, "Item1 Address", room->text});
      return problems;
    }
    result.messages.push_back(row.message);
  }
  if (result.IsSetPointPanel()) {
    std::stable_sort(result.messages.begin(), result.messages.end(),
                     [](const TQMMessage& a, const TQMMessage& b) { return a.number < b.number; });
    result.firstLocalNumber = result.messages.empty() ? 0 : result.messages.front().number;
  } else {
    MessageListEdit(result).Finish();
  }
  result.ReseatBackReferences();

  // Whatever the project rules still find about a message is named by its row. PLC messages are sorted
  // by their (unique) numbers, local items keep the order of their rows.
  std::map<std::string, int> rowOfPlace;
  std::map<int, int> rowOfNumber;
  std::vector<int> localRows;
  for (const ReadRow& row : rows) {
    if (row.message.isPlcMessage != 0)
      rowOfNumber[row.message.number] = row.row;
    else
      localRows.push_back(row.row);
  }
  size_t local = 0;
  for (const TQMMessage& message : result.messages) {
    int row = message.isPlcMessage != 0 ? rowOfNumber[message.number] : localRows[local++];
    rowOfPlace[MessageProblemPlace(result, message)] = row;
  }
  for (const ProjectProblem& problem : ValidatePanel(result)) {
    auto it = rowOfPlace.find(problem.where);
    if (it != rowOfPlace.end()) problems.Add({it->second, "Kind", OneLine(problem.violation.text)});
  }
  if (!problems.empty()) return problems;

  panel.messages = std::move(result.messages);
  panel.firstLocalNumber = result.firstLocalNumber;
  panel.ReseatBackReferences();
  return problems;
}

}  // namespace lumora
