#include "editors/parsed_rich_edit.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <string>

namespace lumora::gui {
namespace {

const std::string k1 = "\xFF";
const std::string k2 = "\xFE";
const std::string k3 = "\xFD";
const std::string kPoint = "\xFC";

// One character of the control: what it shows and in which colour.
struct Shown {
  QChar character;
  QColor colour;
};

Shown ShownAt(const CParsedRichEdit& edit, int position) {
  QTextCursor cursor(edit.document());
  cursor.setPosition(position);
  cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
  QTextCharFormat format = cursor.charFormat();
  QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
  return {edit.document()->characterAt(position), colour};
}

void SendText(QWidget* widget, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

class ParsedRichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.show();
    edit.setFocus();
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&edit, key, modifiers);
  }
  void Type(const char* text) { QTest::keyClicks(&edit, text); }
  void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    Press(Qt::Key_V, Qt::ControlModifier);
  }
  void CaretTo(int position) {
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(position);
    edit.setTextCursor(cursor);
  }
  int Caret() const { return edit.textCursor().position(); }

  CParsedRichEdit edit;
  QSignalSpy lengths{&edit, &CParsedRichEdit::lengthChanged};
  QSignalSpy items{&edit, &CParsedRichEdit::itemPresenceChanged};
  QSignalSpy pointGone{&edit, &CParsedRichEdit::decimalPointRemoved};
  QSignalSpy edits{&edit, &CParsedRichEdit::edited};
  QSignalSpy enters{&edit, &CParsedRichEdit::enterPressed};
};

TEST_F(ParsedRichEditTest, TypedTextIsStoredAsTypedAndATypedPointStaysPlain) {
  Type("TEMP 12.5");
  EXPECT_EQ(edit.ModelText(), "TEMP 12.5");
  EXPECT_EQ(edit.Length(), 9);
  EXPECT_EQ(lengths.size(), 9);
  EXPECT_EQ(lengths.last().at(0).toInt(), 9);
  EXPECT_EQ(edits.size(), 9);
  EXPECT_TRUE(items.isEmpty());
  // Behind a red "1" a typed "." is still an ordinary character.
  Press(Qt::Key_1, Qt::ControlModifier);
  Type(".");
  EXPECT_EQ(edit.ModelText(), "TEMP 12.5" + k1 + ".");
  EXPECT_FALSE(ShownAt(edit, 10).colour.isValid());
  EXPECT_TRUE(pointGone.isEmpty());
}

TEST_F(ParsedRichEditTest, DataKeysInsertColouredPositionsAndTellTheDialog) {
  Type("A");
  Press(Qt::Key_1, Qt::ControlModifier);
  Press(Qt::Key_F5);
  Press(Qt::Key_2, Qt::ControlModifier);
  Press(Qt::Key_F6);
  Press(Qt::Key_3, Qt::ControlModifier);
  Press(Qt::Key_F7);
  Type("Z");
  EXPECT_EQ(edit.ModelText(), "A" + k1 + k1 + k2 + k2 + k3 + k3 + "Z");
  EXPECT_EQ(edit.toPlainText(), QString("A112233Z"));
  EXPECT_EQ(ShownAt(edit, 1).colour, QColor(255, 0, 0));
  EXPECT_EQ(ShownAt(edit, 3).colour, QColor(0, 0, 255));
  EXPECT_EQ(ShownAt(edit, 5).colour, QColor(0, 128, 0));
  EXPECT_FALSE(ShownAt(edit, 7).colour.isValid());
  ASSERT_EQ(items.size(), 6);
  const int expected[] = {1, 1, 2, 2, 3, 3};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(items.at(i).at(0).toInt(), expected[i]);
    EXPECT_TRUE(items.at(i).at(1).toBool());
  }
  EXPECT_EQ(edits.size(), 8);
  // Other Ctrl keys change nothing (Ctrl+Z and Ctrl+Y are undo and redo).
  for (Qt::Key key : {Qt::Key_B, Qt::Key_4, Qt::Key_Left})
    Press(key, Qt::ControlModifier);
  EXPECT_EQ(edit.ModelText(), "A" + k1 + k1 + k2 + k2 + k3 + k3 + "Z");
  EXPECT_EQ(edits.size(), 8);
}

TEST_F(ParsedRichEditTest, ACaretAfterTheDecimalPointStillGrowsDataItemOne) {
  edit.SetModelText("T" + k1);
  ASSERT_TRUE(edit.SetDecimalPoint(true));
  EXPECT_EQ(edit.ModelText(), "T" + k1 + kPoint);
  EXPECT_EQ(ShownAt(edit, 2).character, QChar('.'));
  EXPECT_EQ(ShownAt(edit, 2).colour, QColor(255, 0, 0));
  Press(Qt::Key_End);
  Press(Qt::Key_F5);
  EXPECT_EQ(edit.ModelText(), "T" + k1 + k1 + kPoint);
  EXPECT_EQ(Caret(), 3);  // behind the last position of data item 1
  // A plain character between the digits and the point pushes the point back behind the digits.
  Type("x");
  EXPECT_EQ(edit.ModelText(), "T" + k1 + k1 + kPoint + "x");
  EXPECT_EQ(Caret(), 5);
  Type("y");
  EXPECT_EQ(edit.ModelText(), "T" + k1 + k1 + kPoint + "xy");
}

