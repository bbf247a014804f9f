#include "containers/UnpackContainers.h"

#include <algorithm>

#include "PageSearch.h"
#include "containers/ContainerWalk.h"

namespace morvane {

namespace {
// Each entry goes through the same two phases as a source, read from memory or scratch.
class EngineEntries final : public EntryScanner {
  public:
    explicit EngineEntries(const UnpackRequest& request) : request_(request) {}

    void ScanEntry(SourceFile& entry, std::span<const std::string> inside) override {
        found_ += request_.scanEntry(entry, request_.firstNumber + found_, inside, containers_);
    }
    FoundContainers ContainersFound() override { return std::move(containers_); }

    std::int64_t found() const noexcept { return found_; }

  private:
    const UnpackRequest& request_;
    std::int64_t found_ = 0;
    FoundContainers containers_;  // found by the last entry's search
};
}  // namespace

std::int64_t UnpackContainers(const UnpackRequest& request) {
    if (request.stop.StopRequested()) return 0;
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
    // Containers are looked for where the search looks for items: in the first chunks only.
    limits.searched = std::max<std::int64_t>(request.options.chunkCap, 0) * kChunkSize;
    limits.scratchFolder = request.scratchFolder;
    EngineEntries entries(request);
    ContainerWalk walk(request.name, limits, request.sink, request.stop, entries);
    walk.Run(*source, length, request.containers);
    return entries.found();
}

}  // namespace morvane
