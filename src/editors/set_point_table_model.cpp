#include "editors/set_point_table_model.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>

#include "model/set_point_list.h"
#include "report/latin1.h"
#include "shell/app_settings.h"

namespace lumora::gui {
namespace {

const char* const kHeadings[CSetPointTableModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "Msg #"),
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "Display Method"),
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "DataType/WordSize"),
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "Decimal Point Fixed/Variable"),
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "Set Point Value PLC Address"),
    QT_TRANSLATE_NOOP("lumora::gui::CSetPointTableModel", "Variable Dec Point PLC Address")};

QString CellText(const TQMMessage& message, int column) {
  const TQMReadWriteTag& data = message.data1;
  switch (column) {
    case 0:
      return QString::fromStdString(SetPointNumberText(message.number));
    case 1:
      return FromLatin1(SetPointAccessText(data.accessType));
    case 2:
      return CoreText(ValueTypeText(data.valueType));
    case 3:
      return FromLatin1(SetPointDecimalText(data));
    case 4:
      return FromLatin1(data.address);
    case 5:
      return FromLatin1(data.decimalPointTag.address);
    default:
      return {};
  }
}

}  // namespace

CSetPointTableModel::CSetPointTableModel(const SetPointList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), rows_(list.Count()) {}

int CSetPointTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int CSetPointTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant CSetPointTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.Count()) return {};
  const TQMMessage& message = list_.At(index.row());
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return CellText(message, index.column());
  if (role == Qt::UserRole) return message.number;
  return {};
}

QVariant CSetPointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
    return QCoreApplication::translate("lumora::gui::CSetPointTableModel", kHeadings[section]);
  return {};
}

void CSetPointTableModel::RowChanged(int row) {
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CSetPointTableModel::RowAppended() {
  beginInsertRows({}, rows_, rows_);
  ++rows_;
  endInsertRows();
}

void CSetPointTableModel::RowRemoved(int row) {
  beginRemoveRows({}, row, row);
  --rows_;
  endRemoveRows();
}

void CSetPointTableModel::ShowIn(QTableView* view) {
  view->setModel(this);
  // Headings wrap (up to three lines) so the narrow default columns still show them whole.
  QHeaderView* header = view->horizontalHeader();
  header->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
  header->setMinimumHeight(3 * header->fontMetrics().height() + 8);
  header->setStretchLastSection(true);
  UserSettings settings;
  for (int column = 0; column < kColumnCount; ++column) view->setColumnWidth(column, settings.SetPointColumnWidth(column));
}

void CSetPointTableModel::SaveColumnWidths(const QTableView* view) {
  UserSettings settings;
  for (int column = 0; column < kColumnCount; ++column) settings.SetSetPointColumnWidth(column, view->columnWidth(column));
}

void CSetPointTableModel::Reload() {
  beginResetModel();
  rows_ = list_.Count();
  endResetModel();
}

}  // namespace lumora::gui
