// What the search of a source told while it ran ahead of its turn, kept to be told in its turn
// as it would have been told then: a stop made meanwhile ends it at the chunk where the search
// would have ended, and only the items found before that chunk are kept.
#pragma once

#include <cstdint>
#include <string_view>
#include <system_error>
#include <vector>

#include "ScanSink.h"
#include "StopToken.h"

namespace morvane {

class SearchRecord final : public ScanSink {
  public:
    SinkAnswer Progress(const ScanProgress& progress) override;
    void Failure(const std::error_code& error) override;
    // The search ended at a chunk it could not read: its last failure tells that.
    void EndedUnread() noexcept { endedUnread_ = true; }

    struct Replayed {
        std::size_t kept;             // of the items found
        std::int64_t stoppedAt = -1;  // the bytes searched before a stop ended it; -1: none did
    };
    // Tells `sink` what was recorded, asking `stop` before each chunk as the search does, and
    // says how many of the `found` items the search keeps.
    Replayed Replay(ScanSink& sink, StopToken& stop, std::string_view name,
                    std::size_t found) const;

  private:
    struct Event {
        bool progress;
        std::int64_t done, total, itemsFound;
        std::error_code failure;
    };
    std::vector<Event> events_;
    bool endedUnread_ = false;
};

}  // namespace morvane
