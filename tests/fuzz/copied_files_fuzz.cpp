// The clipboard's file lists, as any program may have put them there.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "intake/copied_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the list's format.
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto paths = data[0] % 2 == 0 ? duplexa::PathsFromUriList(text)
                                        : duplexa::PathsFromGnomeCopiedFiles(text);
    for (const auto& path : paths) {
        // A name the system would cut short, or a path that is no file of this machine.
        if (path.empty() || path.find('\0') != std::string::npos || path.front() != '/') {
            std::abort();
        }
    }
    return 0;
}
