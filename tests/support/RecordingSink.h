// A scan sink that remembers every event it is told, and the log's lines.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "LogLineListener.h"
#include "ScanSink.h"

namespace morvane::test {

struct RecordedItem {
    std::string source;
    ResourceKind kind;
    std::int64_t position, size;
    std::string output;
    bool written;
    bool fromResource = false;  // built from a resource table, not carved at a signature
    std::string inside = {};    // the entries that hold it, "a.zip > b.cab > c.bin"
    bool operator==(const RecordedItem&) const = default;
};

struct RecordedProgress {
    std::string name;
    std::int64_t done, total;
    bool operator==(const RecordedProgress&) const = default;
};

class RecordingSink : public ScanSink, public LogLineListener {
  public:
    std::vector<std::string> prepared;  // "name:KIND" per enabled kind of a source begun
    std::map<std::string, int> counts;  // "KIND#name" -> items told
    std::vector<RecordedItem> items;
    std::vector<RecordedProgress> progress;
    // failures: failure lines of the log, also in lines; folders: "<root><KIND>" not made
    std::vector<std::string> lines, failures, folders, finished;
    // After this many progress reports the sink answers stop.
    std::size_t stopAfter = SIZE_MAX;

    void SourceBegun(const SourceStart& start) override {
        for (ResourceKind kind : kAllKinds)
            if (start.options.IsEnabled(kind))
                prepared.push_back(std::string(start.name) + ":" + std::string(KindName(kind)));
    }
    void FoldersFailed(const FoldersFailure& f) override {
        folders.push_back(std::string(f.outputRoot) + std::string(KindName(f.kind)));
    }
    SinkAnswer Progress(const ScanProgress& p) override {
        progress.push_back({std::string(p.name), p.done, p.total});
        return progress.size() >= stopAfter ? SinkAnswer::Stop : SinkAnswer::Continue;
    }
    void ItemWritten(const FoundItem& item) override { Record(item, true); }
    void ItemFailed(const FoundItem& item, const ItemFailure&) override { Record(item, false); }
    void SourceEnded(const SourceEnd& end) override { finished.emplace_back(end.name); }
    void LogLine(std::string_view line, LogLineKind kind) override {
        lines.emplace_back(line);
        if (kind == LogLineKind::Failure) failures.emplace_back(line);
    }

  private:
    void Record(const FoundItem& i, bool written) {
        ++counts[std::string(KindName(i.kind)) + "#" + std::string(i.name)];
        std::string inside;
        for (const std::string& entry : i.inside) inside += (inside.empty() ? "" : " > ") + entry;
        items.push_back({std::string(i.source), i.kind, i.position, i.size, std::string(i.output),
                         written, i.origin == ItemOrigin::Resource, inside});
    }
};

}  // namespace morvane::test
