#pragma once
// An event loop stand-in: each turn runs what the test scripted for that turn (1-based).

#include <functional>
#include <map>

#include "runtime/event_pump.h"

namespace duplexa::test {

class ScriptedPump final : public EventPump {
  public:
    void RunPendingEvents() override {
        ++turns;
        if (const auto it = script.find(turns); it != script.end()) {
            it->second();
        }
        if (everyTurn) {
            everyTurn(turns);
        }
    }

    void At(int turn, std::function<void()> action) { script[turn] = std::move(action); }

    int turns = 0;
    std::map<int, std::function<void()>> script;
    std::function<void(int)> everyTurn;
};

}  // namespace duplexa::test
