#include "app/exchange_wait.h"

#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>

#include "app/modal_run.h"

namespace lumora::gui {

void WaitForExchange(UnitExchange& exchange, WaitInput input) {
  QEventLoop loop;
  // Queued: the quit reaches the loop below even when the worker ends before the loop runs. The loop
  // outlives the call: the worker is joined before it goes.
  exchange.WhenEnded([&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); });
  if (exchange.Running()) {
    ModalScope scope;
    loop.exec(input == WaitInput::HoldBack ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
  }
  exchange.Join();
  exchange.WhenEnded({});
}

ExchangeOutcome RunShortExchange(UnitExchange& exchange, UnitExchange::Work work) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (exchange.Start(std::move(work))) WaitForExchange(exchange, WaitInput::HoldBack);
  QApplication::restoreOverrideCursor();
  return exchange.TakeOutcome();
}

}  // namespace lumora::gui
