#pragma once
// Help buttons and F1: every dialog names its page of the user's manual; the application installs the
// viewer that shows it. Without a viewer (tests of a single dialog) a request does nothing.

#include <QString>
#include <functional>

class QAbstractButton;

namespace lumora::gui {

// The pages of the manual that windows and dialogs open.
inline constexpr const char* kHelpContents = "index.html";
inline constexpr const char* kHelpWelcome = "welcome.html";
inline constexpr const char* kHelpMainView = "main-view.html";
inline constexpr const char* kHelpMessages = "messages.html";
inline constexpr const char* kHelpButtonsLeds = "buttons-leds.html";
inline constexpr const char* kHelpAnnunciator = "annunciator.html";
inline constexpr const char* kHelpSystemAddresses = "system-addresses.html";
inline constexpr const char* kHelpSetPoint = "set-point.html";
inline constexpr const char* kHelpAddressDatabase = "addresses.html#database";
inline constexpr const char* kHelpConversionLog = "addresses.html#conversion-log";
inline constexpr const char* kHelpTransfer = "transfers.html";
inline constexpr const char* kHelpFirmware = "firmware.html";
inline constexpr const char* kHelpPanelInformation = "panel-information.html";
inline constexpr const char* kHelpHistory = "history.html";

// `topic` is a page of the manual ("messages.html#data") or a file URL (a PLC library's help page with
// its topic as the fragment). True when the viewer shows it.
using HelpViewer = std::function<bool(const QString& topic)>;
void SetHelpViewer(HelpViewer viewer);
bool ShowHelp(const QString& topic);

// The button opens `page`, and F1 anywhere in the button's dialog does the same. The page is kept in the
// button's "helpTopic" property.
void ConnectHelpButton(QAbstractButton* button, const QString& page);

}  // namespace lumora::gui
