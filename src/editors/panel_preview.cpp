#include "editors/panel_preview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "model/codes.h"
#include "model/message.h"
#include "model/message_preview.h"
#include "report/latin1.h"

namespace lumora::gui {

using namespace panel_colours;

namespace {

void Display(QPainter& p, const QRectF& r, const QStringList& lines, bool segments = false) {
  p.setPen(QPen(kBezelEdge, 1.5));
  p.setBrush(kLcd);
  p.drawRoundedRect(r, 3, 3);
  if (lines.isEmpty()) return;
  QFont font("Liberation Mono");
  font.setStyleHint(QFont::Monospace);
  font.setBold(segments);
  int longest = 1;
  for (const QString& line : lines) longest = std::max(longest, static_cast<int>(line.size()));
  // Monospaced glyphs are about 0.6 of their height wide: the longest line must fit the glass.
  double byHeight = r.height() / (lines.size() + 0.6);
  double byWidth = r.width() * 0.92 / (longest * 0.62);
  font.setPixelSize(std::max(6, static_cast<int>(std::min(byHeight, byWidth))));
  p.setFont(font);
  p.setPen(kLcdText);
  double lineHeight = r.height() / lines.size();
  for (int i = 0; i < lines.size(); ++i) {
    QRectF line(r.left() + r.width() * 0.04, r.top() + i * lineHeight, r.width() * 0.92, lineHeight);
    p.drawText(line, Qt::AlignVCenter | (segments ? Qt::AlignRight : Qt::AlignLeft), lines[i]);
  }
}

void Keys(QPainter& p, const QRectF& r, int count, bool leds) {
  double gap = r.width() / count;
  for (int i = 0; i < count; ++i) {
    QRectF key(r.left() + i * gap + gap * 0.15, r.top() + r.height() * 0.35, gap * 0.7, r.height() * 0.6);
    p.setPen(QPen(kBezelEdge, 1));
    p.setBrush(kKey);
    p.drawRoundedRect(key, 3, 3);
    p.setPen(Qt::black);
    QFont font("Liberation Sans");
    font.setPixelSize(std::max(1, static_cast<int>(key.height() * 0.45)));
    p.setFont(font);
    p.drawText(key, Qt::AlignCenter, QString("F%1").arg(i + 1));
    if (leds) {
      p.setPen(Qt::NoPen);
      p.setBrush(i % 2 == 0 ? kLedOn : kLedOn.darker(250));
      double d = r.height() * 0.18;
      p.drawEllipse(QRectF(key.center().x() - d / 2, r.top() + r.height() * 0.05, d, d));
    }
  }
}

void Keypad(QPainter& p, const QRectF& r) {
  static const char* kLabels[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "CLR", "0", "ENT"};
  double w = r.width() / 3, h = r.height() / 4;
  QFont font("Liberation Sans");
  font.setPixelSize(std::max(1, static_cast<int>(h * 0.45)));
  p.setFont(font);
  for (int i = 0; i < 12; ++i) {
    QRectF key(r.left() + (i % 3) * w + w * 0.1, r.top() + (i / 3) * h + h * 0.1, w * 0.8, h * 0.8);
    p.setPen(QPen(kBezelEdge, 1));
    p.setBrush(kKey);
    p.drawRoundedRect(key, 2, 2);
    p.setPen(Qt::black);
    // Three-letter keys get a smaller face so the word fits the key.
    QFont face = font;
    if (std::strlen(kLabels[i]) > 1) face.setPixelSize(std::max(6, static_cast<int>(key.width() / 3.2)));
    p.setFont(face);
    p.drawText(key, Qt::AlignCenter, kLabels[i]);
  }
  p.setFont(font);
}

// Assistive tools read the preview's lines like a read-only text.
class PanelPreviewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PanelPreviewAccessible(CPanelPreview* preview) : QAccessibleWidget(preview, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Shown();
    QString text = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && text.isEmpty()) return Shown();
    return text;
  }

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return Shown().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return QString();
  }

 private:
  QString Shown() const { return static_cast<CPanelPreview*>(widget())->DisplayText(); }
};

QAccessibleInterface* PanelPreviewAccessibleFactory(const QString&, QObject* object) {
  if (auto* preview = qobject_cast<CPanelPreview*>(object)) return new PanelPreviewAccessible(preview);
  return nullptr;
}

}  // namespace

void DrawBezel(QPainter& p, const QRectF& r) {
  QLinearGradient gradient(r.topLeft(), r.bottomLeft());
  gradient.setColorAt(0, kBezel.lighter(125));
  gradient.setColorAt(1, kBezel);
  p.setPen(QPen(kBezelEdge, 2));
  p.setBrush(gradient);
  p.drawRoundedRect(r, r.height() * 0.06, r.height() * 0.06);
}

