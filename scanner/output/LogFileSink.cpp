#include "LogFileSink.h"

#include <ctime>
#include <string>

#include "PrintableText.h"
#include "ScanError.h"

namespace morvane {

std::string LocalDateTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%x %X", &local);
    return std::string(text, length);
}

LogFileSink::LogFileSink(Setup setup) : setup_(std::move(setup)) {}

LogFileSink::~LogFileSink() = default;

std::unique_ptr<OutputFile> LogFileSink::OpenLog(const std::string& path) {
    FileSystem& fileSystem = setup_.fileSystem;
    std::error_code error;
    std::unique_ptr<OutputFile> file = fileSystem.OpenAppend(path, error);
    if (!file) {
        Failure(error);
        return nullptr;
    }
    std::error_code sizeError;
    if (fileSystem.FileSize(path, sizeError) > kLogResetSize) {
        file->Close();
        std::unique_ptr<OutputFile> emptied = fileSystem.CreateOutput(path, error);
        if (emptied) emptied->Close();
        file = error ? nullptr : fileSystem.OpenAppend(path, error);
        if (!file) Failure(error);
    }
    return file;
}

void LogFileSink::SearchBegun(const SourceStart& start) {
    file_ = OpenLog(setup_.outputRoot + std::string(kLogFileName));
    Write("----------", LogLineKind::Separator);
    Write("Start: " + setup_.clock() + " (" + Printable(start.path) + ")", LogLineKind::Start);
}

std::string LogFileSink::ItemLine(ResourceKind kind, std::int64_t position, std::int64_t size) {
    return std::string(KindName(kind)) + " file found at offset: " + std::to_string(position) +
           ",  Size: " + std::to_string(size);
}

void LogFileSink::ItemWritten(const FoundItem& item) {
    std::string line = ItemLine(item.kind, item.position, item.size);
    if (!item.resourceName.empty()) line += ",  Name: " + Printable(item.resourceName);
    if (!item.sameAs.empty()) {
        // Named from the output folder, where both files lie.
        std::string_view earlier = item.sameAs;
        if (earlier.starts_with(setup_.outputRoot)) earlier.remove_prefix(setup_.outputRoot.size());
        line += ",  Same as: " + Printable(earlier);
    }
    if (!item.inside.empty()) line += ",  Inside: " + InsideText(item.name, item.inside);
    Write(line, LogLineKind::Item);
}

std::string LogFileSink::InsideText(std::string_view source, std::span<const std::string> inside) {
    std::string text = Printable(source);
    for (const std::string& entry : inside) text += " > " + Printable(entry);
    return text;
}

void LogFileSink::ContainerFailed(const ContainerFailure& failure) {
    hadFailure_ = true;
    Write(FailureText(failure.why) + ": " + Printable(failure.where), LogLineKind::Failure);
}

// The failure comes before the item's line; a source that could not be read again was logged
// once, not once per item.
void LogFileSink::ItemFailed(const FoundItem& item, const ItemFailure& failure) {
    if (!failure.sourceUnreadable) Failure(failure.why);
    ItemWritten(item);
}

void LogFileSink::Failure(const std::error_code& error) {
    hadFailure_ = true;
    Write(FailureText(error), LogLineKind::Failure);
}

// A source searched only in part says how far, before its count: stopped, or capped by the
// search limit.
void LogFileSink::SourceEnded(const SourceEnd& end) {
    if (end.stoppedAt)
        Write("Stopped after " + std::to_string(*end.stoppedAt) + " of " +
                  std::to_string(end.searched) + " bytes.",
              LogLineKind::Note);
    if (end.searched < end.length)
        Write("Searched the first " + std::to_string(end.searched) + " of " +
                  std::to_string(end.length) + " bytes (search limit).",
              LogLineKind::Note);
    Write(std::to_string(end.itemCount) + " " + setup_.foundWord + " .", LogLineKind::Count);
    Write("End: " + setup_.clock(), LogLineKind::End);
    if (file_) {
        std::unique_ptr<OutputFile> file = std::move(file_);
        if (std::error_code error = file->Close()) Failure(error);
    }
}

void LogFileSink::Write(std::string_view line, LogLineKind kind) {
    if (file_) {
        std::string bytes(line);
        bytes += "\r\n";
        if (std::error_code error =
                file_->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) {
            // A log that cannot take its lines is given up; the listener still gets them all.
            file_.reset();
            Tell(line, kind);
            Failure(error);
            return;
        }
    }
    Tell(line, kind);
}

void LogFileSink::Tell(std::string_view line, LogLineKind kind) {
    if (setup_.listener != nullptr) setup_.listener->LogLine(line, kind);
}

}  // namespace morvane
