// The process-wide stop request: the progress window's stop button sets it, scans test it.
#pragma once

#include <atomic>

namespace morvane {

std::atomic<bool>& StopRequested() noexcept;

}  // namespace morvane
