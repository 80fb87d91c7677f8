#pragma once
// The message editor's fields: the message text and its data items on the right of the dialog. Shows
// a message as a MessageForm, reads the form back, and says when the user changed a field; the dialog
// decides what the form means.

#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "editors/address_field.h"
#include "model/message_edit.h"

namespace Ui {
class DataItems;
class MessageDlg;
}

namespace lumora {
class Interaction;
class TQMMessage;
class TQMPanel;
}  // namespace lumora

namespace lumora::gui {

// Makes one address field of the variant: a typed address or a tag picker.
using AddressFieldFactory = std::function<std::unique_ptr<CAddressField>(QWidget* parent)>;

class CMessageFields : public QObject {
  Q_OBJECT

 public:
  // `dialog` hosts the address fields and sees the key presses of every field (Enter applies the edit).
  CMessageFields(Ui::MessageDlg& ui, const TQMPanel& panel, const AddressFieldFactory& makeField,
                 Interaction& interaction, QWidget* dialog);
  ~CMessageFields() override;

  CAddressField& AddressField(int item) const;  // 1..3, 4 the decimal point address
  // Fills the fields with `message` (none: empty and disabled); a PLC message shows its number.
  void Load(const TQMMessage* message, bool plc);
  MessageForm Read() const;
  QWidget* Widget(MessageField field) const;
  // `message` as the fields show it so far: its text, leading zeros and decimal point.
  TQMMessage Shown(const TQMMessage& message) const;

 signals:
  // The user changed a field.
  void edited();
  // Something the preview shows changed.
  void shownChanged();

 private:
  void Show(const MessageForm& form, bool plc);
  void Clear();
  void OnDecimalToggled(bool on);
  void OnType1Changed();

  Ui::MessageDlg& ui_;
  // The three data items' groups, a form of their own in the dialog's host row.
  std::unique_ptr<Ui::DataItems> items_;
  const TQMPanel& panel_;
  Interaction& interaction_;
  std::array<std::unique_ptr<CAddressField>, 4> fields_;
  int type1_ = 0;  // data item 1's type before the last change
  bool showing_ = false;
};

}  // namespace lumora::gui
