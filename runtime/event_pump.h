#pragma once

namespace duplexa {

// One turn of the window's event loop: every pending event is handled before it returns.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void RunPendingEvents() = 0;
};

}  // namespace duplexa
