#include "SearchRecord.h"

namespace morvane {

SinkAnswer SearchRecord::Progress(const ScanProgress& progress) {
    events_.push_back({true, progress.done, progress.total, progress.itemsFound, {}});
    return SinkAnswer::Continue;
}

void SearchRecord::Failure(const std::error_code& error) {
    events_.push_back({false, 0, 0, 0, error});
}

SearchRecord::Replayed SearchRecord::Replay(ScanSink& sink, StopToken& stop, std::string_view name,
                                            std::size_t found) const {
    std::int64_t searched = 0;  // up to the chunk about to be told
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const Event& event = events_[i];
        const bool startsChunk = event.progress || (endedUnread_ && i + 1 == events_.size());
        if (startsChunk && stop.StopRequested())
            return {event.progress ? static_cast<std::size_t>(event.itemsFound) : found, searched};
        if (event.progress) searched = event.done;
        if (!event.progress) {
            sink.Failure(event.failure);
        } else if (sink.Progress({name, event.done, event.total, event.itemsFound}) ==
                   SinkAnswer::Stop) {
            stop.RequestStop();
        }
    }
    return {found};
}

}  // namespace morvane
