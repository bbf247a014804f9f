// What a scan tells whoever drives it: the window program and the terminal tool each implement
// this; every callback has a do-nothing default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ResourceKind.h"
#include "ScanOptions.h"

namespace morvane {

enum class LogLineKind { Separator, Start, Item, Failure, Count, End };

// What a progress report may answer: go on, or stop the search as the stop button would.
enum class ScanStep { Continue, Stop };

struct ProgressReport {
    std::string_view name;        // the source's file name
    std::int64_t lastPosition;    // 1-based position of the chunk's last byte
    std::int64_t length;          // the source's length
    std::optional<int> barValue;  // 0..100, or nothing when the bar keeps its value
    std::int64_t itemsFound;      // candidates of this source accepted so far
};

struct ExtractedItem {
    std::string_view source;  // the path the scan was given
    ResourceKind kind;
    std::int64_t position;  // 1-based position of the signature
    std::int64_t size;      // the size the rule gave (the file may hold fewer bytes)
    std::string_view output;
    bool written;  // false when the output file could not be made
    // With the resource pass only: "resource" or "signature", how the item was found.
    const char* from = nullptr;
};

class ScanObserver {
  public:
    virtual ~ScanObserver() = default;

    // The scan has begun: every enabled kind gets a node for `name` with count 0.
    virtual void SourceNodesPrepared(std::string_view name, const ScanOptions& options) {
        (void)name, (void)options;
    }
    // One more item of `kind` was written from the source `name`.
    virtual void ItemCounted(ResourceKind kind, std::string_view name) { (void)kind, (void)name; }
    virtual void ItemExtracted(const ExtractedItem& item) { (void)item; }
    // Once per chunk, before it is searched.
    virtual ScanStep Progress(const ProgressReport& report) {
        (void)report;
        return ScanStep::Continue;
    }
    // A chance to keep the user interface alive; the stop request is read at the next chunk.
    virtual void Yield() {}
    // Every line also written to LOG.txt, and failures that LOG.txt could not take.
    virtual void LogLine(std::string_view line, LogLineKind kind) { (void)line, (void)kind; }
    // The kind folders could not be made; the scan has ended.
    virtual void FolderCreationFailed(std::string_view message) { (void)message; }
    // The scan is over: nodes of `name` that stayed at 0 may go.
    virtual void ScanFinished(std::string_view name) { (void)name; }
    virtual void BusyChanged(bool busy) { (void)busy; }
};

}  // namespace morvane
