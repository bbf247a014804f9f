#include "MemoryFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace morvane::test {

namespace {
class MemorySource final : public SourceFile {
  public:
    explicit MemorySource(const Bytes& bytes) : bytes_(bytes) {}
    std::int64_t Length() const override { return static_cast<std::int64_t>(bytes_.size()); }
    ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
        if (offset < 0 || static_cast<std::size_t>(offset) >= bytes_.size()) return {};
        const std::size_t take = std::min(count, bytes_.size() - static_cast<std::size_t>(offset));
        std::memcpy(into, bytes_.data() + offset, take);
        return {take, {}};
    }

  private:
    const Bytes& bytes_;
};

class MemoryOutput final : public OutputFile {
  public:
    explicit MemoryOutput(Bytes* target) : target_(target) {}
    std::error_code Write(const std::uint8_t* bytes, std::size_t count) override {
        if (target_ != nullptr) target_->insert(target_->end(), bytes, bytes + count);
        return {};
    }
    std::error_code Close() override { return {}; }

  private:
    Bytes* target_;
};
}  // namespace

std::unique_ptr<SourceFile> MemoryFileSystem::OpenSource(const std::string& path,
                                                         std::error_code& error) {
    if (FileSize(path, error) < 0) return nullptr;
    return std::make_unique<MemorySource>(files.at(path));
}

std::unique_ptr<OutputFile> MemoryFileSystem::CreateOutput(const std::string& path,
                                                           std::error_code&) {
    if (!keepOutputs) return std::make_unique<MemoryOutput>(nullptr);
    files[path].clear();
    return std::make_unique<MemoryOutput>(&files[path]);
}

std::unique_ptr<OutputFile> MemoryFileSystem::OpenAppend(const std::string& path,
                                                         std::error_code&) {
    return std::make_unique<MemoryOutput>(&files[path]);  // the log is always kept
}

std::int64_t MemoryFileSystem::FileSize(const std::string& path, std::error_code& error) {
    const auto it = files.find(path);
    if (it != files.end()) return static_cast<std::int64_t>(it->second.size());
    error = std::error_code(ENOENT, std::generic_category());
    return -1;
}

}  // namespace morvane::test
