#pragma once
// Small pieces every editor form shares. Address fields are made at run time (typed edit or tag picker),
// so the forms hold a placeholder for each; InstallField puts the real field in its place: same spot in
// the layout and the tab chain, the label's buddy and the accessible name follow.

#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;

namespace lumora::gui {

// Replaces `placeholder` (deleted) by `field`; returns `field`.
QWidget* InstallField(QWidget* placeholder, QLabel* label, QWidget* field);
// A caption as a screen reader should say it: no mnemonic, no trailing colon, one line.
QString AccessibleText(const QString& caption);
// The four value types with their codes as item data.
void FillValueTypes(QComboBox* combo);
// For a dialog without a page in the manual: the button stays in place, greyed, and says so. Dialogs with
// a page use ConnectHelpButton (editors/help_topics.h).
void DisableHelpButton(QAbstractButton* button);
inline constexpr const char* kHelpLaterText = "The user's manual comes with a later version.";

}  // namespace lumora::gui
