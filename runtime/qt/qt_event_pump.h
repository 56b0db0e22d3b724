#pragma once
// The event-loop turn of a comparison run, on the Qt event loop.

#include "runtime/event_pump.h"

namespace duplexa {

class QtEventPump final : public EventPump {
  public:
    // Handles every pending event (input, timers, repaints) and returns without waiting.
    void RunPendingEvents() override;
};

}  // namespace duplexa
