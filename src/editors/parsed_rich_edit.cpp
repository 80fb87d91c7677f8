#include "editors/parsed_rich_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "model/message_text.h"
#include "report/latin1.h"

namespace lumora::gui {
namespace {

constexpr int kMaxItemPositions = 10;

bool IsTypeable(QChar c) {
  return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

bool HasDecimalPoint(const std::string& text) {
  return text.find(static_cast<char>(kMarkerDecimalPoint)) != std::string::npos;
}

// Where the caret belongs after the decimal point moved: behind the same number of other characters.
int CaretAfterPlacing(const std::string& before, int caret, const std::string& after) {
  int others = 0;
  for (int i = 0; i < caret && i < static_cast<int>(before.size()); ++i) {
    if (static_cast<unsigned char>(before[static_cast<size_t>(i)]) != kMarkerDecimalPoint) ++others;
  }
  int position = 0;
  while (others > 0 && position < static_cast<int>(after.size())) {
    if (static_cast<unsigned char>(after[static_cast<size_t>(position)]) != kMarkerDecimalPoint) --others;
    ++position;
  }
  return position;
}

bool IsUndoKey(const QKeyEvent& event) {
  return event.matches(QKeySequence::Undo);
}

bool IsRedoKey(const QKeyEvent& event) {
  return event.matches(QKeySequence::Redo) || (event.key() == Qt::Key_Y && event.modifiers() == Qt::ControlModifier);
}

// Ctrl+1..3 and F5..F7: the data item the key inserts, 0 for other keys.
int DataKeyItem(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_F5 && key <= Qt::Key_F7) return key - Qt::Key_F5 + 1;
  if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_1 && key <= Qt::Key_3) return key - Qt::Key_1 + 1;
  return 0;
}

int MarkerItem(unsigned char byte) {
  switch (byte) {
    case kMarkerData1:
    case kMarkerDecimalPoint:
      return 1;
    case kMarkerData2:
      return 2;
    case kMarkerData3:
      return 3;
    default:
      return 0;
  }
}

}  // namespace

QColor DataItemColor(int item) {
  switch (item) {
    case 1:
      return QColor(255, 0, 0);
    case 2:
      return QColor(0, 0, 255);
    case 3:
      return QColor(0, 128, 0);
    default:
      return QColor();
  }
}

CParsedRichEdit::CParsedRichEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  // The control is rebuilt from the model text after each change, so its own history would not match:
  // undo and redo keep states of the model text (UndoEdit, RedoEdit).
  setUndoRedoEnabled(false);
  setTabChangesFocus(true);
  setLineWrapMode(QTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // One character per panel column.
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Composed input would bypass the key filter; the panel shows ASCII only anyway.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  connect(document(), &QTextDocument::contentsChanged, this, &CParsedRichEdit::OnContentsChanged);
}

void CParsedRichEdit::SetModelText(const std::string& text) {
  ForgetEdits();
  model_ = text;
  Render(std::min(textCursor().position(), static_cast<int>(model_.size())));
  for (int item = 1; item <= 3; ++item) {
    if (MessageHasDataItem(model_, item)) emit itemPresenceChanged(item, true);
  }
  emit lengthChanged(Length());
}

std::string CParsedRichEdit::ModelText() const {
  return model_;
}

void CParsedRichEdit::SetMaxLength(int length) {
  maxLength_ = std::max(0, length);
}

int CParsedRichEdit::MaxLength() const {
  return maxLength_;
}

void CParsedRichEdit::SetDataAllowed(bool allowed) {
  dataAllowed_ = allowed;
}

bool CParsedRichEdit::DataAllowed() const {
  return dataAllowed_;
}

bool CParsedRichEdit::SetDecimalPoint(bool on) {
  std::string text = model_;
  if (on) {
    if (HasDecimalPoint(text)) return true;
    if (!InsertDecimalPoint(text, maxLength_).empty()) return false;
  } else {
    text = RemoveDecimalPoint(text);
  }
  if (text == model_) return true;
  ForgetEdits();
  int caret = CaretAfterPlacing(model_, textCursor().position(), text);
  model_ = text;
  Render(caret);
  emit lengthChanged(Length());
  return true;
}

int CParsedRichEdit::Length() const {
  return static_cast<int>(model_.size());
}

bool CParsedRichEdit::InsertDataPosition(int item) {
  unsigned char marker = DataItemMarker(item);
  if (marker == 0 || !dataAllowed_ || Length() >= maxLength_ || DataItemWidth(model_, item) >= kMaxItemPositions)
    return false;
  BeginEdit(EditKind::Other);
  QTextCharFormat format;
  format.setForeground(DataItemColor(item));
  QTextCursor cursor = textCursor();
  cursor.clearSelection();
  changing_ = true;
  cursor.insertText(QString(QChar(u'0' + item)), format);
  changing_ = false;
  Reconcile(true);
  if (item == 1) {
    size_t last = model_.rfind(static_cast<char>(kMarkerData1));
    QTextCursor after = textCursor();
    after.setPosition(static_cast<int>(last) + 1);
    setTextCursor(after);
  }
  emit itemPresenceChanged(item, true);
  return true;
}

