#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "runtime/host_name.h"

namespace duplexa::native {

std::string HostName() {
    // The DNS name, as file:// addresses carry it; kernel32 has it without the network library.
    char name[256]{};
    DWORD size = sizeof name;
    if (!GetComputerNameExA(ComputerNameDnsHostname, name, &size)) {
        return {};
    }
    return std::string(name, size);
}

}  // namespace duplexa::native
