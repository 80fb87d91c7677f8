#pragma once
// CParsedRichEdit: the message editor's text control. It shows a message text with its data-item markers
// as coloured characters (0xFF red "1", 0xFE blue "2", 0xFD green "3", 0xFC red ".") and keeps the model
// text (the bytes with markers) in step with what it shows.
//
// Keys: Enter emits enterPressed; Ctrl+1/F5, Ctrl+2/F6, Ctrl+3/F7 insert a position of data item 1, 2, 3;
// the caret keys move; Backspace and Delete delete. Of the other Ctrl keys only the clipboard ones work
// (Ctrl+X, Ctrl+C, Ctrl+V, Ctrl+A and their Shift+Delete / Ctrl+Insert / Shift+Insert forms); undo is off
// and the rest are ignored. Only printable ASCII (0x20..0x7E) can be typed or pasted. Copy puts the shown
// text on the clipboard as plain text, so a pasted "1" is an ordinary character: data positions are made
// only with their keys. Paste drops what the panel cannot show and clips to the room left.

#include <QColor>
#include <QTextEdit>
#include <string>
#include <vector>

namespace lumora::gui {

// The colours of data items 1..3 (item 1 also colours the decimal point); invalid for other items.
QColor DataItemColor(int item);

class CParsedRichEdit : public QTextEdit {
  Q_OBJECT

 public:
  explicit CParsedRichEdit(QWidget* parent = nullptr);

  // Shows `text` (Latin-1 bytes with markers) coloured; the text is kept as given. Emits
  // itemPresenceChanged(item, true) for every item found and lengthChanged, not edited.
  void SetModelText(const std::string& text);
  std::string ModelText() const;
  // Total characters the text may hold (markers included); an existing longer text is not clipped.
  void SetMaxLength(int length);
  int MaxLength() const;
  void SetDataAllowed(bool allowed);
  bool DataAllowed() const;
  // On: puts 0xFC right after the last 0xFF; false and no change when the text is already at MaxLength.
  // Off: removes it. Emits lengthChanged when the text changes.
  bool SetDecimalPoint(bool on);
  int Length() const;

  // What Ctrl+1..3 / F5..F7 do: false (nothing changes) at MaxLength, without dataAllowed, or when the
  // item already has its 10 positions.
  bool InsertDataPosition(int item);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void enterPressed();
  void lengthChanged(int length);
  // true: a position of the item was inserted (or SetModelText found the item); false: the user's change
  // took away the item's last position.
  void itemPresenceChanged(int item, bool present);
  // The user's change took away the 0xFC position (directly, or with the last position of data item 1).
  void decimalPointRemoved();
  void edited();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // What a user's change was, so that a run of typed characters undoes as one step.
  enum class EditKind { Typing, Other };
  struct TextState {
    std::string text;
    int caret = 0;
  };
  // Every change of the user goes through here first: it remembers the text to undo to.
  void BeginEdit(EditKind kind);
  // Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y: the text before (after) the last change, with what the dialog must
  // hear about data items that came or went.
  void UndoEdit();
  void RedoEdit();
  void RestoreState(const TextState& state);
  // The dialog set the text or the decimal point: changes before that cannot be taken back here.
  void ForgetEdits();

  void InsertPlain(const QString& text);
  void DeleteAtCaret(bool backwards);
  void CutSelection();
  std::string RebuildFromControl() const;
  void Render(int caret);
  // After every change of the control: takes the model text from it, keeps the decimal point in place
  // and tells the dialog what disappeared.
  void Reconcile(bool byUser);
  void OnContentsChanged();

  std::string model_;
  int maxLength_ = 20;
  bool dataAllowed_ = true;
  // Set while this class changes the control itself; other changes are reconciled afterwards.
  bool changing_ = false;
  bool reconcilePending_ = false;
  std::vector<TextState> undo_;
  std::vector<TextState> redo_;
  TextState editStart_;
  EditKind lastEdit_ = EditKind::Other;
  int typingEnd_ = -1;  // where the caret stood after the last typed character
};

}  // namespace lumora::gui
