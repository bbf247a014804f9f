// A request to stop, made by whoever drives a run of scans (the progress window's stop button,
// Ctrl-C in the terminal tool) and read by the scans of that run. The scans only read it, so a
// request made between two files of a batch is still there when the next file would start.
#pragma once

#include <atomic>

namespace morvane {

class StopToken {
  public:
    // Safe from a signal handler: the flag is a lock-free atomic.
    void RequestStop() noexcept { requested_.store(true, std::memory_order_relaxed); }
    bool StopRequested() const noexcept { return requested_.load(std::memory_order_relaxed); }

  private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
};

}  // namespace morvane
