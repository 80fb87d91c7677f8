#pragma once
// QtTransferSink: carries a worker's events to a window as queued Qt signals.

#include <QObject>

#include "transfer/transfer_context.h"

Q_DECLARE_METATYPE(lumora::TransferEvent)

namespace lumora::gui {

class QtTransferSink : public QObject, public TransferSink {
  Q_OBJECT

 public:
  // Called on the worker thread.
  void Post(const TransferEvent& event) override { emit posted(event); }

 signals:
  void posted(lumora::TransferEvent event);
};

}  // namespace lumora::gui