QSize CParsedRichEdit::sizeHint() const {
  QFontMetrics metrics(font());
  int frame = 2 * frameWidth() + 2 * static_cast<int>(document()->documentMargin());
  return QSize(metrics.horizontalAdvance(QLatin1Char('M')) * (std::max(maxLength_, 1) + 2) + frame,
               metrics.height() + frame);
}

QSize CParsedRichEdit::minimumSizeHint() const {
  QSize hint = sizeHint();
  return QSize(hint.width() / 2, hint.height());
}

bool CParsedRichEdit::event(QEvent* event) {
  // The data keys and undo/redo belong to the text while it has the focus, whatever shortcuts the dialog
  // holds.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (DataKeyItem(key) != 0 || IsUndoKey(key) || IsRedoKey(key)) {
      event->accept();
      return true;
    }
  }
  return QTextEdit::event(event);
}

void CParsedRichEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copy();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    CutSelection();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    paste();
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) {
    selectAll();
    return;
  }
  if (IsUndoKey(*event)) {
    UndoEdit();
    return;
  }
  if (IsRedoKey(*event)) {
    RedoEdit();
    return;
  }
  if (int item = DataKeyItem(*event); item != 0) {
    InsertDataPosition(item);
    return;
  }
  const int key = event->key();
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit enterPressed();
      return;
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // The dialog's: Esc is its to swallow, Tab moves the focus.
      QTextEdit::keyPressEvent(event);
      return;
    default:
      break;
  }
  if (event->modifiers() & Qt::ControlModifier) return;  // every other Ctrl key is ignored
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      QTextEdit::keyPressEvent(event);
      return;
    case Qt::Key_Backspace:
      DeleteAtCaret(true);
      return;
    case Qt::Key_Delete:
      DeleteAtCaret(false);
      return;
    default:
      break;
  }
  const QString text = event->text();
  if (text.isEmpty() || (event->modifiers() & Qt::AltModifier)) {
    event->ignore();  // function keys, Alt mnemonics: the dialog's
    return;
  }
  // A key that produces something the panel cannot show is refused without touching the text.
  if (text.size() == 1 && IsTypeable(text.front())) InsertPlain(text);
}

void CParsedRichEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Committed text goes through the same filter as typing.
  if (!event->commitString().isEmpty()) {
    QString text;
    for (QChar c : event->commitString()) {
      if (IsTypeable(c)) text.append(c);
    }
    if (!text.isEmpty()) InsertPlain(text);
  }
  event->accept();
}

void CParsedRichEdit::contextMenuEvent(QContextMenuEvent* event) {
  // Our own menu: the standard one also offers to insert Unicode control characters.
  QMenu menu(this);
  bool selected = textCursor().hasSelection();
  QAction* cutAction = menu.addAction(tr("Cu&t"), this, &CParsedRichEdit::CutSelection);
  cutAction->setEnabled(selected);
  menu.addAction(tr("&Copy"), this, &QTextEdit::copy)->setEnabled(selected);
  menu.addAction(tr("&Paste"), this, &QTextEdit::paste)->setEnabled(canPaste());
  menu.addAction(tr("&Delete"), this, [this] { DeleteAtCaret(false); })->setEnabled(selected);
  menu.addSeparator();
  menu.addAction(tr("Select &All"), this, &QTextEdit::selectAll)->setEnabled(!model_.empty());
  menu.exec(event->globalPos());
}

bool CParsedRichEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void CParsedRichEdit::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  QString text;
  for (QChar c : source->text()) {
    if (IsTypeable(c)) text.append(c);
  }
  InsertPlain(text);
}

QMimeData* CParsedRichEdit::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(textCursor().selectedText());
  return data;
}

void CParsedRichEdit::InsertPlain(const QString& text) {
  QTextCursor cursor = textCursor();
  int selected = cursor.selectionEnd() - cursor.selectionStart();
  int room = maxLength_ - (Length() - selected);
  if (text.isEmpty() || room <= 0) return;
  BeginEdit(text.size() == 1 && selected == 0 ? EditKind::Typing : EditKind::Other);
  changing_ = true;
  cursor.insertText(text.left(room), QTextCharFormat());
  changing_ = false;
  setTextCursor(cursor);
  Reconcile(true);
}

void CParsedRichEdit::DeleteAtCaret(bool backwards) {
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) {
    if (backwards ? cursor.atStart() : cursor.atEnd()) return;
    cursor.movePosition(backwards ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter,
                        QTextCursor::KeepAnchor);
  }
  BeginEdit(EditKind::Other);
  changing_ = true;
  cursor.removeSelectedText();
  changing_ = false;
  setTextCursor(cursor);
  Reconcile(true);
}

void CParsedRichEdit::CutSelection() {
  if (!textCursor().hasSelection()) return;
  copy();
  DeleteAtCaret(false);
}

