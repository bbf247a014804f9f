#include "RecordingObserver.h"

namespace morvane::test {

void RecordingObserver::SourceNodesPrepared(std::string_view name, const ScanOptions& options) {
    for (ResourceKind kind : kAllKinds)
        if (options.IsEnabled(kind)) prepared.push_back(std::string(name) + ":" + std::string(KindName(kind)));
}

void RecordingObserver::ItemCounted(ResourceKind kind, std::string_view name) {
    ++counts[std::string(KindName(kind)) + "#" + std::string(name)];
}

void RecordingObserver::ItemExtracted(const ExtractedItem& item) {
    items.push_back({std::string(item.source), item.kind, item.position, item.size,
                     std::string(item.output), item.written});
}

ScanStep RecordingObserver::Progress(const ProgressReport& report) {
    progress.push_back({std::string(report.name), report.lastPosition, report.length, report.barValue});
    return onProgress ? onProgress(report) : ScanStep::Continue;
}

void RecordingObserver::Yield() { ++yields; }

void RecordingObserver::LogLine(std::string_view line, LogLineKind kind) {
    lines.emplace_back(line);
    lineKinds.push_back(kind);
}

void RecordingObserver::FolderCreationFailed(std::string_view message) {
    folderMessages.emplace_back(message);
}

void RecordingObserver::ScanFinished(std::string_view name) { finished.emplace_back(name); }

std::vector<std::string> RecordingObserver::Failures() const {
    std::vector<std::string> failures;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lineKinds[i] == LogLineKind::Failure) failures.push_back(lines[i]);
    return failures;
}

}  // namespace morvane::test
