#include "model/message_list_edit.h"

#include <algorithm>
#include <cstdio>

#include "model/message_text.h"
#include "model/panel.h"
#include "model/translation.h"

namespace lumora {

MessageListEdit::MessageListEdit(TQMPanel& panel) : panel_(panel) {
  std::stable_partition(panel_.messages.begin(), panel_.messages.end(),
                        [](const TQMMessage& message) { return message.isPlcMessage != 0; });
  SortPlc();
}

int MessageListEdit::PlcCount() const {
  return static_cast<int>(std::count_if(panel_.messages.begin(), panel_.messages.end(),
                                        [](const TQMMessage& message) { return message.isPlcMessage != 0; }));
}

int MessageListEdit::LocalCount() const {
  return static_cast<int>(panel_.messages.size()) - PlcCount();
}

TQMMessage& MessageListEdit::Plc(int index) {
  return panel_.messages[static_cast<size_t>(index)];
}

TQMMessage& MessageListEdit::Local(int index) {
  return panel_.messages[static_cast<size_t>(LocalStart() + index)];
}

const TQMMessage& MessageListEdit::Plc(int index) const {
  return panel_.messages[static_cast<size_t>(index)];
}

const TQMMessage& MessageListEdit::Local(int index) const {
  return panel_.messages[static_cast<size_t>(LocalStart() + index)];
}

int MessageListEdit::HighestPlcNumber() const {
  int count = PlcCount();
  return count == 0 ? 0 : panel_.messages[static_cast<size_t>(count - 1)].number;
}

void MessageListEdit::SortPlc() {
  auto end = panel_.messages.begin() + PlcCount();
  std::stable_sort(panel_.messages.begin(), end,
                   [](const TQMMessage& a, const TQMMessage& b) { return a.number < b.number; });
}

RuleCheck MessageListEdit::CheckRoom(const TQMMessage& message, bool local) const {
  int used = local ? HighestPlcNumber() + LocalCount() : static_cast<int>(panel_.messages.size());
  if (used >= kMaxMessagesPerPanel) return RuleViolation{Rule::RoomForMessage, M001Text()};
  return CheckAddressLimit(panel_, message);
}

namespace {

TQMMessage Prepared(TQMMessage message, TQMPanel& panel, bool plc, bool folder, int level, int number) {
  message.isPlcMessage = plc ? 1 : 0;
  message.isFolder = folder ? 1 : 0;
  message.level = static_cast<int16_t>(level);
  message.number = number;
  if (folder) {
    // A folder holds a plain line: one character less than a message, no data items.
    std::string plain;
    for (char c : message.text) {
      auto byte = static_cast<unsigned char>(c);
      if (byte >= 0xFC) continue;
      plain += c;
    }
    size_t limit = static_cast<size_t>(std::max(0, panel.CharsPerMessage() - 1));
    if (plain.size() > limit) plain.resize(limit);
    message.text = plain;
    message.ResetDataItems();
  }
  message.SetOwners(panel.project, &panel);
  return message;
}

}  // namespace

ListEdit MessageListEdit::AddPlc(int selected, TQMMessage message) {
  ListEdit edit;
  if ((edit.problem = CheckRoom(message, false))) return edit;
  int count = PlcCount();
  int after = selected >= 0 && selected < count ? selected : count - 1;
  int number = 1;
  if (count > 0) {
    number = panel_.messages[static_cast<size_t>(after)].number + 1;
    auto taken = [this, count](int candidate) {
      for (int i = 0; i < count; ++i)
        if (panel_.messages[static_cast<size_t>(i)].number == candidate) return true;
      return false;
    };
    while (taken(number)) ++number;
  }
  if ((edit.problem = CheckPlcMessageNumber(panel_, number))) return edit;
  panel_.messages.insert(panel_.messages.begin() + (after + 1),
                         Prepared(std::move(message), panel_, true, false, 0, number));
  SortPlc();
  for (int i = 0; i < PlcCount(); ++i)
    if (panel_.messages[static_cast<size_t>(i)].number == number) edit.index = i;
  return edit;
}

std::optional<std::pair<int, int>> MessageListEdit::InsertRange(int index) const {
  if (index < 0 || index >= PlcCount()) return std::nullopt;
  int b = panel_.messages[static_cast<size_t>(index)].number;
  bool first = index == 0;
  int c = first ? 1 : panel_.messages[static_cast<size_t>(index - 1)].number;
  // A free number directly below the selected one: above the previous message's, or above 0 at the top.
  bool free = first ? b > 1 : b > c + 1;
  if (!free) return std::nullopt;
  return std::make_pair(c, b);
}

bool MessageListEdit::InsertAsksNumber(int index) const {
  auto range = InsertRange(index);
  return range && range->second - range->first >= 3;
}

ListEdit MessageListEdit::InsertPlc(int index, int number, TQMMessage message) {
  ListEdit edit;
  auto range = InsertRange(index);
  bool first = index == 0;
  if (!range || number >= range->second || number < (first ? 1 : range->first + 1)) {
    edit.problem = RuleViolation{Rule::MessageNumber, translate("Core", kM005Text)};
    return edit;
  }
  if ((edit.problem = CheckRoom(message, false))) return edit;
  panel_.messages.insert(panel_.messages.begin() + index,
                         Prepared(std::move(message), panel_, true, false, 0, number));
  SortPlc();
  edit.index = index;
  return edit;
}

int MessageListEdit::RemovePlc(int index) {
  if (index < 0 || index >= PlcCount()) return -1;
  panel_.messages.erase(panel_.messages.begin() + index);
  if (PlcCount() == 0) return -1;
  return std::max(0, index - 1);
}

RuleCheck MessageListEdit::CheckNumber(int index, int number) const {
  bool taken = false;
  for (int i = 0; i < PlcCount(); ++i)
    if (i != index && panel_.messages[static_cast<size_t>(i)].number == number) taken = true;
  if (number <= 0 || taken || number > kMaxMessagesPerPanel - LocalCount())
    return RuleViolation{Rule::DuplicateNumber, translate("Core", kM002Text)};
  return std::nullopt;
}

int MessageListEdit::Renumber(int index, int number) {
  panel_.messages[static_cast<size_t>(index)].number = number;
  SortPlc();
  for (int i = 0; i < PlcCount(); ++i)
    if (panel_.messages[static_cast<size_t>(i)].number == number) return i;
  return index;
}

std::string MessageListEdit::PlcLine(const TQMMessage& message) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d: ", message.number);
  return number + MessageDisplayText(message.text);
}

