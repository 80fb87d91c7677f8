#pragma once
// The short exchanges with a unit, run on a worker through unit_exchange.h: what a connected unit is,
// clearing the panels' memory, and checking a multiplexer set-up. Errors go to the context's sink as error events;
// a port that cannot be opened to a message box.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/translation.h"
#include "transfer/transfer_context.h"
#include "transfer/unit_information.h"

namespace lumora {

class Interaction;
class TQMProject;
class TQMStatusResp;

inline constexpr const char* kNoDriverText = QT_TRANSLATE_NOOP("Core", "No driver available on panel.");
inline constexpr const char* kMemoryClearedText = QT_TRANSLATE_NOOP("Core", "Panel(s) memory cleared");
inline constexpr const char* kVerifySameText =
    QT_TRANSLATE_NOOP("Core", "Project file on PC is same as the \nproject loaded in the panel");
inline constexpr const char* kVerifyDifferentText =
    QT_TRANSLATE_NOOP("Core", "Project file on PC is different from\nproject loaded in the panel");

const char* UnitAttributesText(int unitType);
// Driver-name mode 1 shows the PLC library's name for the ids, mode 0 "Multiplexer".
UnitInformation DescribeUnit(const TQMStatusResp& status, bool multiplexer, int driverNameMode,
                             Interaction& interaction);

// The connected panel (single-panel project) or multiplexer (multiplexer project); nothing when an error
// was reported. The context's project, port name and interaction are used; the driver is named after the
// PLC library with its ids.
std::optional<UnitInformation> QueryUnitInformation(TransferContext& context);
// The selected panel of a multiplexer project, through the multiplexer (its driver shows as "Multiplexer");
// nothing when the selected port has no panel or an error was reported.
std::optional<UnitInformation> QuerySelectedPanelInformation(TransferContext& context);
// Clears the one panel, or the multiplexer and every panel behind it.
bool ClearPanelMemory(TransferContext& context);
// The multiplexer and the panels behind it are the configured ones.
bool CheckMultiplexerSetup(TransferContext& context);

// What keeps a project from being written: the missing items of a panel without local messages (an
// empty list for a multiplexer project without panels); nothing when it may be written.
std::optional<std::vector<std::string>> IncompleteWriteItems(const TQMProject& project);

struct VerifyResult {
  bool same = false;
  std::string text;
  std::vector<std::string> differences;
};
VerifyResult CompareWithPanel(const TQMProject& onPc, const TQMProject& readFromPanel);

}  // namespace lumora
