// How a scan shows itself in a terminal: a progress line on standard error, and optionally one
// JSON object per extracted item on standard output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "ScanObserver.h"

namespace morvane::cli {

class TerminalObserver final : public ScanObserver {
  public:
    TerminalObserver(std::FILE* items, std::FILE* progress, bool json, bool showProgress);

    void ItemExtracted(const ExtractedItem& item) override;
    ScanStep Progress(const ProgressReport& report) override;
    void FolderCreationFailed(std::string_view message) override;
    void LogLine(std::string_view line, LogLineKind kind) override;
    void ScanFinished(std::string_view name) override;

    // Ends the progress line so later output starts on a line of its own.
    void Finish();

    static std::string JsonLine(const ExtractedItem& item);

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
