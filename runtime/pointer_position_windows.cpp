#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "runtime/pointer_position.h"

namespace duplexa {
namespace {

class Win32PointerPosition final : public PointerPosition {
  public:
    bool GetCursorPos(std::int32_t& x, std::int32_t& y) override {
        POINT point{x, y};
        if (!::GetCursorPos(&point)) {
            return false;
        }
        x = point.x;
        y = point.y;
        return true;
    }
};

}  // namespace

std::unique_ptr<PointerPosition> MakeSystemPointerPosition() {
    return std::make_unique<Win32PointerPosition>();
}

}  // namespace duplexa
