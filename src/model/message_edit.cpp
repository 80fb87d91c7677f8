#include "model/message_edit.h"

#include "model/editing_rules.h"
#include "model/message_list_edit.h"
#include "model/panel.h"
#include "model/whole_number.h"

namespace lumora {
namespace {

void ForgetAddress(TQMTag& tag) {
  tag.address.clear();
  tag.tagName.clear();
  tag.encodedAddress.clear();
}

MessageEditResult Refuse(MessageField focus, std::string text, MessageIcon icon) {
  MessageEditResult result;
  result.focus = focus;
  result.notice = {std::move(text), icon};
  return result;
}

}  // namespace

MessageForm FormOf(const TQMMessage& message) {
  const TQMReadWriteTag& item1 = message.data1;
  MessageForm form;
  form.text = message.text;
  form.number = std::to_string(message.number);
  form.minimum = std::to_string(item1.minValue);
  form.maximum = std::to_string(item1.maxValue);
  form.valueTypes = {item1.valueType, message.data2.valueType, message.data3.valueType};
  form.readOnly = item1.accessType == kReadOnly;
  form.passwordProtected = item1.passwordProtected;
  form.plcPassword = !item1.useLocalPassword;
  form.variableDecimal = item1.variableDecimal;
  form.leadingZeros = message.leadingZeros;
  form.references = {item1.tagName + "\t" + item1.address,
                     message.data2.tagName + "\t" + message.data2.address,
                     message.data3.tagName + "\t" + message.data3.address,
                     item1.decimalPointTag.tagName + "\t" + item1.decimalPointTag.address};
  return form;
}

std::string MaximumForType(const TQMPanel& panel, const std::string& maximum, int oldType, int newType) {
  auto value = ParseWholeNumber<long long>(maximum);
  if (value && *value >= static_cast<long long>(panel.MaxValue(oldType)))
    return std::to_string(panel.MaxValue(newType));
  return maximum;
}

MessageEditResult ApplyMessageEdit(const MessageListEdit& lists, bool plc, int index, const MessageForm& form,
                                   AddressCheck& addresses, NumberChange change) {
  const TQMPanel& panel = lists.Panel();
  const TQMMessage& current = plc ? lists.Plc(index) : lists.Local(index);
  TQMMessage edited = current;
  const bool folder = current.isFolder != 0;

  // Data item 1's limits: 0 <= minimum <= maximum <= the largest value of its type.
  if (!folder) {
    const long long largest = panel.MaxValue(form.valueTypes[0]);
    auto minimum = ParseWholeNumber<long long>(form.minimum);
    auto maximum = ParseWholeNumber<long long>(form.maximum);
    if (!minimum || *minimum < 0 || *minimum > largest)
      return Refuse(MessageField::Minimum, translate("Core", kT003Text), MessageIcon::Exclamation);
    if (!maximum || *maximum < *minimum || *maximum > largest)
      return Refuse(MessageField::Maximum, translate("Core", kT003Text), MessageIcon::Exclamation);
    edited.data1.minValue = static_cast<int32_t>(*minimum);
    edited.data1.maxValue = static_cast<int32_t>(*maximum);
  }

  // A PLC message's number: free, and below the numbers the local items take; a change is confirmed.
  std::optional<int> numberShown;
  if (plc) {
    auto typed = ParseWholeNumber<int>(form.number);
    if (!typed || lists.CheckNumber(index, *typed)) {
      MessageEditResult refused =
          Refuse(MessageField::Number, translate("Core", kM002Text), MessageIcon::Error);
      refused.numberShown = current.number;
      return refused;
    }
    if (*typed != current.number) {
      if (change == NumberChange::Ask) {
        MessageEditResult ask;
        ask.outcome = MessageEditResult::Outcome::AskNumberChange;
        return ask;
      }
      if (change == NumberChange::Take)
        edited.number = *typed;
      else
        numberShown = current.number;
    }
  }

  auto refuse = [&numberShown](MessageField focus, std::string text, MessageIcon icon) {
    MessageEditResult refused = Refuse(focus, std::move(text), icon);
    refused.numberShown = numberShown;
    return refused;
  };

  // The text and the widths of its data items.
  edited.text = form.text;
  if (!folder) {
    for (int item = 1; item <= 3; ++item) {
      if (RuleCheck width =
              CheckDataItemWidth(edited.text, item, form.valueTypes[static_cast<size_t>(item - 1)]))
        return refuse(MessageField::Text, width->text, MessageIcon::Exclamation);
    }
  }
  edited.data1.valueType = form.valueTypes[0];
  edited.data2.valueType = form.valueTypes[1];
  edited.data3.valueType = form.valueTypes[2];
  edited.data1.accessType = form.readOnly ? kReadOnly : kReadWrite;
  edited.data1.passwordProtected = !folder && form.passwordProtected;
  edited.data1.useLocalPassword = !form.plcPassword;
  edited.data1.variableDecimal =
      !folder && form.variableDecimal && edited.text.find('\xFC') != std::string::npos;
  edited.leadingZeros = form.leadingZeros;

  // The addresses of the items present; the others are forgotten.
  TQMTag* tags[] = {&edited.data1, &edited.data2, &edited.data3, &edited.data1.decimalPointTag};
  for (int item = 1; item <= 3; ++item) {
    bool present = !folder && (edited.HasDataItem(item) || (item == 1 && edited.data1.passwordProtected));
    if (present)
      tags[item - 1]->SetEntry(form.references[static_cast<size_t>(item - 1)]);
    else
      ForgetAddress(*tags[item - 1]);
  }
  if (edited.data1.variableDecimal)
    tags[3]->SetEntry(form.references[3]);
  else
    ForgetAddress(*tags[3]);
  if (panel.AddressCount() - current.AddressCount() + edited.AddressCount() > kMaxAddressesPerPanel)
    return refuse(MessageField::Text, translate("Core", kT001Text), MessageIcon::Information);

  // Each address through the PLC library, in item order, the decimal point's last.
  const MessageField fields[] = {MessageField::Address1, MessageField::Address2, MessageField::Address3,
                                 MessageField::DecimalAddress};
  for (size_t i = 0; i < 4; ++i) {
    if (tags[i]->IsEmpty()) continue;
    bool readWrite = i == 0 && edited.data1.accessType != kReadOnly;
    if (std::optional<AddressRefusal> refused =
            addresses.Check(*tags[i], readWrite ? AddressAccess::ReadWrite : AddressAccess::Read))
      return refuse(fields[i], refused->text, refused->icon);
  }

  MessageEditResult accepted;
  accepted.outcome = MessageEditResult::Outcome::Accepted;
  accepted.message = std::move(edited);
  accepted.numberShown = numberShown;
  return accepted;
}

}  // namespace lumora
