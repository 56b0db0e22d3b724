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
    // The slower method is tried again after this many windows; each retry that finds it still
    // slower doubles the wait, up to kLongestWait, since a retry of a much slower method costs
    // several windows' worth. A retry that turns the choice starts over at kRetryEvery.
    static constexpr int kRetryEvery = 64;
    static constexpr int kLongestWait = 512;

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
    int nextRetry_ = kRetryEvery;
    int wait_ = kRetryEvery;
    std::optional<bool> mappingWasQuicker_;
    // Seconds per byte of the last two windows each method had, reading then mapping.
    std::array<std::array<std::optional<double>, 2>, 2> lastCosts_{};
    std::optional<double> Cost(bool mapped) const;
};

}  // namespace duplexa
