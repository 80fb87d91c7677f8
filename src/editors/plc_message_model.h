#pragma once
// PlcMessageModel: the message editor's PLC messages as a flat list over a MessageListEdit. The model only
// shows the edit; after the edit changes its list, the dialog tells it (Reload, or one row's Changed).

#include <QAbstractListModel>

namespace lumora {
class MessageListEdit;
}

namespace lumora::gui {

// One row per PLC message, "001: TEXT" in number order.
class PlcMessageModel : public QAbstractListModel {
 public:
  PlcMessageModel(const MessageListEdit& lists, QObject* parent);

  void Reload();
  void Changed(int row);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const MessageListEdit& lists_;
};

}  // namespace lumora::gui
