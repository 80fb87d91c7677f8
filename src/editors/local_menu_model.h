#pragma once
// LocalMenuModel: the message editor's local items as the panel's menu tree under one top item, "Local
// Messages", over a MessageListEdit. The model only shows the edit; after the edit changes its lists, the
// dialog tells it (Reload, or one item's Changed).

#include <QAbstractItemModel>
#include <vector>

namespace lumora {
class MessageListEdit;
}

namespace lumora::gui {

// The local menu: the top item stands for the root (local index -1), below it each local item under
// the folder that holds it.
class LocalMenuModel : public QAbstractItemModel {
 public:
  static constexpr int kRoot = -1;

  LocalMenuModel(const MessageListEdit& lists, QObject* parent);

  void Reload();
  void Changed(int local);
  // The row of a local item (kRoot: the top item); invalid for an index the edit does not have.
  QModelIndex IndexOf(int local) const;
  // The local item a row shows (kRoot for the top item and for an invalid index).
  int LocalIndex(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  // Nodes: 0 is the top item, local item i is node i + 1.
  static int Node(int local) { return local + 1; }
  void Build();

  const MessageListEdit& lists_;
  std::vector<int> parents_;                // per local item: its parent's local index (kRoot: top)
  std::vector<int> rows_;                   // per local item: its row under its parent
  std::vector<std::vector<int>> children_;  // per node: the local indices below it, in menu order
};

}  // namespace lumora::gui
