#include <unistd.h>

#include <array>

#include "runtime/host_name.h"

namespace duplexa::native {

std::string HostName() {
    std::array<char, 256> name{};
    // One byte is kept back: a name that fills the buffer need not end in a NUL.
    if (::gethostname(name.data(), name.size() - 1) != 0) {
        return {};
    }
    return name.data();
}

}  // namespace duplexa::native
