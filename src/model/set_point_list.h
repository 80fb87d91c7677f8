#pragma once
// The set-point panel's messages while the user edits them: a working list in the panel's order, new
// messages appended, stored back sorted by number. Also the texts and box positions the set-point
// configuration shows for a message.

#include <optional>
#include <string>
#include <vector>

#include "model/message.h"
#include "model/translation.h"

namespace lumora {

class TQMPanel;

inline constexpr const char* kM004Text = QT_TRANSLATE_NOOP("Core", "Error M004: Invalid Message Number");
inline constexpr int kSetPointDescriptionLength = 16;

// The data-type box lists "BCD/Int 16", "BCD/Int 32", "Binary/Int 16", "Binary/Int 32": box position and
// value type map through 0-0, 1-2, 2-1, 3-3 (the map is its own inverse). A position outside 0..3 counts as
// 3, no selection (-1) as 0.
int SetPointTypeFromPosition(int position);
int SetPointPositionFromType(int valueType);
// The decimal-point box: "None", "Fixed - 1".."Fixed - 7", "Variable" (positions 0..8).
inline constexpr int kVariableDecimalPosition = 8;
std::string DecimalBoxText(int position);
int DecimalBoxPosition(const TQMReadWriteTag& data);

// The texts of a row of the set-point list.
std::string SetPointNumberText(int number);        // "%03d"
std::string SetPointAccessText(int accessType);    // "Read/Write", "Read only"
std::string SetPointDecimalText(const TQMReadWriteTag& data);  // "Variable", "Fixed - %d", "none"

// "Please enter a number between %d and %d".
std::string NumberRangeText(long long low, long long high);

struct LimitProblem {
  bool onMaximum = false;  // else the minimum is refused
  std::string text;
};
// The limits of a set point of `valueType` on `panelType`: 0 <= minimum <= largest value, minimum <=
// maximum <= largest value.
std::optional<LimitProblem> CheckSetPointLimits(int panelType, int valueType, long long minimum,
                                                long long maximum);

// The message number in the number box: 1..256, else nothing (M004).
std::optional<int> ParseSetPointNumber(const std::string& text);

class SetPointList {
 public:
  SetPointList() = default;
  explicit SetPointList(const TQMPanel& panel);

  int Count() const { return static_cast<int>(messages_.size()); }
  const TQMMessage& At(int index) const { return messages_[static_cast<size_t>(index)]; }
  const std::vector<TQMMessage>& Messages() const { return messages_; }
  // Position of the message with `number`, -1 when there is none.
  int IndexOf(int number) const;
  bool Contains(int number) const { return IndexOf(number) >= 0; }

  // An existing number is updated in place; a new one is appended as a PLC message at level 0. Returns
  // its position and whether it was appended.
  struct Stored {
    int index = -1;
    bool appended = false;
  };
  Stored Store(const TQMMessage& message);
  // Removes the message with `number`; false when there is none.
  bool Remove(int number);
  // The number a pasted message takes: the first free one above `afterNumber` (0: above the last
  // message's number, 1 when the list is empty), up to 256; nothing when none is free.
  std::optional<int> PasteNumber(std::optional<int> afterNumber) const;
  // The messages sorted by number into the panel; `firstLocalNumber` the lowest number, 0 when none.
  void StoreInto(TQMPanel& panel) const;

 private:
  std::vector<TQMMessage> messages_;
};

}  // namespace lumora
