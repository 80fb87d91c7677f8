#pragma once
// The user-interface thread's waits for a UnitExchange: its event loop keeps going (painting, timers, the
// worker's own message boxes stay answerable) until the worker has ended, which is then joined.

#include "transfer/unit_exchange.h"

namespace lumora::gui {

enum class WaitInput { Accept, HoldBack };

// Returns once the exchange's worker (if one runs) has ended and been joined. Call it on the
// user-interface thread, and not again for the same exchange while it waits.
void WaitForExchange(UnitExchange& exchange, WaitInput input);

// A short exchange: `work` runs on the worker while this thread waits with user input held back, under
// the wait cursor. Its outcome.
ExchangeOutcome RunShortExchange(UnitExchange& exchange, UnitExchange::Work work);

}  // namespace lumora::gui
