#pragma once
// Small pieces every editor form shares. Address fields are made at run time (typed edit or tag picker),
// so the forms hold a placeholder for each; InstallField puts the real field in its place: same spot in
// the layout and the tab chain, the label's buddy and the accessible name follow.

#include <QString>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QObject;
class QWidget;

namespace lumora::gui {

// The questions both message editors ask, in English; EditorText gives them in the user's language.
inline constexpr const char* kSaveCurrentQuestion = QT_TRANSLATE_NOOP(
    "EditorForm", "You have made changes to the current message. Do you want to save them?");
inline constexpr const char* kSaveMessagesQuestion =
    QT_TRANSLATE_NOOP("EditorForm", "Do you want to save the changes made to Messages?");
inline constexpr const char* kDeleteQuestion = QT_TRANSLATE_NOOP("EditorForm", "Delete current message?");

// One of the texts above (context "EditorForm") in the user's language, Latin-1 as the interaction takes it.
std::string EditorText(const char* text);

// Replaces `placeholder` (deleted) by `field`; returns `field`.
QWidget* InstallField(QWidget* placeholder, QLabel* label, QWidget* field);
// A caption as a screen reader should say it: no mnemonic, no trailing colon, one line.
QString AccessibleText(const QString& caption);
// Names a field that has no caption of its own for assistive tools. On Linux a combo box is named only by
// the label whose buddy it is, so the field gets a hidden label.
void NameByHiddenLabel(QWidget* field, const QString& name);
// The four value types with their codes as item data.
void FillValueTypes(QComboBox* combo);
// Calls `slot` when the user changes an address field (a typed edit or a picked tag name).
void ConnectFieldEdited(QWidget* field, QObject* context, std::function<void()> slot);

}  // namespace lumora::gui
