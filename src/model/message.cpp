#include "model/message.h"

#include "model/message_text.h"
#include "model/panel.h"

namespace lumora {

TQMMessage::TQMMessage(TQMProject* owner, TQMPanel* ownerPanel)
    : data1(owner), data2(owner), data3(owner), panel(ownerPanel) {}

void TQMMessage::SetOwners(TQMProject* owner, TQMPanel* ownerPanel) {
  panel = ownerPanel;
  data1.SetProject(owner);
  data2.SetProject(owner);
  data3.SetProject(owner);
}

bool TQMMessage::IsSetPointPanel() const {
  return panel && panel->IsSetPointPanel();
}

bool TQMMessage::HasDataItem(int item) const {
  if (item == 1 && IsSetPointPanel() && hasSetPoint) return true;
  return MessageHasDataItem(text, item);
}

void TQMMessage::ResetDataItems() {
  data1.Reset();
  data2.Reset();
  data3.Reset();
}

int TQMMessage::AddressCount() const {
  int count = 0;
  if (HasDataItem(1)) count += data1.variableDecimal ? 2 : 1;
  if (HasDataItem(2)) ++count;
  if (HasDataItem(3)) ++count;
  return count;
}

void TQMMessage::RegisterTags(TQMTagList& list) {
  // An absent item must not carry an index left from an earlier transfer.
  if (HasDataItem(1)) {
    list.Register(data1);
    if (data1.variableDecimal) {
      list.Register(data1.decimalPointTag);
    } else {
      data1.decimalPointTag.index = kNoTagIndex;
    }
  } else {
    data1.index = kNoTagIndex;
    data1.decimalPointTag.index = kNoTagIndex;
  }
  if (HasDataItem(2)) {
    list.Register(data2);
  } else {
    data2.index = kNoTagIndex;
  }
  if (HasDataItem(3)) {
    list.Register(data3);
  } else {
    data3.index = kNoTagIndex;
  }
}

void TQMMessage::ResolveTags(const TQMTagList& list) {
  ResolveFromList(data1, list);
  ResolveFromList(data1.decimalPointTag, list);
  ResolveFromList(data2, list);
  ResolveFromList(data3, list);
}

}  // namespace lumora
