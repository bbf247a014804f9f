#include "FaultyFileSystem.h"

#include <algorithm>
#include <cerrno>

#include "ScanLog.h"

namespace morvane::test {

namespace {
class FaultySource final : public SourceFile {
  public:
    FaultySource(std::unique_ptr<SourceFile> inner, const FaultyFileSystem& faults, bool shrunk)
        : inner_(std::move(inner)), faults_(faults), shrunk_(shrunk) {}
    std::int64_t Length() const override { return inner_->Length(); }

    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
        auto end = offset + static_cast<std::int64_t>(count);
        if (shrunk_ && faults_.endsAt) end = std::min(end, *faults_.endsAt);
        if (faults_.failReadsFrom && end > *faults_.failReadsFrom) {
            ReadResult failed;
            failed.error = std::error_code(EIO, std::generic_category());
            return failed;
        }
        if (end <= offset) return {};
        return inner_->ReadAt(offset, into, static_cast<std::size_t>(end - offset));
    }

  private:
    std::unique_ptr<SourceFile> inner_;
    const FaultyFileSystem& faults_;
    bool shrunk_;
};

class FaultyOutput final : public OutputFile {
  public:
    FaultyOutput(std::unique_ptr<OutputFile> inner, std::optional<std::size_t> room)
        : inner_(std::move(inner)), room_(room) {}
    std::error_code Write(const std::uint8_t* bytes, std::size_t count) override {
        const std::size_t take = std::min(count, room_.value_or(count));
        if (room_) *room_ -= take;
        const std::error_code error = inner_->Write(bytes, take);
        return take < count ? std::error_code(ENOSPC, std::generic_category()) : error;
    }
    std::error_code Close() override { return inner_->Close(); }

  private:
    std::unique_ptr<OutputFile> inner_;
    std::optional<std::size_t> room_;
};

bool IsLog(const std::string& path) {
    return path.ends_with(kLogFileName);
}
std::error_code Refused() {
    return std::error_code(EACCES, std::generic_category());
}
}  // namespace

std::unique_ptr<SourceFile> FaultyFileSystem::OpenSource(const std::string& path,
                                                         std::error_code& error) {
    if (++opens_ > sourceOpensAllowed) {
        error = std::error_code(ENOENT, std::generic_category());
        return nullptr;
    }
    std::unique_ptr<SourceFile> inner = NativeFileSystem().OpenSource(path, error);
    return inner ? std::make_unique<FaultySource>(std::move(inner), *this, opens_ >= endsAtFromOpen)
                 : nullptr;
}

std::unique_ptr<OutputFile> FaultyFileSystem::CreateOutput(const std::string& path,
                                                           std::error_code& error) {
    if ((!refuseOutputsContaining.empty() &&
         path.find(refuseOutputsContaining) != std::string::npos) ||
        (refuseLog && IsLog(path)))
        return error = Refused(), nullptr;
    written.insert(path);
    std::unique_ptr<OutputFile> inner = NativeFileSystem().CreateOutput(path, error);
    if (!inner || IsLog(path)) return inner;
    return std::make_unique<FaultyOutput>(std::move(inner), bytesPerOutput);
}

std::unique_ptr<OutputFile> FaultyFileSystem::OpenAppend(const std::string& path,
                                                         std::error_code& error) {
    if (refuseLog && IsLog(path)) return error = Refused(), nullptr;
    written.insert(path);
    return NativeFileSystem().OpenAppend(path, error);
}

}  // namespace morvane::test
