#pragma once
// This machine's own name on the network, as file managers write it into file:// addresses.
// One implementation per platform, chosen at compile time.

#include <string>

namespace duplexa::native {

// Empty when the system does not say.
std::string HostName();

}  // namespace duplexa::native
