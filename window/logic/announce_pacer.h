#pragma once
// Decides which changes of the result line a screen reader is told about: every verdict once,
// and during a run the progress at most every few seconds, so the reader is not flooded.

#include <cstdint>
#include <string>

namespace duplexa {

class AnnouncePacer {
  public:
    static constexpr std::int64_t kProgressIntervalMs = 3000;

    // A caption landed on the line; running tells whether a run was going on. nowMs is any
    // steady clock in milliseconds. True when the reader should hear it.
    bool Landed(const std::string& caption, bool running, std::int64_t nowMs);
    // The run ended with this caption on the line: the verdict, unless it was already heard.
    bool Settled(const std::string& caption);

  private:
    std::string lastHeard_;
    bool progressHeard_ = false;  // in the run going on
    std::int64_t lastProgressMs_ = 0;
};

}  // namespace duplexa
