// What a scan reports, as events: whoever drives a scan (the window program, the terminal tool,
// the LOG.txt writer) implements the events it cares about; every event has a do-nothing default.
// The events of one source come in this order: SourceBegun; then either FoldersFailed, which ends
// the source, or SearchBegun, Progress once per chunk, Failure whenever something could not be
// read or written, one ItemWritten or ItemFailed per accepted item, and SourceEnded. With
// containers unpacked, the items of their entries (and ContainerFailed for what could not be
// read) come after the source's own items and before SourceEnded.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "ResourceKind.h"
#include "ScanOptions.h"

namespace morvane {

// What a sink may answer to a progress report: go on, or stop the search. A stop ends the
// search at the next chunk; what was found so far is still written.
enum class SinkAnswer { Continue, Stop };

// How an item was found, told only by a scan that reads resource tables.
enum class ItemOrigin { Signature, Resource };

struct SourceStart {
    std::string_view path;  // as the scan was given it, with its folder
    std::string_view name;  // its file name, the stem of every output name
    const ScanOptions& options;
};

struct FoldersFailure {
    std::string_view outputRoot;
    ResourceKind kind;  // the first kind folder that could not be made
    std::error_code error;
};

struct ScanProgress {
    std::string_view name;    // the source's file name
    std::int64_t done;        // 1-based position of the last byte of the chunk about to be searched
    std::int64_t total;       // the bytes to search: the source's length, or the cap on it
    std::int64_t itemsFound;  // candidates of this source accepted so far
};

struct FoundItem {
    std::string_view source;  // the path the scan was given
    std::string_view name;    // its file name
    ResourceKind kind;
    std::int64_t position;  // 1-based position of the signature
    std::int64_t size;      // the size the rule gave (the file may hold fewer bytes)
    std::optional<ItemOrigin> origin;
    std::string_view output;        // the item's file
    std::string_view resourceName;  // an icon library's group: its name, when it has one
    // A run of distinct items: the file written before with the same bytes; this item's own file
    // (`output`) was then not written.
    std::string_view sameAs = {};
    // The entry of a container that holds the item, as the names from the source inward (an
    // entry inside an entry of a container names both); empty for an item of the source itself.
    std::span<const std::string> inside = {};
};

// A container, or one of its entries, that could not be read or was left unread.
struct ContainerFailure {
    std::string_view where;  // "setup.exe > data.cab > icon.ico": the source, then entries
    std::error_code why;
};

struct ItemFailure {
    std::error_code why;
    // The source could not be read again for writing: that failure was reported once already.
    bool sourceUnreadable = false;
};

struct SourceEnd {
    std::string_view name;
    std::int64_t itemCount;     // items found, whether or not their files could be made
    std::int64_t length = 0;    // of the source
    std::int64_t searched = 0;  // the bytes the search was to read: fewer than `length` when capped
    // A stop ended the scan before its end: the bytes searched by then.
    std::optional<std::int64_t> stoppedAt = std::nullopt;
};

class ScanSink {
  public:
    virtual ~ScanSink() = default;

    // The source is there and will be scanned: every enabled kind may get a node for it.
    virtual void SourceBegun(const SourceStart& start) { (void)start; }
    // The kind folders could not be made; nothing more comes for this source.
    virtual void FoldersFailed(const FoldersFailure& failure) { (void)failure; }
    // The kind folders are there; the search starts.
    virtual void SearchBegun(const SourceStart& start) { (void)start; }
    virtual SinkAnswer Progress(const ScanProgress& progress) {
        (void)progress;
        return SinkAnswer::Continue;
    }
    // Something could not be read or written; the scan goes on with its next step.
    virtual void Failure(const std::error_code& error) { (void)error; }
    // With containers unpacked: something inside the source was left out; the rest goes on.
    virtual void ContainerFailed(const ContainerFailure& failure) { (void)failure; }
    virtual void ItemWritten(const FoundItem& item) { (void)item; }
    virtual void ItemFailed(const FoundItem& item, const ItemFailure& failure) {
        (void)item, (void)failure;
    }
    virtual void SourceEnded(const SourceEnd& end) { (void)end; }
};

}  // namespace morvane
