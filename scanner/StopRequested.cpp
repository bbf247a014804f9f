#include "StopRequested.h"

namespace morvane {

std::atomic<bool>& StopRequested() noexcept {
    static std::atomic<bool> requested{false};
    return requested;
}

}  // namespace morvane
