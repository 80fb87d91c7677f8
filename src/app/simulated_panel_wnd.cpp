#include "app/simulated_panel_wnd.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/simulated_panel.h"

namespace lumora::gui {

CSimulatedPanelWnd::CSimulatedPanelWnd(CSimulatedPanel& panel, QWidget* parent)
    : QWidget(parent, Qt::Window), panel_(panel) {
  setObjectName("simulatedPanelWindow");
  setWindowTitle(tr("Simulated Panel"));
  status_ = new QLabel(this);
  status_->setObjectName("simulatedPanelStatus");
  status_->setWordWrap(true);
  units_ = new QComboBox(this);
  units_->setObjectName("unitList");
  number_ = new QSpinBox(this);
  number_->setObjectName("messageNumber");
  number_->setRange(1, 999);
  display_ = new QPlainTextEdit(this);
  display_->setObjectName("panelDisplay");
  display_->setReadOnly(true);
  display_->setAccessibleName(tr("Panel display"));
  display_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  display_->setLineWrapMode(QPlainTextEdit::NoWrap);
  display_->setMinimumSize(QFontMetrics(display_->font()).horizontalAdvance(QString(30, 'M')),
                           QFontMetrics(display_->font()).lineSpacing() * 9);

  auto* unitLabel = new QLabel(tr("&Unit:"), this);
  unitLabel->setBuddy(units_);
  auto* numberLabel = new QLabel(tr("&Message number:"), this);
  numberLabel->setBuddy(number_);
  auto* form = new QFormLayout;
  form->addRow(unitLabel, units_);
  form->addRow(numberLabel, number_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addLayout(form);
  layout->addWidget(display_, 1);

  // The simulator replaces its state file after every change of the panel's memory; a short pause lets
  // one transfer's many writes end in one refresh.
  watcher_ = new QFileSystemWatcher(this);
  settle_ = new QTimer(this);
  settle_->setSingleShot(true);
  settle_->setInterval(150);
  connect(settle_, &QTimer::timeout, this, &CSimulatedPanelWnd::Refresh);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
  connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
  connect(number_, &QSpinBox::valueChanged, this, &CSimulatedPanelWnd::Refresh);
  connect(units_, &QComboBox::currentIndexChanged, this, &CSimulatedPanelWnd::Refresh);
  connect(&panel_, &CSimulatedPanel::changed, this, &CSimulatedPanelWnd::OnPanelChanged);
  OnPanelChanged();
}

QString CSimulatedPanelWnd::DisplayText() const {
  return display_->toPlainText();
}

void CSimulatedPanelWnd::OnPanelChanged() {
  if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
  if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
  {
    QSignalBlocker block(units_);
    units_->clear();
    for (int port : panel_.Units())
      units_->addItem(port == 0 ? tr("Panel") : tr("Port %1").arg(port), port);
  }
  units_->setEnabled(units_->count() > 1);
  if (panel_.Running()) {
    status_->setText(tr("Simulated %1 on %2").arg(panel_.Description(), panel_.Path()));
    watcher_->addPath(QFileInfo(panel_.StatePath()).absolutePath());
  } else {
    status_->setText(tr("The simulated panel is not in use."));
  }
  Refresh();
}

void CSimulatedPanelWnd::Refresh() {
  if (!panel_.Running() && panel_.StatePath().isEmpty()) {
    display_->setPlainText(QString());
    return;
  }
  // The file itself is watched once it exists: an in-place rewrite does not change the folder.
  if (QFileInfo::exists(panel_.StatePath()) && !watcher_->files().contains(panel_.StatePath()))
    watcher_->addPath(panel_.StatePath());
  display_->setPlainText(panel_.Display(units_->currentData().toInt(), number_->value()));
}

}  // namespace lumora::gui
