#include "editors/local_menu_model.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QStyle>
#include <map>

#include "model/message_list_edit.h"
#include "model/message_text.h"
#include "report/latin1.h"

namespace lumora::gui {
namespace {

// The style makes a standard icon afresh from its image files each time it is asked, and every row asks at
// every paint: the icons are made once for the application's style, and again for a style set later.
const QIcon& StyleIcon(QStyle::StandardPixmap pixmap) {
  static QPointer<QStyle> madeBy;
  static std::map<QStyle::StandardPixmap, QIcon> icons;
  QStyle* style = QApplication::style();
  if (madeBy != style) {
    icons.clear();
    madeBy = style;
    // Gone with the style, while the application that made them still stands.
    QObject::connect(style, &QObject::destroyed, [] { icons.clear(); });
  }
  auto it = icons.find(pixmap);
  if (it == icons.end()) it = icons.emplace(pixmap, style->standardIcon(pixmap)).first;
  return it->second;
}

}  // namespace

LocalMenuModel::LocalMenuModel(const MessageListEdit& lists, QObject* parent)
    : QAbstractItemModel(parent), lists_(lists) {
  Build();
}

void LocalMenuModel::Build() {
  parents_ = lists_.MenuParents();
  rows_.assign(parents_.size(), 0);
  children_.assign(parents_.size() + 1, {});
  for (size_t i = 0; i < parents_.size(); ++i) {
    std::vector<int>& siblings = children_[static_cast<size_t>(Node(parents_[i]))];
    rows_[i] = static_cast<int>(siblings.size());
    siblings.push_back(static_cast<int>(i));
  }
}

void LocalMenuModel::Reload() {
  beginResetModel();
  Build();
  endResetModel();
}

void LocalMenuModel::Changed(int local) {
  QModelIndex changed = IndexOf(local);
  if (changed.isValid()) emit dataChanged(changed, changed, {Qt::DisplayRole});
}

QModelIndex LocalMenuModel::IndexOf(int local) const {
  if (local == kRoot) return createIndex(0, 0, quintptr{0});
  if (local < 0 || static_cast<size_t>(local) >= rows_.size()) return {};
  return createIndex(rows_[static_cast<size_t>(local)], 0, static_cast<quintptr>(Node(local)));
}

int LocalMenuModel::LocalIndex(const QModelIndex& index) const {
  return index.isValid() && index.model() == this ? static_cast<int>(index.internalId()) - 1 : kRoot;
}

QModelIndex LocalMenuModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row == 0 ? IndexOf(kRoot) : QModelIndex();
  const std::vector<int>& below = children_[static_cast<size_t>(parent.internalId())];
  return static_cast<size_t>(row) < below.size() ? IndexOf(below[static_cast<size_t>(row)]) : QModelIndex();
}

QModelIndex LocalMenuModel::parent(const QModelIndex& child) const {
  int local = LocalIndex(child);
  if (local == kRoot) return {};
  return IndexOf(parents_[static_cast<size_t>(local)]);
}

int LocalMenuModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return 1;
  if (parent.column() != 0) return 0;
  return static_cast<int>(children_[static_cast<size_t>(parent.internalId())].size());
}

int LocalMenuModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant LocalMenuModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  int local = LocalIndex(index);
  if (role == Qt::DisplayRole) {
    if (local == kRoot) return QCoreApplication::translate("LocalMenuModel", "Local Messages");
    return FromLatin1(MessageDisplayText(lists_.Local(local).text));
  }
  if (role == Qt::AccessibleDescriptionRole && local != kRoot) {
    const TQMMessage& item = lists_.Local(local);
    return (item.isFolder ? QCoreApplication::translate("LocalMenuModel", "folder, level %1")
                          : QCoreApplication::translate("LocalMenuModel", "message, level %1"))
        .arg(item.level);
  }
  if (role == Qt::DecorationRole) {
    if (local == kRoot) return StyleIcon(QStyle::SP_DirOpenIcon);
    return StyleIcon(lists_.Local(local).isFolder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
  }
  return {};
}

}  // namespace lumora::gui
