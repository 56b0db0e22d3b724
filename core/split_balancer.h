#pragma once
// Where to cut a block between the run's thread and the helper so both finish together. An
// even cut is right only when both start at once; the helper starts on a block while the run's
// thread still shows progress and gives the event loop its turn, so the run's thread should
// take less. The cut follows what the last blocks showed: whichever thread finished later
// gets fewer bytes next time. Each block tells where its cut should have been; the cut is the
// middle one of the last few such answers, so one block slowed by something else on the machine
// (a repaint, another program) moves it not at all.

#include <array>
#include <cstddef>

namespace duplexa {

class SplitBalancer {
  public:
    // Cuts fall on page boundaries, and never leave either thread less than a quarter.
    static constexpr std::size_t kPage = 4096;

    // The length of the part the run's thread takes of a block of length bytes.
    std::size_t FirstPart(std::size_t length) const;

    // What the last split block of length bytes showed: the run's thread took firstSeconds for
    // its firstLength bytes, and the helper finished helperLateBy seconds after it (negative
    // when the helper was done first).
    void Record(std::size_t length, std::size_t firstLength, double firstSeconds,
                double helperLateBy);

  private:
    static constexpr std::size_t kRemembered = 5;

    double shift_ = 0;                          // bytes the run's thread takes beyond half
    std::array<double, kRemembered> wanted_{};  // the shift each recent block called for
    std::size_t recorded_ = 0;
};

}  // namespace duplexa
