#include "model/project_summary.h"

#include <algorithm>
#include <sstream>

#include "model/message_text.h"
#include "model/project.h"

namespace lumora {
namespace {

void AddressLine(std::ostringstream& out, const std::string& label, const TQMTag& tag) {
  if (tag.IsEmpty()) return;
  out << "    " << label << ": " << tag.address;
  if (!tag.tagName.empty()) out << " (" << tag.tagName << ")";
  out << "  " << ValueTypeText(tag.valueType) << "  " << tag.AccessText() << "\n";
}

// The display form, with bytes a terminal cannot show written as \xNN: every message is listed whole,
// whatever bytes it holds.
std::string ShownText(const std::string& text) {
  return PrintableText(MessageDisplayText(text));
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string shown;
  for (unsigned char byte : text) {
    if (byte >= 0x20 && byte < 0x7F) {
      shown += static_cast<char>(byte);
    } else {
      static const char kDigits[] = "0123456789ABCDEF";
      shown += "\\x";
      shown += kDigits[byte >> 4];
      shown += kDigits[byte & 0x0F];
    }
  }
  return shown;
}

std::string PrintableMessageText(std::string_view text) {
  std::string shown;
  for (size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    // The length of a well-formed UTF-8 character starting here (no overlong forms, no surrogates), else 0.
    size_t length = byte >= 0xC2 && byte <= 0xDF   ? 2
                    : byte >= 0xE0 && byte <= 0xEF ? 3
                    : byte >= 0xF0 && byte <= 0xF4 ? 4
                                                   : 0;
    bool whole = length > 0 && i + length <= text.size();
    for (size_t k = 1; whole && k < length; ++k)
      whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (whole && length == 3) {
      auto second = static_cast<unsigned char>(text[i + 1]);
      whole = !(byte == 0xE0 && second < 0xA0) && !(byte == 0xED && second >= 0xA0);
    }
    if (whole && length == 4) {
      auto second = static_cast<unsigned char>(text[i + 1]);
      whole = !(byte == 0xF0 && second < 0x90) && !(byte == 0xF4 && second >= 0x90);
    }
    if (whole) {
      shown.append(text.substr(i, length));
      i += length;
    } else {
      shown += PrintableText(text.substr(i, 1));
      ++i;
    }
  }
  return shown;
}

std::string SummarizeProject(const TQMProject& project) {
  std::ostringstream out;
  out << (project.IsMultiPanel() ? "Multi-panel system" : "Single panel system") << "\n";
  out << "PLC: " << project.plcSettings.plcName << " (manufacturer " << project.plcSettings.ManufacturerId()
      << ", model " << project.plcSettings.ModelId() << ")\n";
  if (project.tagMapLinked) out << "Tag map: " << project.tagMapPath << "\n";
  for (const auto& panelPtr : project.panels) {
    TQMPanel& panel = *panelPtr;
    out << "Port " << panel.port << ": " << panel.ModelText() << ", " << panel.messages.size()
        << " messages, " << panel.AddressCount() << " PLC addresses\n";
    for (const TQMMessage& message : panel.messages) {
      out << "  " << (message.isPlcMessage ? "PLC  " : "Local") << " " << message.number << "\t"
          << std::string(static_cast<size_t>(std::max(0, static_cast<int>(message.level)) * 2), ' ')
          << (message.isFolder ? "+" : "") << ShownText(message.text) << "\n";
      if (message.HasDataItem(1)) AddressLine(out, "Data 1", message.data1);
      if (message.HasDataItem(1) && message.data1.variableDecimal)
        AddressLine(out, "Decimal Point", message.data1.decimalPointTag);
      if (message.HasDataItem(2)) AddressLine(out, "Data 2", message.data2);
      if (message.HasDataItem(3)) AddressLine(out, "Data 3", message.data3);
    }
    if (panel.UsesButtons()) {
      AddressLine(out, "LED word", panel.buttonLeds.ledWord);
      AddressLine(out, "Button word", panel.buttonLeds.buttonWord);
    }
    if (panel.IsKeypadPanel()) AddressLine(out, "Annunciator word", panel.annunciatorWord);
    for (int i = 0; i < panel.LineCount() && i < 4; ++i) {
      AddressLine(out, "Line " + std::to_string(i + 1), panel.lineRegisters[static_cast<size_t>(i)]);
    }
    AddressLine(out, "Password register", panel.passwordRegister);
  }
  return out.str();
}

}  // namespace lumora
