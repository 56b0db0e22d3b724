#include "runtime/fresh_pages.h"

namespace duplexa::native {

// Windows brings committed pages in zeroed on first touch and has no call that does it for a
// whole range sooner, so they come in as they are touched.
bool BringInPages(void*, std::size_t) {
    return false;
}

}  // namespace duplexa::native
