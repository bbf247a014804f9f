// Work handed from the scanning thread to the window's thread: the scanning thread posts, the
// window's thread takes everything posted so far and runs it, in the order it was posted. Plain
// standard locking, so that the hand-over is all in view of the thread checker.
#pragma once

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace morvane {

class PostedEvents {
  public:
    void Post(std::function<void()> event) {
        const std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

    // Runs what was posted until now; what those runs post waits for the next call.
    void RunPosted() {
        std::vector<std::function<void()>> taken;
        {
            const std::lock_guard lock(mutex_);
            taken.swap(events_);
        }
        for (std::function<void()>& event : taken) event();
    }

  private:
    std::mutex mutex_;
    std::vector<std::function<void()>> events_;
};

}  // namespace morvane
