#pragma once
// CConnectorFrame: a plain container that draws elbow arrows between some of its descendants, behind
// them. Decoration only: the arrows follow the widgets' places and carry no data.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace lumora::gui {

class CConnectorFrame : public QWidget {
  Q_OBJECT

 public:
  explicit CConnectorFrame(QWidget* parent = nullptr);
  // An arrow from `from` to `to` (head at `to`), leaving and entering the facing edges at the given
  // fractions of their widths.
  void AddConnector(QWidget* from, QWidget* to, QColor color, double fromAt = 0.5, double toAt = 0.5);
  int ConnectorCount() const { return static_cast<int>(links_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Link {
    QPointer<QWidget> from;
    QPointer<QWidget> to;
    QColor color;
    double fromAt;
    double toAt;
  };
  std::vector<Link> links_;
};

}  // namespace lumora::gui
