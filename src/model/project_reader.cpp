// The reading half of the project file format: the load operations of every record and the file's
// overall layout.

#include "model/project_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "model/message_lines.h"
#include "model/message_text.h"
#include "model/project.h"
#include "model/text_lines.h"
#include "model/translation.h"

namespace lumora {
namespace {

// Loading stops without a message of its own (the document then shows Z002). A std::exception, so that
// the editors' paste, which reads messages through the same code, stops on it too.
class LoadRejected : public std::exception {
 public:
  explicit LoadRejected(std::string reason) : reason_(std::move(reason)) {}
  const char* what() const noexcept override { return reason_.c_str(); }
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

// Beyond these a file cannot be a project: no panel holds more messages, no PLC more attribute bytes.
constexpr int kMaxMessagesInFile = 512;
constexpr int kMaxAttributeBytesInFile = 65536 + 32;

// A line quoted in a reason: short, and without bytes a terminal would act on.
std::string Quoted(std::string text) {
  if (text.size() > 24) text = text.substr(0, 21) + "...";
  for (char& c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7E) c = '?';
  }
  return "\"" + text + "\"";
}

// The file ended before `what`: names the first line that is missing.
[[noreturn]] void ThrowMissing(const LineReader& file, const std::string& what) {
  throw LoadRejected(Arg(Arg(translate("Core", "the file ends early: line %1 (%2) is missing"),
                             static_cast<long long>(file.FirstMissingLine())),
                         what));
}

// A value stored in a narrower field than the file's numbers: the line must begin with a number, read by the
// format's rule, within the field's range. The lenient rule alone would wrap "300" into a byte as 44 and read
// "abc" as 0.
long long RangedNumber(LineReader& file, long long lowest, long long highest, const std::string& what) {
  std::string line = file.Line();
  if (file.PastEnd()) {
    if (file.FirstMissingLine() == file.LineNumber()) ThrowMissing(file, what);
    return std::clamp(0LL, lowest, highest);  // the file ended earlier: the caller names where
  }
  std::optional<long long> value = ParseLeadingNumber(line);
  if (!value || *value < lowest || *value > highest) {
    // The numbers first; the line read (which may hold "%N") last.
    std::string text = translate("Core", "line %1: %4 is %5, not a number from %2 to %3");
    text = Arg(Arg(Arg(std::move(text), static_cast<long long>(file.LineNumber())), lowest), highest);
    throw LoadRejected(Arg(Arg(std::move(text), what), Quoted(line)));
  }
  return *value;
}

std::string P007Text(int manufacturer, int model) {
  return Arg(Arg(translate("Core",
                           "Error P007: PLC dll for this PLC (Manufacturer ID : %1, Model ID : %2)\nnot "
                           "found in this system"),
                 manufacturer),
             model);
}

void ReadPlcSettings(LineReader& file, TQMProject& project) {
  TQMPlcSettings& settings = project.plcSettings;
  size_t firstLine = file.LineNumber() + 1;
  settings.plcName = file.Line();
  settings.libraryName = file.Line();
  settings.addressSize = file.Int();
  int byteCount = file.Int();
  if (file.PastEnd()) {
    static const char* const kHeaderLines[] = {
        QT_TRANSLATE_NOOP("Core", "the PLC name"), QT_TRANSLATE_NOOP("Core", "the PLC library name"),
        QT_TRANSLATE_NOOP("Core", "the address size"),
        QT_TRANSLATE_NOOP("Core", "the number of PLC attribute bytes")};
    ThrowMissing(file,
                 translate("Core", kHeaderLines[std::min<size_t>(file.FirstMissingLine() - firstLine, 3)]));
  }
  if (byteCount > kMaxAttributeBytesInFile)
    throw LoadRejected(translate("Core", "too many PLC attribute bytes"));
  settings.plcAttributes.clear();
  for (int i = 0; i < byteCount; ++i) {
    std::string what = Arg(Arg(translate("Core", "PLC attribute byte %1 of %2"), i + 1), byteCount);
    settings.plcAttributes.push_back(static_cast<uint8_t>(RangedNumber(file, 0, 255, what)));
  }
  if (settings.plcAttributes.size() < 2)
    throw LoadRejected(translate("Core", "the PLC attributes cannot name a PLC"));
  int manufacturer = settings.plcAttributes[0];
  int model = settings.plcAttributes[1];
  PlcCatalogueEntry entry;
  if (project.services.plc) entry = project.services.plc->LookupPlc(manufacturer, model);
  settings.plcName = entry.name;
  settings.libraryName = entry.path;
  if (settings.libraryName.empty()) throw TQMException(P007Text(manufacturer, model));
}

void ReadBody(LineReader& file, TQMProject& project, int version) {
  int systemType = file.Int();
  if (file.PastEnd()) ThrowMissing(file, translate("Core", "the system type"));
  if (systemType != static_cast<int>(SystemType::SinglePanel) &&
      systemType != static_cast<int>(SystemType::MultiPanel))
    throw LoadRejected(translate("Core", "unknown system type"));
  project.systemType = static_cast<SystemType>(systemType);
  project.multiplexer = TQMMultiplexer{};
  if (project.IsMultiPanel()) {
    for (int32_t& type : project.multiplexer.portType) {
      type = file.Int();
      if (type < 0 || type > 5)
        throw LoadRejected(translate("Core", "a multiplexer port type is out of range"));
    }
    project.multiplexer.selectedPort = file.Int();
    if (file.PastEnd()) ThrowMissing(file, translate("Core", "the multiplexer table"));
    if (project.multiplexer.selectedPort < 0 || project.multiplexer.selectedPort > 5)
      throw LoadRejected(translate("Core", "the selected multiplexer port is out of range"));
  }
  int count = file.Int();
  if (file.PastEnd()) ThrowMissing(file, translate("Core", "the number of panels"));
  if (project.IsMultiPanel() ? count != project.multiplexer.ConfiguredPortCount() : count != 1)
    throw LoadRejected(translate("Core", "the panel count does not match the system"));
  project.panels.clear();
  for (int i = 0; i < count; ++i) {
    auto panel = std::make_unique<TQMPanel>(&project, kPanelQM210);
    panel->Load(file, version);
    if (file.PastEnd()) ThrowMissing(file, Arg(Arg(translate("Core", "in panel %1 of %2"), i + 1), count));
    project.panels.push_back(std::move(panel));
  }
  ReadPlcSettings(file, project);
  // The tag-map flag ends every file; a linked file names its map on one more line.
  project.tagMapLinked = file.Int() == 1;
  if (file.PastEnd()) ThrowMissing(file, translate("Core", "the tag-map flag"));
  if (project.tagMapLinked) {
    project.tagMapPath = file.Line();
    if (file.PastEnd()) ThrowMissing(file, translate("Core", "the tag map's path"));
  }
}

}  // namespace

void ReadMessageLines(LineReader& file, TQMMessage& message, bool withLeadingZeros) {
  message.number = file.Int();
  message.text = file.Line();
  message.isPlcMessage = file.Int();
  if (message.isPlcMessage == 0) {
    message.isFolder = file.Int();
    message.level = static_cast<int16_t>(RangedNumber(
        file, INT16_MIN, INT16_MAX, Arg(translate("Core", "the menu level of message %1"), message.number)));
  }
  bool setPoint = message.IsSetPointPanel();
  if (setPoint || MessageHasDataItem(message.text, 1)) {
    if (setPoint) message.hasSetPoint = file.BoolExactlyOne();
    message.data1.Load(file);
  }
  if (MessageHasDataItem(message.text, 2)) message.data2.Load(file);
  if (MessageHasDataItem(message.text, 3)) message.data3.Load(file);
  if (withLeadingZeros) {
    for (bool& zero : message.leadingZeros)
      zero = file.BoolExactlyOne();
  }
}

void TQMTag::LoadTagLines(LineReader& file) {
  file.Line();  // "not used"
  int type = ParseLenientInt(file.Line());
  if (type < 0 || type > 3) {
    throw TQMException(Arg(translate("Core",
                                     "Error Z006: Unknown value type (%1) encountered while loading project. "
                                     "Known values are 0(BCD) and 1 (Binary)"),
                           type));
  }
  valueType = type;
  std::string entry = file.Line();
  size_t tab = entry.find('\t');
  if (tab == std::string::npos) {
    address = entry;
  } else {
    address = entry.substr(0, tab);
    tagName = entry.substr(tab + 1);
  }
}

void TQMTag::Load(LineReader& file) {
  LoadTagLines(file);
}

void TQMReadWriteTag::Load(LineReader& file) {
  passwordProtected = file.BoolNonZero();
  if (passwordProtected) useLocalPassword = file.BoolNonZero();
  variableDecimal = file.BoolNonZero();
  if (variableDecimal) {
    decimalPointTag.Load(file);
  } else {
    fixedDecimals = static_cast<int16_t>(
        RangedNumber(file, INT16_MIN, INT16_MAX, translate("Core", "a number of fixed decimals")));
  }
  limitsEnabled = file.BoolNonZero();
  if (limitsEnabled) {
    maxValue = file.Int();
    minValue = file.Int();
  }
  int access = file.Int();
  if (access < 0 || access > 2) {
    throw TQMException(translate("Core", "Error T007: Unknown access type specified for PLC Address."), "");
  }
  accessType = access;
  LoadTagLines(file);
}

void TQMMessage::Load(LineReader& file, int formatVersion) {
  ReadMessageLines(file, *this, formatVersion >= 1);
}

void TQMPanel::Load(LineReader& file, int formatVersion) {
  panelType = file.Int();
  port = file.Int();
  beeperEnabled = file.BoolExactlyOne();
  firstLocalNumber = file.Int();
  int count = file.Int();
  if (count > kMaxMessagesInFile) throw LoadRejected(translate("Core", "too many messages"));
  messages.clear();
  for (int i = 0; i < count; ++i) {
    TQMMessage message(project, this);
    message.Load(file, formatVersion);
    messages.push_back(std::move(message));
  }
  if (!IsSetPointPanel()) {
    for (size_t i = 0; i < 5; ++i) {
      buttonLeds.ledMode[i] = file.Int();
      buttonLeds.buttonMode[i] = file.Int();
    }
    buttonLeds.ledWord.Load(file);
    buttonLeds.buttonWord.Load(file);
    if (IsKeypadPanel()) annunciatorWord.Load(file);
  }
  buttonLeds.ledWord.valueType = kBinary16;
  buttonLeds.buttonWord.valueType = kBinary16;
  annunciatorWord.valueType = kBinary16;
  for (TQMTag& tag : lineRegisters)
    tag.Load(file);
  passwordRegister.Load(file);
  localPassword =
      static_cast<uint32_t>(RangedNumber(file, 0, UINT32_MAX, translate("Core", "the local password")));
  if (formatVersion >= 1) {
    plcMessageDelay = file.BoolExactlyOne();
    cursorOnPlcMessage = file.BoolExactlyOne();
  }
}

ProjectReadResult ReadProject(LineReader& file, TQMProject& project) {
  ProjectReadResult result;
  file.Rewind();
  std::string marker = file.Line();
  if (marker == kProjectMarkerV1) {
    result.formatVersion = 1;
  } else if (marker == kProjectMarkerV0) {
    result.formatVersion = 0;
  } else {
    result.failureReason = translate("Core", "not a project file");
    return result;
  }
  try {
    ReadBody(file, project, result.formatVersion);
    result.ok = true;
  } catch (const TQMException& error) {
    result.errorText = error.Text();
    result.errorCaption = error.Caption();
  } catch (const LoadRejected& rejected) {
    result.failureReason = rejected.Reason();
  }
  return result;
}

}  // namespace lumora
