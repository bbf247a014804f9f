// How a scan shows itself in a terminal: a progress line on standard error, failures there too,
// and optionally one JSON object per extracted item on standard output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "LogLineListener.h"
#include "ScanSink.h"

namespace morvane::cli {

class TerminalSink final : public ScanSink, public LogLineListener {
  public:
    TerminalSink(std::FILE* items, std::FILE* progress, bool json, bool showProgress);

    SinkAnswer Progress(const ScanProgress& progress) override;
    void FoldersFailed(const FoldersFailure& failure) override;
    void ItemWritten(const FoundItem& item) override;
    void ItemFailed(const FoundItem& item, const ItemFailure& failure) override;
    void SourceEnded(const SourceEnd& end) override;
    // Failure lines of the log are told on standard error.
    void LogLine(std::string_view line, LogLineKind kind) override;

    // A message of the tool's own, on a line of its own.
    void Tell(std::string_view message);
    // Ends the progress line so later output starts on a line of its own.
    void Finish();

    static std::string JsonLine(const FoundItem& item);
    // "Cannot create the folder '<root><KIND>"
    static std::string FolderMessage(const FoldersFailure& failure);

  private:
    void ClearProgressLine();

    std::FILE* items_;
    std::FILE* progress_;
    bool json_;
    bool showProgress_;
    bool progressShown_ = false;
    std::int64_t itemsExtracted_ = 0;  // over every source of the run, for the progress line
};

}  // namespace morvane::cli