std::vector<int> MessageListEdit::MenuParents() const {
  std::vector<int> parents;
  std::vector<int> open{-1};  // the items a following item can hang from, by depth
  for (int i = 0; i < LocalCount(); ++i) {
    size_t depth = static_cast<size_t>(std::clamp<int>(Local(i).level, 0, kDeepestLocalLevel)) + 1;
    depth = std::min(depth, open.size());
    parents.push_back(open[depth - 1]);
    open.resize(depth);
    open.push_back(i);
  }
  return parents;
}

LocalOffer MessageListEdit::Offer(int selected) const {
  LocalOffer offer;
  if (selected < 0 || selected >= LocalCount()) {
    offer.newMessage = offer.newFolder = true;  // the root
    return offer;
  }
  const TQMMessage& item = panel_.messages[static_cast<size_t>(LocalStart() + selected)];
  bool folder = item.isFolder != 0;
  offer.remove = true;
  offer.insertMessage = true;
  offer.insertFolder = item.level < kDeepestLocalLevel;
  offer.newMessage = folder && item.level < kDeepestLocalLevel;
  offer.newFolder = folder && item.level < kDeepestLocalLevel - 1;
  offer.cutCopy = !folder;
  return offer;
}

bool MessageListEdit::HasChildren(int index) const {
  int start = LocalStart();
  int count = LocalCount();
  if (index < 0 || index + 1 >= count) return false;
  return panel_.messages[static_cast<size_t>(start + index + 1)].level >
         panel_.messages[static_cast<size_t>(start + index)].level;
}

ListEdit MessageListEdit::PutLocal(int position, int level, bool folder, TQMMessage message) {
  ListEdit edit;
  if ((edit.problem = CheckRoom(message, true))) return edit;
  panel_.messages.insert(panel_.messages.begin() + (LocalStart() + position),
                         Prepared(std::move(message), panel_, false, folder, level, 0));
  edit.index = position;
  return edit;
}

ListEdit MessageListEdit::AddLocal(int selected, bool folder, TQMMessage message) {
  int count = LocalCount();
  int level = 0;
  int position = count;
  if (selected >= 0 && selected < count) {
    const TQMMessage& parent = Local(selected);
    if (parent.isFolder == 0)
      return ListEdit{-1, RuleViolation{Rule::Level, translate("Core", "Only a folder holds messages")}};
    level = parent.level + 1;
    // After the folder's last descendant: before the next item at the folder's level or above.
    position = selected + 1;
    while (position < count && Local(position).level > parent.level) ++position;
  }
  if (level > kDeepestLocalLevel - (folder ? 1 : 0))
    return ListEdit{-1, RuleViolation{Rule::Level, translate("Core", "The menu cannot go deeper here")}};
  return PutLocal(position, level, folder, std::move(message));
}

ListEdit MessageListEdit::InsertLocal(int selected, bool folder, TQMMessage message) {
  if (selected < 0 || selected >= LocalCount())
    return ListEdit{-1, RuleViolation{Rule::Level, translate("Core", "Nothing is inserted before the root")}};
  int level = Local(selected).level;
  if (folder && level >= kDeepestLocalLevel)
    return ListEdit{-1, RuleViolation{Rule::Level, translate("Core", "The menu cannot go deeper here")}};
  return PutLocal(selected, level, folder, std::move(message));
}

int MessageListEdit::FolderFor(int selected) const {
  if (selected < 0 || selected >= LocalCount()) return -1;
  if (Local(selected).isFolder != 0) return selected;
  int level = Local(selected).level;
  int parent = selected;
  while (parent >= 0 && Local(parent).level >= level) --parent;
  return parent;
}

int MessageListEdit::RemoveLocal(int index) {
  int count = LocalCount();
  if (index < 0 || index >= count) return 0;
  int level = Local(index).level;
  int end = index + 1;
  while (end < count && Local(end).level > level) ++end;
  auto first = panel_.messages.begin() + (LocalStart() + index);
  panel_.messages.erase(first, first + (end - index));
  return end - index;
}

void MessageListEdit::Finish() {
  SortPlc();
  int start = LocalStart();
  for (int i = 0; i < LocalCount(); ++i) panel_.messages[static_cast<size_t>(start + i)].number = LocalNumber(i);
  panel_.firstLocalNumber = HighestPlcNumber() + 1;
}

}  // namespace lumora
