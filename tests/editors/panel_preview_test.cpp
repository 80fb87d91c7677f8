#include "editors/panel_preview.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QPixmap>

#include "model/codes.h"
#include "model/message.h"
#include "model/message_preview.h"

namespace lumora::gui {
namespace {

QImage Rendered(CPanelPreview& preview) {
  preview.resize(preview.sizeHint());
  return preview.grab().toImage();
}

bool HasColour(const QImage& image, const QColor& colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    }
  }
  return false;
}

TEST(PanelPreviewTest, LinesFitThePanelsDisplay) {
  CPanelPreview preview;
  preview.SetPanelType(kPanelQM410);
  preview.SetLines({"TANK", "", "A LINE LONGER THAN THE DISPLAY"});
  ASSERT_EQ(preview.Lines().size(), 4);
  EXPECT_EQ(preview.Lines()[0], QString("TANK").leftJustified(20));
  EXPECT_EQ(preview.Lines()[1], QString(20, QLatin1Char(' ')));
  EXPECT_EQ(preview.Lines()[2], QString("A LINE LONGER THAN T"));
  EXPECT_EQ(preview.Lines()[3], QString(20, QLatin1Char(' ')));
  // A smaller display keeps what fits.
  preview.SetPanelType(kPanelQM210G);
  EXPECT_EQ(preview.Lines(), QStringList({QString("TANK").leftJustified(20), QString(20, QLatin1Char(' '))}));
  preview.SetPanelType(kPanelQMSV);
  EXPECT_EQ(preview.Lines(), QStringList({QString("TANK").leftJustified(16)}));
  preview.SetPanelType(kPanelNone);
  EXPECT_TRUE(preview.Lines().isEmpty());
}

TEST(PanelPreviewTest, AMessageShowsAsThePanelWouldShowIt) {
  TQMMessage message;
  message.text = "LEVEL \xFF\xFF\xFF\xFF\xFF\xFC %";
  message.data1.variableDecimal = true;
  CPanelPreview preview;
  preview.SetPanelType(kPanelQM210);
  preview.ShowMessage(message);
  EXPECT_EQ(preview.Lines(), QStringList({"LEVEL  1234. %      ", QString(20, QLatin1Char(' '))}));
  preview.SetPanelType(kPanelQM410);
  preview.ShowMessage(message, 2);
  EXPECT_EQ(preview.Lines()[2], QString::fromLatin1(MessagePreviewLine(message, kPanelQM410).c_str()));
  EXPECT_EQ(preview.Lines()[0].trimmed(), QString());
}

TEST(PanelPreviewTest, EveryPanelRendersItsLines) {
  for (int type : {kPanelQM210, kPanelQM210G, kPanelQM210K, kPanelQM410, kPanelQMSV}) {
    SCOPED_TRACE(type);
    CPanelPreview preview;
    preview.SetPanelType(type);
    QImage blank = Rendered(preview);
    ASSERT_FALSE(blank.isNull());
    EXPECT_TRUE(HasColour(blank, panel_colours::kLcd));
    preview.SetLines({"8888888888888888888", "8888888888888888888"});
    EXPECT_NE(Rendered(preview), blank);
  }
}

TEST(PanelPreviewTest, AssistiveToolsReadTheDisplayLines) {
  CPanelPreview preview;
  preview.SetPanelType(kPanelQM210);
  preview.SetLines({"TEMP  72.5 C", "PUMP ON"});
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&preview);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::StaticText);
  QString expected = QString("TEMP  72.5 C").leftJustified(20) + "\n" + QString("PUMP ON").leftJustified(20);
  EXPECT_EQ(accessible->text(QAccessible::Value), expected);
  EXPECT_EQ(accessible->text(QAccessible::Name), expected);
  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 41);
  EXPECT_EQ(text->text(0, 12), QString("TEMP  72.5 C"));
  // A name given by the dialog wins; the lines stay readable as the value.
  preview.setAccessibleName("Panel preview");
  EXPECT_EQ(accessible->text(QAccessible::Name), QString("Panel preview"));
  preview.SetLines({"NEW"});
  EXPECT_TRUE(accessible->text(QAccessible::Value).startsWith("NEW "));
}

}  // namespace
}  // namespace lumora::gui
