#include "editors/plc_message_model.h"

#include "model/message_list_edit.h"
#include "report/latin1.h"

namespace lumora::gui {

PlcMessageModel::PlcMessageModel(const MessageListEdit& lists, QObject* parent)
    : QAbstractListModel(parent), lists_(lists) {}

void PlcMessageModel::Reload() {
  beginResetModel();
  endResetModel();
}

void PlcMessageModel::Changed(int row) {
  QModelIndex changed = index(row);
  if (changed.isValid()) emit dataChanged(changed, changed, {Qt::DisplayRole});
}

int PlcMessageModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : lists_.PlcCount();
}

QVariant PlcMessageModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  return FromLatin1(MessageListEdit::PlcLine(lists_.Plc(index.row())));
}

}  // namespace lumora::gui