std::string CParsedRichEdit::RebuildFromControl() const {
  std::string text;
  const QColor red = DataItemColor(1), blue = DataItemColor(2), green = DataItemColor(3);
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block != document()->begin()) text.push_back('\n');
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      QTextCharFormat format = fragment.charFormat();
      QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
      for (QChar c : fragment.text()) {
        if (colour == red) {
          text.push_back(static_cast<char>(c == u'1' ? kMarkerData1 : kMarkerDecimalPoint));
        } else if (colour == blue) {
          text.push_back(static_cast<char>(kMarkerData2));
        } else if (colour == green) {
          text.push_back(static_cast<char>(kMarkerData3));
        } else {
          text.push_back(c.unicode() < 0x100 ? static_cast<char>(c.unicode()) : '?');
        }
      }
    }
  }
  return text;
}

void CParsedRichEdit::Render(int caret) {
  changing_ = true;
  QTextCursor cursor(document());
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  cursor.setCharFormat(QTextCharFormat());
  const std::string shown = MessageDisplayText(model_);
  // Runs of one colour go in as one piece.
  size_t start = 0;
  while (start < model_.size()) {
    int item = MarkerItem(static_cast<unsigned char>(model_[start]));
    size_t end = start + 1;
    while (end < model_.size() && MarkerItem(static_cast<unsigned char>(model_[end])) == item) ++end;
    QTextCharFormat format;
    if (item != 0) format.setForeground(DataItemColor(item));
    cursor.insertText(FromLatin1(std::string_view(shown).substr(start, end - start)), format);
    start = end;
  }
  cursor.setPosition(std::clamp(caret, 0, static_cast<int>(model_.size())));
  setTextCursor(cursor);
  // What follows the last character starts plain again.
  setCurrentCharFormat(QTextCharFormat());
  changing_ = false;
}

void CParsedRichEdit::BeginEdit(EditKind kind) {
  editStart_ = {model_, textCursor().selectionStart()};
  // Characters typed one after another, each where the last one ended, are one step.
  bool continues = kind == EditKind::Typing && lastEdit_ == EditKind::Typing && !undo_.empty() &&
                   textCursor().position() == typingEnd_;
  lastEdit_ = kind;
  if (continues) return;
  undo_.push_back(editStart_);
  redo_.clear();
}

void CParsedRichEdit::ForgetEdits() {
  undo_.clear();
  redo_.clear();
  lastEdit_ = EditKind::Other;
}

void CParsedRichEdit::UndoEdit() {
  // A step that changed nothing (a refused key) is passed over.
  while (!undo_.empty() && undo_.back().text == model_) undo_.pop_back();
  if (undo_.empty()) return;
  redo_.push_back({model_, textCursor().position()});
  TextState state = undo_.back();
  undo_.pop_back();
  RestoreState(state);
}

void CParsedRichEdit::RedoEdit() {
  if (redo_.empty()) return;
  undo_.push_back({model_, textCursor().position()});
  TextState state = redo_.back();
  redo_.pop_back();
  RestoreState(state);
}

void CParsedRichEdit::RestoreState(const TextState& state) {
  lastEdit_ = EditKind::Other;
  const std::string before = model_;
  model_ = state.text;
  Render(state.caret);
  // The dialog hears of items and the decimal point as when the user makes the same change.
  for (int item = 1; item <= 3; ++item) {
    bool had = MessageHasDataItem(before, item);
    bool has = MessageHasDataItem(model_, item);
    if (had != has) emit itemPresenceChanged(item, has);
  }
  if (HasDecimalPoint(before) && !HasDecimalPoint(model_)) emit decimalPointRemoved();
  emit lengthChanged(Length());
  emit edited();
}

void CParsedRichEdit::Reconcile(bool byUser) {
  reconcilePending_ = false;
  const std::string before = model_;
  std::string text = RebuildFromControl();
  std::string placed = PlaceDecimalPoint(text);
  model_ = placed;
  if (placed != text) Render(CaretAfterPlacing(text, textCursor().position(), placed));
  if (lastEdit_ == EditKind::Typing) typingEnd_ = textCursor().position();
  // The decimal point is the dialog's to set: once a change took it away, nothing before comes back here.
  if (HasDecimalPoint(before) && !HasDecimalPoint(model_)) ForgetEdits();
  for (int item = 1; item <= 3; ++item) {
    if (MessageHasDataItem(before, item) && !MessageHasDataItem(model_, item)) emit itemPresenceChanged(item, false);
  }
  if (HasDecimalPoint(before) && !HasDecimalPoint(model_)) emit decimalPointRemoved();
  emit lengthChanged(Length());
  if (byUser) emit edited();
}

void CParsedRichEdit::OnContentsChanged() {
  if (changing_ || reconcilePending_) return;
  // A change that did not come through this class (a text dragged away): settle it once the control has
  // finished with it.
  reconcilePending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (reconcilePending_) Reconcile(true);
  });
}

}  // namespace lumora::gui