TEST_F(ParsedRichEditTest, TwentyCharactersTakeNoMore) {
  Type("ABCDEFGHIJKLMNOPQRS");
  Press(Qt::Key_F5);
  ASSERT_EQ(edit.Length(), 20);
  items.clear();
  lengths.clear();
  edits.clear();
  Press(Qt::Key_F5);
  Press(Qt::Key_2, Qt::ControlModifier);
  Type("TUV");
  EXPECT_EQ(edit.ModelText(), "ABCDEFGHIJKLMNOPQRS" + k1);
  EXPECT_TRUE(items.isEmpty());
  EXPECT_TRUE(lengths.isEmpty());
  EXPECT_TRUE(edits.isEmpty());
  // Typing over a selection still works: it does not make the text longer.
  Press(Qt::Key_Home);
  Press(Qt::Key_Right, Qt::ShiftModifier);
  Type("z");
  EXPECT_EQ(edit.ModelText(), "zBCDEFGHIJKLMNOPQRS" + k1);
}

TEST_F(ParsedRichEditTest, AFolderTakesNineteenCharactersAndNoData) {
  edit.SetMaxLength(19);
  edit.SetDataAllowed(false);
  EXPECT_EQ(edit.MaxLength(), 19);
  EXPECT_FALSE(edit.DataAllowed());
  Press(Qt::Key_F5);
  Press(Qt::Key_2, Qt::ControlModifier);
  Press(Qt::Key_F7);
  EXPECT_EQ(edit.Length(), 0);
  Type("SETTINGS AND VALUES OF THE OVEN");
  EXPECT_EQ(edit.ModelText(), "SETTINGS AND VALUES");
  EXPECT_TRUE(items.isEmpty());
}

TEST(ParsedRichEditShortcutTest, DataKeysReachTheTextBeforeTheWindowsShortcuts) {
  QWidget window;
  auto* edit = new CParsedRichEdit(&window);
  int triggered = 0;
  for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_1), QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_Q)}) {
    auto* action = new QAction(&window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, [&triggered] { ++triggered; });
    window.addAction(action);
  }
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_1, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_F6);
  EXPECT_EQ(edit->ModelText(), k1 + k2);
  EXPECT_EQ(triggered, 0);
  // The window's other shortcuts still work from the text.
  QTest::keyClick(edit, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(triggered, 1);
}

TEST_F(ParsedRichEditTest, AnItemGrowsToTenPositionsAtMost) {
  Press(Qt::Key_F6, Qt::NoModifier, 12);
  EXPECT_EQ(edit.ModelText(), std::string(10, '\xFE'));
  EXPECT_EQ(items.size(), 10);
  Press(Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(edit.ModelText(), std::string(10, '\xFE') + k3);
}

TEST_F(ParsedRichEditTest, DeletingTheOnlyItemOnePositionTakesTheDecimalPointWithIt) {
  edit.SetModelText("A" + k1 + kPoint + "B" + k2);
  items.clear();
  CaretTo(2);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(edit.ModelText(), "AB" + k2);
  ASSERT_EQ(items.size(), 1);
  EXPECT_EQ(items.at(0).at(0).toInt(), 1);
  EXPECT_FALSE(items.at(0).at(1).toBool());
  EXPECT_EQ(pointGone.size(), 1);
  EXPECT_EQ(lengths.last().at(0).toInt(), 3);
  EXPECT_EQ(Caret(), 1);
  // Delete takes the last position of item 2.
  Press(Qt::Key_End);
  Press(Qt::Key_Left);
  Press(Qt::Key_Delete);
  EXPECT_EQ(edit.ModelText(), "AB");
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items.at(1).at(0).toInt(), 2);
  EXPECT_FALSE(items.at(1).at(1).toBool());
  EXPECT_EQ(pointGone.size(), 1);
}

TEST_F(ParsedRichEditTest, DeletingThePointLeavesItemOne) {
  edit.SetModelText(k1 + k1 + kPoint + "%");
  items.clear();
  CaretTo(3);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(edit.ModelText(), k1 + k1 + "%");
  EXPECT_EQ(pointGone.size(), 1);
  EXPECT_TRUE(items.isEmpty());
  // Removing one of two positions keeps the item.
  Press(Qt::Key_Home);
  Press(Qt::Key_Delete);
  EXPECT_EQ(edit.ModelText(), k1 + "%");
  EXPECT_TRUE(items.isEmpty());
}

