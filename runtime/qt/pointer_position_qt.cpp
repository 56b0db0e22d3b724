#include <QCursor>
#include <QPoint>

#include "runtime/pointer_position.h"

namespace duplexa {
namespace {

class QtPointerPosition final : public PointerPosition {
  public:
    bool GetCursorPos(std::int32_t& x, std::int32_t& y) override {
        const QPoint where = QCursor::pos();
        x = where.x();
        y = where.y();
        return true;
    }
};

}  // namespace

std::unique_ptr<PointerPosition> MakeSystemPointerPosition() {
    return std::make_unique<QtPointerPosition>();
}

}  // namespace duplexa
