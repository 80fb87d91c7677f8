// The one-message clipboard form: a message's file lines (leading-zero lines always present) in a text
// buffer, and a tag's lines taken from the front of such a buffer.

#include <algorithm>

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

}  // namespace lumora