TEST_F(ParsedRichEditTest, DeletingTheLastItemOnePositionMovesThePointToTheOneBefore) {
  edit.SetModelText(k1 + "x" + k1 + kPoint);
  CaretTo(3);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(edit.ModelText(), k1 + kPoint + "x");
  EXPECT_TRUE(pointGone.isEmpty());
}

TEST_F(ParsedRichEditTest, TheDecimalPointNeedsRoom) {
  edit.SetModelText("PRESSURE     " + k1 + k1 + k1 + k1 + "BAR");
  ASSERT_EQ(edit.Length(), 20);
  lengths.clear();
  EXPECT_FALSE(edit.SetDecimalPoint(true));
  EXPECT_EQ(edit.ModelText(), "PRESSURE     " + k1 + k1 + k1 + k1 + "BAR");
  EXPECT_TRUE(lengths.isEmpty());
  // One character less and it fits.
  CaretTo(20);
  Press(Qt::Key_Backspace);
  EXPECT_TRUE(edit.SetDecimalPoint(true));
  EXPECT_EQ(edit.ModelText(), "PRESSURE     " + k1 + k1 + k1 + k1 + kPoint + "BA");
  EXPECT_EQ(lengths.last().at(0).toInt(), 20);
  EXPECT_TRUE(edit.SetDecimalPoint(true));  // already there
  EXPECT_EQ(edit.Length(), 20);
  EXPECT_TRUE(edit.SetDecimalPoint(false));
  EXPECT_EQ(edit.ModelText(), "PRESSURE     " + k1 + k1 + k1 + k1 + "BA");
  EXPECT_TRUE(pointGone.isEmpty());  // the dialog's own doing
}

TEST_F(ParsedRichEditTest, EnterTellsTheDialogAndInsertsNothing) {
  Type("OK");
  Press(Qt::Key_Return);
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(enters.size(), 2);
  EXPECT_EQ(edit.ModelText(), "OK");
}

TEST_F(ParsedRichEditTest, CaretKeysMoveWhereTheNextCharacterGoes) {
  Type("BC");
  Press(Qt::Key_Home);
  Type("A");
  Press(Qt::Key_End);
  Type("E");
  Press(Qt::Key_Left);
  Type("D");
  Press(Qt::Key_Left, Qt::NoModifier, 2);
  Press(Qt::Key_Right);
  EXPECT_EQ(Caret(), 3);
  EXPECT_EQ(edit.ModelText(), "ABCDE");
}

TEST_F(ParsedRichEditTest, CharactersThePanelCannotShowAreRefused) {
  Type("AB");
  lengths.clear();
  edits.clear();
  for (char16_t c : {u'\u00E9', u'\u00B0', u'\u20AC', u'\t', u'\u001B', u'\u00FF'}) SendText(&edit, QString(QChar(c)));
  Press(Qt::Key_Tab);
  EXPECT_EQ(edit.ModelText(), "AB");
  EXPECT_TRUE(lengths.isEmpty());
  EXPECT_TRUE(edits.isEmpty());
}

TEST_F(ParsedRichEditTest, PasteIsFilteredAndClipped) {
  Type("V=");
  Paste(QString::fromUtf8("12\t3\u00B0C\n4"));
  EXPECT_EQ(edit.ModelText(), "V=123C4");
  // Only what the panel can show, and only as much as fits.
  Paste("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(edit.ModelText(), "V=123C4ABCDEFGHIJKLM");
  lengths.clear();
  Paste("N");
  EXPECT_EQ(edit.Length(), 20);
  EXPECT_TRUE(lengths.isEmpty());
  // Nothing showable: nothing happens.
  Press(Qt::Key_Home);
  Press(Qt::Key_End, Qt::ShiftModifier);
  Paste(QString::fromUtf8("\u00E9\u00E8"));
  EXPECT_EQ(edit.ModelText(), "V=123C4ABCDEFGHIJKLM");
  EXPECT_TRUE(lengths.isEmpty());
}

TEST_F(ParsedRichEditTest, PastedTextIsPlainEvenWhenItComesColoured) {
  auto* data = new QMimeData;
  data->setHtml("<span style=\"color:#ff0000\">1</span><b>2</b>");
  data->setText("12");
  QApplication::clipboard()->setMimeData(data);
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.ModelText(), "12");
  EXPECT_FALSE(ShownAt(edit, 0).colour.isValid());
  EXPECT_TRUE(items.isEmpty());
  // Shift+Insert pastes too, over the selection.
  QApplication::clipboard()->setText("x");
  Press(Qt::Key_Left, Qt::ShiftModifier);
  Press(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit.ModelText(), "1x");
}