void DrawBezelLabel(QPainter& p, const QRectF& r, const QString& text) {
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(r.height() * 0.7)));
  p.setFont(font);
  p.setPen(QColor(235, 235, 235));
  p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawPanel(QPainter& p, const QRectF& r, int panelType, const QStringList& lines) {
  DrawBezel(p, r);
  QString name = FromLatin1(UnitModelName(panelType));
  DrawBezelLabel(p, QRectF(r.left() + r.width() * 0.05, r.top() + r.height() * 0.03, r.width() * 0.5, r.height() * 0.1),
        name.isEmpty() ? QString() : "Lumora " + name);
  switch (panelType) {
    case kPanelQMSV:
      Display(p, QRectF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.17, r.width() * 0.84, r.height() * 0.2),
              lines.mid(0, 1));
      Display(p, QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.42, r.width() * 0.6, r.height() * 0.22),
              lines.mid(1, 1), true);
      Keys(p, QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.68, r.width() * 0.6, r.height() * 0.26), 3,
           false);
      break;
    case kPanelQM410:
      Display(p,
              QRectF(r.left() + r.width() * 0.06, r.top() + r.height() * 0.16, r.width() * 0.88, r.height() * 0.46),
              lines);
      Keys(p, QRectF(r.left() + r.width() * 0.06, r.top() + r.height() * 0.66, r.width() * 0.88, r.height() * 0.28),
           5, true);
      break;
    case kPanelQM210K:
      Display(p, QRectF(r.left() + r.width() * 0.05, r.top() + r.height() * 0.16, r.width() * 0.6, r.height() * 0.3),
              lines);
      Keypad(p,
             QRectF(r.left() + r.width() * 0.69, r.top() + r.height() * 0.14, r.width() * 0.27, r.height() * 0.8));
      Keys(p, QRectF(r.left() + r.width() * 0.05, r.top() + r.height() * 0.55, r.width() * 0.6, r.height() * 0.38), 5,
           true);
      break;
    case kPanelQM210:
    case kPanelQM210G:
      Display(p,
              QRectF(r.left() + r.width() * 0.06, r.top() + r.height() * 0.17, r.width() * 0.88, r.height() * 0.36),
              lines);
      Keys(p, QRectF(r.left() + r.width() * 0.06, r.top() + r.height() * 0.6, r.width() * 0.88, r.height() * 0.33), 5,
           true);
      break;
    default:
      break;
  }
}

int PreviewLineCount(int panelType) {
  if (panelType == kPanelQMSV) return 1;
  return IsTextPanelType(panelType) ? PanelLineCount(panelType) : 0;
}

int PreviewLineWidth(int panelType) {
  return PreviewLineCount(panelType) > 0 ? PanelCharsPerMessage(panelType) : 0;
}

CPanelPreview::CPanelPreview(QWidget* parent) : QWidget(parent) {
  static const bool kFactoryInstalled = [] {
    QAccessible::installFactory(PanelPreviewAccessibleFactory);
    return true;
  }();
  (void)kFactoryInstalled;
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  Fit();
}

void CPanelPreview::SetPanelType(int panelType) {
  panelType_ = panelType;
  Fit();
  updateGeometry();
  update();
}

int CPanelPreview::PanelType() const {
  return panelType_;
}

void CPanelPreview::SetLines(const QStringList& lines) {
  lines_ = lines;
  Fit();
  update();
}

QStringList CPanelPreview::Lines() const {
  return lines_;
}

void CPanelPreview::ShowMessage(const TQMMessage& message, int line) {
  QStringList lines;
  for (int i = 0; i < PreviewLineCount(panelType_); ++i)
    lines.append(i == line ? FromLatin1(MessagePreviewLine(message, panelType_)) : QString());
  if (panelType_ == kPanelQMSV && message.hasSetPoint)
    lines.append(QString::fromStdString(SetPointPreviewValue(message.data1)));
  SetLines(lines);
}

QString CPanelPreview::DisplayText() const {
  return lines_.join(QLatin1Char('\n'));
}

QSize CPanelPreview::sizeHint() const {
  switch (panelType_) {
    case kPanelQMSV:
      return QSize(340, 220);
    case kPanelQM410:
      return QSize(360, 230);
    case kPanelQM210K:
      return QSize(460, 200);
    default:
      return QSize(340, 200);
  }
}

QSize CPanelPreview::minimumSizeHint() const {
  return sizeHint() * 0.6;
}

void CPanelPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, QRectF(2, 2, width() - 4, height() - 4), panelType_, lines_);
}

void CPanelPreview::Fit() {
  const int count = PreviewLineCount(panelType_);
  const int width = PreviewLineWidth(panelType_);
  QStringList fitted;
  for (int i = 0; i < count; ++i) {
    QString line = lines_.value(i).left(width);
    fitted.append(line.leftJustified(width, QLatin1Char(' ')));
  }
  // The set-point panel's digits: eight and a decimal point, right-aligned on their own display.
  QString digits = lines_.value(count).trimmed().right(9);
  if (panelType_ == kPanelQMSV && !digits.isEmpty()) fitted.append(digits);
  lines_ = fitted;
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace lumora::gui
