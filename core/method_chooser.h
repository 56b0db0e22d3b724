#pragma once
// Decides, window by window, whether a comparison reads the files' bytes in place through
// mappings or copies them out with reads. Mapping saves the copy, but where bringing mapped
// pages in is dear (page-table updates under some hypervisors cost more than the copy) reading
// wins; so by default both are timed and the quicker is kept, the other retried now and then.

#include <array>
#include <cstddef>
#include <optional>

namespace duplexa {

enum class ReadMethod {
    Quickest,  // time both, keep the quicker
    Mapping,   // map wherever the system allows
    Reading,   // always read
};

class MethodChooser {
  public:
    // The slower method is tried again every this many windows.
    static constexpr int kRetryEvery = 64;

    explicit MethodChooser(ReadMethod method) : method_(method) {}

    // Whether the next window is to be mapped.
    bool UseMapping();
    // What the last window cost: bytes compared and the seconds it took.
    void Record(bool mapped, std::size_t bytes, double seconds);
    // The system refused a mapping: read from now on.
    void MappingRefused() { refused_ = true; }

  private:
    ReadMethod method_;
    bool refused_ = false;
    int window_ = 0;
    // Seconds per byte of the last two windows each method had, reading then mapping.
    std::array<std::array<std::optional<double>, 2>, 2> lastCosts_{};
    std::optional<double> Cost(bool mapped) const;
};

}  // namespace duplexa
