// The one-message clipboard form: a message's file lines (leading-zero lines always present) in a text
// buffer, and a tag's lines taken from the front of such a buffer.

#include "model/clipboard_form.h"

#include <algorithm>
#include <exception>

#include "model/address_check.h"
#include "model/message_lines.h"
#include "model/project.h"
#include "model/text_lines.h"

namespace lumora {

void TQMTag::AppendTo(std::string& text) const {
  LineWriter writer("\n");
  Save(writer);
  text += writer.Text();
}

void TQMTag::LoadFrom(std::string& text) {
  LineReader reader(text);
  Load(reader);
  text.erase(0, std::min(reader.Position(), text.size()));
}

void TQMMessage::AppendTo(std::string& text) const {
  LineWriter writer("\n");
  WriteMessageLines(writer, *this, true);
  text += writer.Text();
}

void TQMMessage::LoadFrom(std::string& text) {
  LineReader reader(text);
  ReadMessageLines(reader, *this, true);
  text.erase(0, std::min(reader.Position(), text.size()));
}

std::string ClipboardText(const TQMMessage& message) {
  std::string text;
  message.AppendTo(text);
  text.push_back('\0');
  return text;
}

TQMMessage ReadClipboardMessage(std::string text, TQMProject* project, TQMPanel* panel) {
  if (size_t end = text.find('\0'); end != std::string::npos) text.resize(end);
  TQMMessage message(project, panel);
  message.text = "New";
  try {
    message.LoadFrom(text);
  } catch (const std::exception&) {
    message = TQMMessage(project, panel);
    message.text = "New";
  }
  message.SetOwners(project, panel);
  return message;
}

void RecheckPastedAddresses(TQMMessage& message, AddressCheck& check) {
  auto recheck = [&check](TQMTag& tag, AddressAccess access) {
    if (tag.IsEmpty() || !check.Check(tag, access)) return;
    tag.address.clear();
    tag.tagName.clear();
    tag.encodedAddress.clear();
  };
  recheck(message.data1, AccessOf(message.data1.accessType));
  if (message.data1.variableDecimal) message.data1.decimalPointTag.valueType = kBcd16;
  recheck(message.data1.decimalPointTag, AddressAccess::Read);
  recheck(message.data2, AddressAccess::Read);
  recheck(message.data3, AddressAccess::Read);
}

}  // namespace lumora
