#pragma once
// The drawing of a panel's front, shared by the message editor's live preview and the application's unit
// pictures, and CPanelPreview, a widget that shows a panel with given display lines.

#include <QColor>
#include <QStringList>
#include <QWidget>

class QPainter;
class QRectF;

namespace lumora {
class TQMMessage;
}

namespace lumora::gui {

namespace panel_colours {
inline const QColor kBezel(58, 62, 70);
inline const QColor kBezelEdge(30, 32, 36);
inline const QColor kLcd(150, 190, 90);
inline const QColor kLcdText(30, 45, 20);
inline const QColor kKey(210, 212, 216);
inline const QColor kLedOn(70, 220, 80);
}  // namespace panel_colours

void DrawBezel(QPainter& p, const QRectF& r);
// A caption printed on the bezel.
void DrawBezelLabel(QPainter& p, const QRectF& r, const QString& text);
// A front view of panel type 1..5 in `r`, `lines` on its display (the QMSV: its text line, then the
// digits of its set-point display); an empty bezel with no display for other types.
void DrawPanel(QPainter& p, const QRectF& r, int panelType, const QStringList& lines);

// Display lines of a panel type: 2, 4 on the QM410, 1 text line on the QMSV; 0 for other types.
int PreviewLineCount(int panelType);
// Characters per display line: 20, 16 on the QMSV.
int PreviewLineWidth(int panelType);

class CPanelPreview : public QWidget {
  Q_OBJECT

 public:
  explicit CPanelPreview(QWidget* parent = nullptr);

  void SetPanelType(int panelType);
  int PanelType() const;
  // The display lines, each padded with blanks or cut to the panel's width; missing lines are blank and
  // lines beyond the panel's count are dropped (the set-point panel keeps one more: its digits).
  void SetLines(const QStringList& lines);
  QStringList Lines() const;
  // `message` as the panel shows it, on display line `line`; the other lines blank. A set-point message
  // also shows a sample value (its maximum) on the digits.
  void ShowMessage(const TQMMessage& message, int line = 0);
  // The shown lines joined by line breaks: what assistive tools read.
  QString DisplayText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Fit();

  int panelType_ = 1;
  QStringList lines_;
};

}  // namespace lumora::gui
