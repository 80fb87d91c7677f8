#pragma once
// The PLC library's own help on its address format, opened at the library's topic.

class QWidget;

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

// Opens `<Install Dir>/dll/<help file>#<topic>` in the help viewer; false when the library names none or
// the file is missing (the user is told through the project's interaction).
bool OpenPlcAddressHelp(const TQMProject& project);

}  // namespace lumora::gui
