// A scan observer that remembers everything it is told.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ScanObserver.h"

namespace morvane::test {

struct RecordedItem {
    std::string source;
    ResourceKind kind;
    std::int64_t position, size;
    std::string output;
    bool written;
    bool fromResource = false;  // built from a resource table, not carved at a signature
    bool operator==(const RecordedItem&) const = default;
};

struct RecordedProgress {
    std::string name;
    std::int64_t lastPosition, length;
    std::optional<int> barValue;
    bool operator==(const RecordedProgress&) const = default;
};

class RecordingObserver : public ScanObserver {
  public:
    std::vector<std::string> prepared;  // "name:KIND" per node made
    std::map<std::string, int> counts;  // "KIND#name" -> items counted
    std::vector<RecordedItem> items;
    std::vector<RecordedProgress> progress;
    std::vector<std::string> lines, failures, folderMessages, finished;  // failures: lines too

    void SourceNodesPrepared(std::string_view name, const ScanOptions& options) override {
        for (ResourceKind kind : kAllKinds)
            if (options.IsEnabled(kind))
                prepared.push_back(std::string(name) + ":" + std::string(KindName(kind)));
    }
    void ItemCounted(ResourceKind kind, std::string_view name) override {
        ++counts[std::string(KindName(kind)) + "#" + std::string(name)];
    }
    void ItemExtracted(const ExtractedItem& i) override {
        items.push_back({std::string(i.source), i.kind, i.position, i.size, std::string(i.output),
                         i.written, i.from != nullptr && std::string_view(i.from) == "resource"});
    }
    ScanStep Progress(const ProgressReport& r) override {
        progress.push_back({std::string(r.name), r.lastPosition, r.length, r.barValue});
        return ScanStep::Continue;
    }
    void LogLine(std::string_view line, LogLineKind kind) override {
        lines.emplace_back(line);
        if (kind == LogLineKind::Failure) failures.emplace_back(line);
    }
    void FolderCreationFailed(std::string_view text) override { folderMessages.emplace_back(text); }
    void ScanFinished(std::string_view name) override { finished.emplace_back(name); }
};

}  // namespace morvane::test
