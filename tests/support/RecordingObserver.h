// A scan observer that remembers everything it is told.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ScanObserver.h"

namespace morvane::test {

struct RecordedItem {
    std::string source;
    ResourceKind kind;
    std::int64_t position;
    std::int64_t size;
    std::string output;
    bool written;
    bool operator==(const RecordedItem&) const = default;
};

struct RecordedProgress {
    std::string name;
    std::int64_t lastPosition;
    std::int64_t length;
    std::optional<int> barValue;
};

class RecordingObserver : public ScanObserver {
public:
    void SourceNodesPrepared(std::string_view name, const ScanOptions& options) override;
    void ItemCounted(ResourceKind kind, std::string_view name) override;
    void ItemExtracted(const ExtractedItem& item) override;
    ScanStep Progress(const ProgressReport& report) override;
    void Yield() override;
    void LogLine(std::string_view line, LogLineKind kind) override;
    void FolderCreationFailed(std::string_view message) override;
    void ScanFinished(std::string_view name) override;

    std::vector<std::string> prepared;  // "name:KIND" per node made
    std::map<std::string, int> counts;  // "KIND#name" -> items counted
    std::vector<RecordedItem> items;
    std::vector<RecordedProgress> progress;
    std::vector<std::string> lines;
    std::vector<LogLineKind> lineKinds;
    std::vector<std::string> folderMessages;
    std::vector<std::string> finished;
    int yields = 0;
    // Runs at every progress report; its answer is the report's (e.g. to stop).
    std::function<ScanStep(const ProgressReport&)> onProgress;

    std::vector<std::string> Failures() const;
};

}  // namespace morvane::test
