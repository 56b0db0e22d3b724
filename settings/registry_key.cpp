#include <utility>

#include "settings/registry_layer.h"

namespace duplexa::registry {

Key::Key(Key&& other) noexcept : native_(other.native_), open_(std::exchange(other.open_, false)) {}

Key& Key::operator=(Key&& other) noexcept {
    if (this != &other) {
        if (open_) {
            Close(*this);
        }
        native_ = other.native_;
        open_ = std::exchange(other.open_, false);
    }
    return *this;
}

Key::~Key() {
    if (open_) {
        Close(*this);
    }
}

}  // namespace duplexa::registry
