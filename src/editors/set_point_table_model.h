#pragma once
// The set-point configuration's message list as a table: one row per message of the working list, the
// six columns the panel program shows, the message number as each row's user data.

#include <QAbstractTableModel>

class QTableView;

namespace lumora {
class SetPointList;
}

namespace lumora::gui {

class CSetPointTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 6;

  CSetPointTableModel(const SetPointList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // Puts the model into `view` with wrapping headings and the user's column widths.
  void ShowIn(QTableView* view);
  // Keeps `view`'s column widths in the user's settings.
  static void SaveColumnWidths(const QTableView* view);

  // The list changed under the model: a row rewritten, appended or removed.
  void RowChanged(int row);
  void RowAppended();
  void RowRemoved(int row);
  // The whole list was replaced.
  void Reload();

 private:
  const SetPointList& list_;
  int rows_ = 0;
};

}  // namespace lumora::gui
