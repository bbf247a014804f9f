#include "TerminalSink.h"

#include <string>

#include "JsonText.h"
#include "PrintableText.h"
#include "ProgressFigures.h"

namespace morvane::cli {

TerminalSink::TerminalSink(std::FILE* items, std::FILE* progress, bool json, bool showProgress)
    : items_(items), progress_(progress), json_(json), showProgress_(showProgress) {}

std::string TerminalSink::JsonLine(const FoundItem& item) {
    std::string from;
    if (item.origin)
        from = *item.origin == ItemOrigin::Resource ? ", \"from\": \"resource\""
                                                    : ", \"from\": \"signature\"";
    std::string inside;
    if (!item.inside.empty()) {
        inside = ", \"inside\": [" + JsonQuoted(item.name);
        for (const std::string& entry : item.inside) inside += ", " + JsonQuoted(entry);
        inside += "]";
    }
    return "{\"source\": " + JsonQuoted(item.source) +
           ", \"kind\": " + JsonQuoted(KindName(item.kind)) +
           ", \"position\": " + std::to_string(item.position) +
           ", \"size\": " + std::to_string(item.size) + ", \"output\": " + JsonQuoted(item.output) +
           from + inside +
           (item.sameAs.empty() ? "" : ", \"same_as\": " + JsonQuoted(item.sameAs)) + "}";
}

std::string TerminalSink::FolderMessage(const FoldersFailure& failure) {
    return "Cannot create the folder '" + std::string(failure.outputRoot) +
           std::string(KindName(failure.kind));
}

void TerminalSink::ItemWritten(const FoundItem& item) {
    ++itemsExtracted_;
    if (!json_) return;
    const std::string line = JsonLine(item) + "\n";
    std::fwrite(line.data(), 1, line.size(), items_);
}

void TerminalSink::ItemFailed(const FoundItem& item, const ItemFailure&) {
    ItemWritten(item);  // its JSON line too: the file's failure is on standard error already
}

SinkAnswer TerminalSink::Progress(const ScanProgress& progress) {
    if (!showProgress_) return SinkAnswer::Continue;
    constexpr int kBarWidth = 24;
    const int percent =
        progress.total > 0 ? static_cast<int>(progress.done * 100 / progress.total) : 100;
    std::string bar(static_cast<std::size_t>(percent * kBarWidth / 100), '#');
    bar.resize(kBarWidth, '.');
    const std::string name = Printable(progress.name);
    std::fprintf(progress_, "\r\x1b[K%.*s [%s] %s / %s bytes, %lld items",
                 static_cast<int>(name.size()), name.data(), bar.c_str(),
                 GroupDigits(progress.done, ",").c_str(), GroupDigits(progress.total, ",").c_str(),
                 static_cast<long long>(itemsExtracted_ + progress.itemsFound));
    std::fflush(progress_);
    progressShown_ = true;
    return SinkAnswer::Continue;
}

void TerminalSink::FoldersFailed(const FoldersFailure& failure) {
    Tell(FolderMessage(failure));
}

void TerminalSink::LogLine(std::string_view line, LogLineKind kind) {
    // Failures, and how much of a source was left unsearched.
    if (kind == LogLineKind::Failure || kind == LogLineKind::Note) Tell(line);
}

void TerminalSink::Tell(std::string_view message) {
    ClearProgressLine();
    std::fprintf(progress_, "morvane-scan: %.*s\n", static_cast<int>(message.size()),
                 message.data());
}

void TerminalSink::SourceEnded(const SourceEnd&) {
    if (json_) std::fflush(items_);
}

void TerminalSink::ClearProgressLine() {
    if (!progressShown_) return;
    std::fputs("\r\x1b[K", progress_);
    progressShown_ = false;
}

void TerminalSink::Finish() {
    ClearProgressLine();
}

}  // namespace morvane::cli
