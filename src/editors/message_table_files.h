#pragma once
// "Export to CSV..." and "Import from CSV..." of the message editors: the file prompt, the file written or
// read, and what the user is told. The table itself is model/message_csv.

#include <string>

namespace lumora {
class AddressCheck;
class Interaction;
class TQMPanel;
}  // namespace lumora

namespace lumora::gui {

// Asks for a file and writes the panel's messages there. `projectFile` is never overwritten.
void ExportMessageTable(Interaction& ui, const TQMPanel& panel, const std::string& projectFile);

// Asks for a table and puts its messages in place of the panel's. On any problem the panel is left as it
// was and every problem is shown, one line each with its row and column. True when the messages changed.
bool ImportMessageTable(Interaction& ui, TQMPanel& panel, const std::string& projectFile, AddressCheck& addresses);

}  // namespace lumora::gui
