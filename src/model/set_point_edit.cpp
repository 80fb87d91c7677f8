#include "model/set_point_edit.h"

#include <algorithm>
#include <string_view>

#include "model/clipboard_form.h"
#include "model/codes.h"
#include "model/panel.h"
#include "model/project.h"
#include "model/set_point_list.h"
#include "model/translation.h"
#include "model/whole_number.h"

namespace lumora {
namespace {

// The address of an entry "tag\taddress" (without a tab, all of it).
std::string_view AddressPart(std::string_view entry) {
  size_t tab = entry.find('\t');
  return tab == std::string_view::npos ? entry : entry.substr(tab + 1);
}

SetPointEdit Refuse(SetPointField field, AddressRefusal refusal) {
  SetPointEdit edit;
  edit.refused = field;
  edit.refusal = std::move(refusal);
  return edit;
}

SetPointEdit Refuse(SetPointField field, std::string text) {
  return Refuse(field, AddressRefusal{std::move(text), MessageIcon::Exclamation});
}

}  // namespace

DecimalMode DecimalModeAt(int position) {
  if (position == kVariableDecimalPosition) return DecimalMode::Variable;
  return position >= 1 && position < kVariableDecimalPosition ? DecimalMode::Fixed : DecimalMode::None;
}

bool SetPointFields::Blank() const {
  return description.empty() && AddressPart(valueEntry).empty() && AddressPart(decimalEntry).empty();
}

SetPointFields ClearedSetPointFields(int number) {
  SetPointFields fields;
  fields.number = number;
  fields.minimum = "0";
  fields.maximum = std::to_string(ValueTypeMaxValue(kPanelQMSV, SetPointTypeFromPosition(0)));
  return fields;
}

SetPointFields SetPointFieldsOf(const TQMMessage& message) {
  const TQMReadWriteTag& data = message.data1;
  SetPointFields fields;
  fields.number = message.number;
  fields.description = message.text.substr(0, kSetPointDescriptionLength);
  fields.minimum = std::to_string(data.minValue);
  fields.maximum = std::to_string(data.maxValue);
  fields.typePosition = SetPointPositionFromType(data.valueType);
  fields.readOnly = data.accessType == kReadOnly;
  fields.decimalPosition = DecimalBoxPosition(data);
  fields.valueEntry = data.tagName + "\t" + data.address;
  fields.decimalEntry = data.decimalPointTag.tagName + "\t" + data.decimalPointTag.address;
  return fields;
}

SetPointEdit EditSetPoint(const SetPointFields& fields, const SetPointList& list, TQMPanel& panel,
                          AddressCheck& check) {
  const int number = fields.number;
  if (number < 1 || number > kMaxMessagesPerPanel)
    return Refuse(SetPointField::Number, translate("Core", kM004Text));

  // The limits, against the largest value of the data type on this panel.
  const int valueType = SetPointTypeFromPosition(fields.typePosition);
  const std::optional<long long> minimum = ParseWholeNumber<long long>(fields.minimum);
  if (!minimum) return Refuse(SetPointField::Minimum, translate("Core", kNotAnIntegerText));
  const std::optional<long long> maximum = ParseWholeNumber<long long>(fields.maximum);
  if (!maximum) return Refuse(SetPointField::Maximum, translate("Core", kNotAnIntegerText));
  if (std::optional<LimitProblem> problem = CheckSetPointLimits(panel.panelType, valueType, *minimum, *maximum))
    return Refuse(problem->onMaximum ? SetPointField::Maximum : SetPointField::Minimum, problem->text);

  // The value address, with the access of the display method.
  TQMTag value(panel.project);
  value.valueType = valueType;
  value.SetEntry(fields.valueEntry);
  if (auto refusal = check.Check(value, fields.readOnly ? AddressAccess::Read : AddressAccess::ReadWrite))
    return Refuse(SetPointField::ValueAddress, std::move(*refusal));

  // The decimal point: none, fixed, or placed by the PLC through its own address.
  const DecimalMode decimal = DecimalModeAt(fields.decimalPosition);
  TQMTag decimalTag(panel.project);
  if (decimal == DecimalMode::Variable) {
    decimalTag.valueType = kBcd16;
    decimalTag.SetEntry(fields.decimalEntry);
    if (auto refusal = check.Check(decimalTag, AddressAccess::ReadWrite))
      return Refuse(SetPointField::DecimalAddress, std::move(*refusal));
  }

  const int existing = list.IndexOf(number);
  SetPointEdit edit;
  TQMMessage& message = edit.message.emplace(existing >= 0 ? list.At(existing) : TQMMessage(panel.project, &panel));
  message.number = number;
  message.text = fields.description.substr(0, kSetPointDescriptionLength);
  message.hasSetPoint = true;
  TQMReadWriteTag& data = message.data1;
  data.encodedAddress = value.encodedAddress;
  data.addressAccess = value.addressAccess;
  data.valueType = valueType;
  data.address = value.address;
  data.tagName = value.tagName;
  data.passwordProtected = false;
  data.limitsEnabled = true;
  data.maxValue = static_cast<int32_t>(*maximum);
  data.minValue = static_cast<int32_t>(*minimum);
  data.accessType = fields.readOnly ? kReadOnly : kReadWrite;
  switch (decimal) {
    case DecimalMode::None:
      data.fixedDecimals = -1;
      data.variableDecimal = false;
      break;
    case DecimalMode::Variable:
      // A fixed position left from before would reach the panel along with the PLC's.
      data.fixedDecimals = -1;
      data.variableDecimal = true;
      data.decimalPointTag = decimalTag;
      break;
    case DecimalMode::Fixed:
      data.fixedDecimals = static_cast<int16_t>(fields.decimalPosition);
      data.variableDecimal = false;
      data.decimalPointTag.Reset();
      break;
  }
  return edit;
}

std::optional<TQMMessage> PasteSetPoint(const std::string& clipboardText, const SetPointList& list,
                                        std::optional<int> afterNumber, TQMPanel& panel, AddressCheck& check) {
  std::optional<int> number = list.PasteNumber(afterNumber);
  if (!number) return std::nullopt;
  TQMMessage message = ReadClipboardMessage(clipboardText, panel.project, &panel);
  message.number = *number;
  if (message.text.size() > kSetPointDescriptionLength) message.text.resize(kSetPointDescriptionLength);
  RecheckPastedAddresses(message, check);
  return message;
}

TQMMessage SetPointPreview(const SetPointFields& fields) {
  TQMMessage shown;
  shown.hasSetPoint = true;
  shown.text = fields.description;
  shown.data1.maxValue = static_cast<int32_t>(std::clamp<long long>(ParseWholeNumber<long long>(fields.maximum).value_or(0), 0, 99999999));
  const DecimalMode decimal = DecimalModeAt(fields.decimalPosition);
  shown.data1.variableDecimal = decimal == DecimalMode::Variable;
  shown.data1.fixedDecimals = static_cast<int16_t>(decimal == DecimalMode::Fixed ? fields.decimalPosition : -1);
  return shown;
}

std::optional<AddressRefusal> CheckSelectionRegister(const SetPointSetup& setup, TQMTag& reg, AddressCheck& check) {
  reg.Reset();
  if (!setup.selecting) return std::nullopt;
  reg.valueType = setup.selectionTypePosition == 1 ? kBinary16 : kBcd16;
  reg.SetEntry(setup.selectionEntry);
  return check.Check(reg, AddressAccess::Read);
}

std::string SetPointMaximumForType(int typePosition) {
  return std::to_string(ValueTypeMaxValue(kPanelQMSV, SetPointTypeFromPosition(typePosition)));
}

SetPointSwitch DecideSetPointSwitch(const SetPointList& list, int number, const SetPointSession& session) {
  int index = list.IndexOf(number);
  if (index < 0 && !session.editChanged && session.fieldsBlank && !session.selectedRow)
    return SetPointSwitch::ShowCleared;
  if (number == session.currentNumber && index >= 0 && !session.editChanged && session.selectedRow == index)
    return SetPointSwitch::Stay;
  return SetPointSwitch::LeaveEditThenShow;
}

void StoreSetPointPanel(TQMPanel& panel, const SetPointList& list, const TQMTag& reg, bool beeper) {
  TQMTag& stored = panel.lineRegisters[0];
  stored.encodedAddress = reg.encodedAddress;
  stored.addressAccess = reg.addressAccess;
  stored.address = reg.address;
  stored.tagName = reg.tagName;
  stored.valueType = reg.valueType;
  list.StoreInto(panel);
  panel.beeperEnabled = beeper;
}

}  // namespace lumora
