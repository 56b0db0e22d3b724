#pragma once
// What the test process holds at this moment, so a test can see that the code under test gave
// back what it took and started what it should.

#include <cstddef>

namespace duplexa::test {

// Open file descriptors of this process (handles of files on Windows).
std::size_t OpenDescriptors();

// Threads of this process, the calling one included.
std::size_t RunningThreads();

}  // namespace duplexa::test
