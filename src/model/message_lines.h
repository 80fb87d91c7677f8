#pragma once
// The lines of one message, shared by the project file and the one-message clipboard form.

namespace lumora {

class LineReader;
class LineWriter;
class TQMMessage;

// Version 0 files have no leading-zero lines; the clipboard form always has them.
void WriteMessageLines(LineWriter& file, const TQMMessage& message, bool withLeadingZeros);
void ReadMessageLines(LineReader& file, TQMMessage& message, bool withLeadingZeros);

}  // namespace lumora
