// A disk held in memory: sources are byte vectors, outputs are kept (or only counted), folders
// always exist. For fuzzing and load tests that must not touch the real disk.
#pragma once

#include <map>
#include <string>

#include "FileSystem.h"
#include "MediaSamples.h"

namespace morvane::test {

class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, Bytes> files;
    bool keepOutputs = true;  // false: created files are counted, not kept (the log always is)
    std::size_t outputsCreated = 0;

    bool IsFile(const std::string& path) override { return files.count(path) != 0; }
    std::unique_ptr<SourceFile> OpenSource(const std::string& path, std::error_code& error) override;
    std::unique_ptr<OutputFile> CreateOutput(const std::string& path, std::error_code& error) override;
    std::unique_ptr<OutputFile> OpenAppend(const std::string& path, std::error_code& error) override;
    std::int64_t FileSize(const std::string& path, std::error_code& error) override;
    std::error_code CreateFolders(const std::string&) override { return {}; }
    std::error_code RemoveFile(const std::string& path) override {
        files.erase(path);
        return {};
    }
};

}  // namespace morvane::test
