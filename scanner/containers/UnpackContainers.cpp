#include "containers/UnpackContainers.h"

#include <algorithm>

#include "ExtractionPhase.h"
#include "SearchPhase.h"
#include "containers/ContainerWalk.h"

namespace morvane {

namespace {
// Each entry goes through the same two phases as a source, read from memory or scratch.
class EngineEntries final : public EntryScanner {
  public:
    EngineEntries(const UnpackRequest& request, SearchPhase& search)
        : request_(request), search_(search) {}

    void ScanEntry(SourceFile& entry, std::span<const std::string> inside) override {
        const UnpackRequest& r = request_;
        const std::int64_t length = entry.Length();
        const std::vector<AcceptedItem>& accepted =
            search_.Run(entry, length, {r.options, r.table, r.sink, r.stop, r.name});
        const ExtractionSource source{r.path,
                                      r.name,
                                      length,
                                      r.options.readResources,
                                      r.options.checkItems,
                                      &entry,
                                      r.firstNumber + found_,
                                      inside};
        found_ += ExtractAcceptedItems(accepted, source, r.outputRoot, r.fileSystem, r.sink);
    }

    std::int64_t found() const noexcept { return found_; }

  private:
    const UnpackRequest& request_;
    SearchPhase& search_;
    std::int64_t found_ = 0;
};
}  // namespace

std::int64_t UnpackContainers(const UnpackRequest& request, SearchPhase& search) {
    std::error_code error;
    std::unique_ptr<SourceFile> source = request.fileSystem.OpenSource(request.path, error);
    if (!source) {
        request.sink.Failure(error);
        return 0;
    }
    const std::int64_t length = source->Length();
    WalkLimits limits;
    limits.bytes =
        std::min(request.options.unpackByteCap,
                 length > INT64_MAX / std::max<std::int64_t>(request.options.unpackRatio, 1)
                     ? INT64_MAX
                     : length * request.options.unpackRatio);
    EngineEntries entries(request, search);
    ContainerWalk walk(request.name, limits, request.sink, request.stop, entries);
    walk.Run(*source, length);
    return entries.found();
}

}  // namespace morvane
