#pragma once
// Where the mouse pointer is on the screen. The hover timer asks for it to notice a pointer
// that left the window without crossing its background.

#include <cstdint>
#include <memory>

namespace duplexa {

class PointerPosition {
  public:
    virtual ~PointerPosition() = default;
    // Fills x and y with the pointer's position on the screen in pixels. False when it cannot
    // be read; x and y are then left as they were.
    virtual bool GetCursorPos(std::int32_t& x, std::int32_t& y) = 0;
};

// The system's pointer: user32 on Windows, the window toolkit's cursor elsewhere.
std::unique_ptr<PointerPosition> MakeSystemPointerPosition();

}  // namespace duplexa
