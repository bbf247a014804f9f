#include "TerminalObserver.h"

#include <string>

#include "JsonText.h"
#include "ProgressText.h"

namespace morvane::cli {

TerminalObserver::TerminalObserver(std::FILE* items, std::FILE* progress, bool json,
                                   bool showProgress)
    : items_(items), progress_(progress), json_(json), showProgress_(showProgress) {}

std::string TerminalObserver::JsonLine(const ExtractedItem& item) {
    return "{\"source\": " + JsonQuoted(item.source) +
           ", \"kind\": " + JsonQuoted(KindName(item.kind)) +
           ", \"position\": " + std::to_string(item.position) +
           ", \"size\": " + std::to_string(item.size) + ", \"output\": " + JsonQuoted(item.output) +
           (item.from ? std::string(", \"from\": \"") + item.from + "\"" : std::string()) + "}";
}

void TerminalObserver::ItemExtracted(const ExtractedItem& item) {
    ++itemsExtracted_;
    if (!json_) return;
    const std::string line = JsonLine(item) + "\n";
    std::fwrite(line.data(), 1, line.size(), items_);
}

ScanStep TerminalObserver::Progress(const ProgressReport& report) {
    if (!showProgress_) return ScanStep::Continue;
    constexpr int kBarWidth = 24;
    const int percent =
        report.length > 0 ? static_cast<int>(report.lastPosition * 100 / report.length) : 100;
    std::string bar(static_cast<std::size_t>(percent * kBarWidth / 100), '#');
    bar.resize(kBarWidth, '.');
    std::fprintf(progress_, "\r\x1b[K%.*s [%s] %s / %s bytes, %lld items",
                 static_cast<int>(report.name.size()), report.name.data(), bar.c_str(),
                 GroupDigits(report.lastPosition, ",").c_str(),
                 GroupDigits(report.length, ",").c_str(),
                 static_cast<long long>(itemsExtracted_ + report.itemsFound));
    std::fflush(progress_);
    progressShown_ = true;
    return ScanStep::Continue;
}

void TerminalObserver::FolderCreationFailed(std::string_view message) {
    ClearProgressLine();
    std::fprintf(progress_, "morvane-scan: %.*s\n", static_cast<int>(message.size()),
                 message.data());
}

void TerminalObserver::LogLine(std::string_view line, LogLineKind kind) {
    if (kind != LogLineKind::Failure) return;
    ClearProgressLine();
    std::fprintf(progress_, "morvane-scan: %.*s\n", static_cast<int>(line.size()), line.data());
}

void TerminalObserver::ScanFinished(std::string_view) {
    if (json_) std::fflush(items_);
}

void TerminalObserver::ClearProgressLine() {
    if (!progressShown_) return;
    std::fputs("\r\x1b[K", progress_);
    progressShown_ = false;
}

void TerminalObserver::Finish() {
    ClearProgressLine();
}

}  // namespace morvane::cli