TEST_F(ParsedRichEditTest, CopyGivesTheShownTextAndCutTellsWhatWentAway) {
  edit.SetModelText("T=" + k1 + kPoint + k2);
  items.clear();
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_C, Qt::ControlModifier);
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(copied->text(), QString("T=1.2"));
  EXPECT_FALSE(copied->hasHtml());
  EXPECT_EQ(edit.ModelText(), "T=" + k1 + kPoint + k2);
  CaretTo(2);
  Press(Qt::Key_End, Qt::ShiftModifier);
  Press(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString("1.2"));
  EXPECT_EQ(edit.ModelText(), "T=");
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items.at(0).at(0).toInt(), 1);
  EXPECT_EQ(items.at(1).at(0).toInt(), 2);
  EXPECT_EQ(pointGone.size(), 1);
}

TEST_F(ParsedRichEditTest, SettingTheTextColoursItAndNamesItsItems) {
  const std::string text = "A" + k3 + k1 + kPoint + "\xB0" + k2;
  edit.SetModelText(text);
  EXPECT_EQ(edit.ModelText(), text);
  EXPECT_EQ(edit.toPlainText(), QString::fromLatin1("A31.\xB0" "2"));
  EXPECT_EQ(ShownAt(edit, 1).colour, QColor(0, 128, 0));
  EXPECT_EQ(ShownAt(edit, 3).colour, QColor(255, 0, 0));
  EXPECT_FALSE(ShownAt(edit, 4).colour.isValid());
  ASSERT_EQ(items.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(items.at(i).at(0).toInt(), i + 1);
    EXPECT_TRUE(items.at(i).at(1).toBool());
  }
  EXPECT_EQ(lengths.last().at(0).toInt(), 6);
  EXPECT_TRUE(edits.isEmpty());
  // A new text replaces the old one without any removal notices.
  edit.SetModelText("PLAIN");
  EXPECT_EQ(edit.ModelText(), "PLAIN");
  EXPECT_EQ(items.size(), 3);
  EXPECT_TRUE(pointGone.isEmpty());
}

TEST_F(ParsedRichEditTest, AChangeMadeBehindItsBackIsSettledAfterwards) {
  edit.SetModelText("A" + k1 + kPoint);
  items.clear();
  // What a drag that moves text out of the control does: the control removes the selection itself.
  QTextCursor cursor(edit.document());
  cursor.setPosition(1);
  cursor.setPosition(2, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  QCoreApplication::processEvents();
  EXPECT_EQ(edit.ModelText(), "A");
  ASSERT_EQ(items.size(), 1);
  EXPECT_FALSE(items.at(0).at(1).toBool());
  EXPECT_EQ(pointGone.size(), 1);
  EXPECT_EQ(edits.size(), 1);
}

TEST_F(ParsedRichEditTest, UndoTakesBackTheLastTypingStepAndRedoMakesItAgain) {
  QSignalSpy presence(&edit, &CParsedRichEdit::itemPresenceChanged);
  Type("TANK ");
  Press(Qt::Key_F5, Qt::NoModifier, 3);  // three positions of item 1: one step each
  Type(" %");
  Press(Qt::Key_Left, Qt::NoModifier, 2);
  Press(Qt::Key_Backspace);  // the last position of item 1 goes
  ASSERT_EQ(edit.ModelText(), "TANK " + k1 + k1 + " %");
  const std::vector<std::string> steps = {
      "TANK " + k1 + k1 + k1 + " %",  // before the backspace
      "TANK " + k1 + k1 + k1,         // before " %", typed in one go
      "TANK " + k1 + k1,
      "TANK " + k1,
      "TANK ",  // before the first position
      "",       // before "TANK ", typed in one go
  };
  for (const std::string& text : steps) {
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.ModelText(), text);
  }
  Press(Qt::Key_Z, Qt::ControlModifier);  // nothing more to undo
  EXPECT_EQ(edit.ModelText(), "");
  // Item 1 went with its last position, and the dialog heard it.
  ASSERT_FALSE(presence.isEmpty());
  EXPECT_EQ(presence.last(), (QList<QVariant>{1, false}));
  for (size_t i = steps.size() - 1; i-- > 0;) {
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit.ModelText(), steps[i]);
  }
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(edit.ModelText(), "TANK " + k1 + k1 + " %");
  EXPECT_EQ(presence.last(), (QList<QVariant>{1, true}));

  // The dialog setting the text or the decimal point starts a new history.
  edit.SetModelText("PUMP");
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit.ModelText(), "PUMP");
}

TEST_F(ParsedRichEditTest, AssistiveToolsReadTheShownText) {
  edit.setAccessibleName("Message Text");
  edit.SetModelText("LEVEL " + k1 + k1 + kPoint + k1);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&edit);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Name), QString("Message Text"));
  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), QString("LEVEL 11.1"));
}

}  // namespace
}  // namespace lumora::gui
