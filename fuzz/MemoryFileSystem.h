// A disk held in memory, for fuzzing: sources are byte vectors, folders always exist.
#pragma once

#include <map>
#include <string>

#include "FileSystem.h"
#include "MediaSamples.h"

namespace morvane::test {

class MemoryFileSystem final : public FileSystem {
  public:
    std::map<std::string, Bytes> files;
    bool keepOutputs = true;  // false: created files are not kept (the log always is)

    bool IsFile(const std::string& path) override { return files.count(path) != 0; }
    std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                           std::error_code& error) override;
    std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                             std::error_code& error) override;
    std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                           std::error_code& error) override;
    std::int64_t FileSize(const std::string& path, std::error_code& error) override;
    std::error_code CreateFolders(const std::string&) override { return {}; }
    std::error_code RemoveFile(const std::string& path) override {
        files.erase(path);
        return {};
    }
    std::error_code Rename(const std::string& from, const std::string& to) override {
        auto node = files.extract(from);
        if (node.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
        node.key() = to;
        files.erase(to);
        files.insert(std::move(node));
        return {};
    }
};

}  // namespace morvane::test
