#pragma once
// The message editor's list operations on a panel (a working copy): PLC messages first, sorted by number,
// then the local items (folders and messages) in menu order. Adding, inserting and deleting keep that
// layout and the panel's limits; Finish numbers the local items for the panel.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/editing_rules.h"
#include "model/message.h"

namespace lumora {

class TQMPanel;

struct ListEdit {
  int index = -1;     // the new item's position in its list (PLC list or local list)
  RuleCheck problem;  // why nothing was added
  bool Done() const { return !problem.has_value(); }
};

// What the local menu offers for the selected local item (-1: the root).
struct LocalOffer {
  bool newMessage = false;
  bool newFolder = false;
  bool insertMessage = false;
  bool insertFolder = false;
  bool remove = false;
  bool cutCopy = false;
};

// The deepest level of a local item: messages 0..3, folders 0..2.
inline constexpr int kDeepestLocalLevel = 3;

class MessageListEdit {
 public:
  // Brings the panel's messages into editing order: PLC messages by number, then the local items.
  explicit MessageListEdit(TQMPanel& panel);

  int PlcCount() const;
  int LocalCount() const;
  TQMMessage& Plc(int index);
  TQMMessage& Local(int index);
  const TQMMessage& Plc(int index) const;
  const TQMMessage& Local(int index) const;
  const TQMPanel& Panel() const { return panel_; }
  int HighestPlcNumber() const;
  // "Total Number of messages (Of 256)": the highest PLC number plus the local items.
  int Total() const { return HighestPlcNumber() + LocalCount(); }
  // The number the panel gives a local item: 256 for the first, then downwards.
  static int LocalNumber(int index) { return 256 - index; }

  // A PLC message after the selected one (-1: after the last), numbered with the next free number.
  ListEdit AddPlc(int selected, TQMMessage message);
  // The numbers between which a message can be inserted before `index` (previous number, or 1, and
  // the selected number); nothing when no number is free there.
  std::optional<std::pair<int, int>> InsertRange(int index) const;
  // Whether inserting before `index` needs the user to choose the number (more than one is free).
  bool InsertAsksNumber(int index) const;
  ListEdit InsertPlc(int index, int number, TQMMessage message);
  // Removes a PLC message; the index to select next (-1 when the list is empty).
  int RemovePlc(int index);
  // M002 for a number that is not positive, taken by another PLC message or above the local items.
  RuleCheck CheckNumber(int index, int number) const;
  // Gives a PLC message a new number; its index after re-sorting.
  int Renumber(int index, int number);

  // "%03d: %s": the PLC list's line for a message, its number and display text.
  static std::string PlcLine(const TQMMessage& message);
  // Each local item's parent in the menu tree (-1: the root): the nearest item before it one level up.
  std::vector<int> MenuParents() const;

  LocalOffer Offer(int selected) const;
  bool HasChildren(int index) const;
  // New message/folder: the last child of the selected folder (or of the root).
  ListEdit AddLocal(int selected, bool folder, TQMMessage message);
  // Insert message/folder: just before the selected item, at its level.
  ListEdit InsertLocal(int selected, bool folder, TQMMessage message);
  // The folder a message pasted at the selected item goes into: the selected folder, or the folder
  // holding the selected message (-1: the root).
  int FolderFor(int selected) const;
  // Removes the item and everything below it; the number of items removed.
  int RemoveLocal(int index);

  // Room for one more message (M001) and its addresses (T001); `local` counts against the highest
  // PLC number, a PLC message against all messages.
  RuleCheck CheckRoom(const TQMMessage& message, bool local) const;
  // Leaving with OK: PLC messages keep their numbers, local items get 256, 255, ...; the first local
  // number is the highest PLC number plus one.
  void Finish();

 private:
  int LocalStart() const { return PlcCount(); }
  void SortPlc();
  ListEdit PutLocal(int position, int level, bool folder, TQMMessage message);

  TQMPanel& panel_;
};

}  // namespace lumora
