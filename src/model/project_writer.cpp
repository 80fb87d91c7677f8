// The writing half of the project file format: the save operations of every record and the file's
// overall layout. Every value is one line; the reader follows the same order.

#include "model/file_io.h"
#include "model/message_lines.h"
#include "model/message_text.h"
#include "model/project.h"
#include "model/text_lines.h"

namespace lumora {

void TQMTag::SaveTagLines(LineWriter& file) const {
  file.Line("not used");
  file.Int(valueType);
  file.Line(address + "\t" + tagName);
}

void TQMTag::Save(LineWriter& file) const {
  SaveTagLines(file);
}

void TQMReadWriteTag::Save(LineWriter& file) const {
  file.Bool(passwordProtected);
  if (passwordProtected) file.Bool(useLocalPassword);
  file.Bool(variableDecimal);
  if (variableDecimal) {
    decimalPointTag.Save(file);
  } else {
    file.Int(fixedDecimals);
  }
  file.Bool(limitsEnabled);
  if (limitsEnabled) {
    file.Int(maxValue);
    file.Int(minValue);
  }
  file.Int(accessType);
  SaveTagLines(file);
}

void WriteMessageLines(LineWriter& file, const TQMMessage& message, bool withLeadingZeros) {
  file.Int(message.number);
  file.Line(message.text);
  file.Int(message.isPlcMessage);
  if (message.isPlcMessage == 0) {
    file.Int(message.isFolder);
    file.Int(message.level);
  }
  bool setPoint = message.IsSetPointPanel();
  if (setPoint || MessageHasDataItem(message.text, 1)) {
    if (setPoint) file.Bool(message.hasSetPoint);
    message.data1.Save(file);
  }
  if (MessageHasDataItem(message.text, 2)) message.data2.Save(file);
  if (MessageHasDataItem(message.text, 3)) message.data3.Save(file);
  if (withLeadingZeros) {
    for (bool zero : message.leadingZeros)
      file.Bool(zero);
  }
}

void TQMMessage::Save(LineWriter& file) const {
  WriteMessageLines(file, *this, true);
}

void TQMPanel::Save(LineWriter& file) const {
  file.Int(panelType);
  file.Int(port);
  file.Bool(beeperEnabled);
  file.Int(firstLocalNumber);
  file.Int(static_cast<long long>(messages.size()));
  for (const TQMMessage& message : messages)
    message.Save(file);
  if (!IsSetPointPanel()) {
    for (size_t i = 0; i < 5; ++i) {
      file.Int(buttonLeds.ledMode[i]);
      file.Int(buttonLeds.buttonMode[i]);
    }
    buttonLeds.ledWord.Save(file);
    buttonLeds.buttonWord.Save(file);
    if (IsKeypadPanel()) annunciatorWord.Save(file);
  }
  for (const TQMTag& tag : lineRegisters)
    tag.Save(file);
  passwordRegister.Save(file);
  file.Unsigned(localPassword);
  file.Bool(plcMessageDelay);
  file.Bool(cursorOnPlcMessage);
}

void TQMPlcSettings::Save(LineWriter& file) const {
  file.Line(plcName);
  // The file names the library; where it is installed is the reading program's business.
  file.Line(FileNamePart(libraryName));
  file.Int(addressSize);
  file.Int(static_cast<long long>(plcAttributes.size()));
  for (uint8_t byte : plcAttributes)
    file.Int(byte);
}

void TQMProject::Save(LineWriter& file) const {
  file.Line(kProjectMarkerV1);
  file.Int(static_cast<int32_t>(systemType));
  if (IsMultiPanel()) {
    for (int type : multiplexer.portType)
      file.Int(type);
    file.Int(multiplexer.selectedPort);
  }
  file.Int(static_cast<long long>(panels.size()));
  for (const auto& panel : panels)
    panel->Save(file);
  plcSettings.Save(file);
  file.Bool(tagMapLinked);
  if (tagMapLinked) file.Line(tagMapPath);
}

void TQMProject::SaveSelectedPanel(LineWriter& file) {
  TQMPanel* panel = CurrentPanel();
  file.Line(kProjectMarkerV1);
  file.Int(0);
  file.Int(panel ? 1 : 0);
  if (panel) {
    panel->port = 1;
    panel->Save(file);
  }
  plcSettings.Save(file);
  file.Bool(tagMapLinked);
  if (tagMapLinked) file.Line(tagMapPath);
}

}  // namespace lumora
