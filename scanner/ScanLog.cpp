#include "ScanLog.h"

#include <ctime>
#include <string>

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

ScanLog::ScanLog(FileSystem& fileSystem, ScanObserver& observer, Clock clock)
    : fileSystem_(fileSystem), observer_(observer), clock_(std::move(clock)) {}

ScanLog::~ScanLog() = default;

std::unique_ptr<OutputFile> ScanLog::OpenLog(const std::string& path) {
    std::error_code error;
    std::unique_ptr<OutputFile> file = fileSystem_.OpenAppend(path, error);
    if (!file) {
        Failure(error);
        return nullptr;
    }
    std::error_code sizeError;
    if (fileSystem_.FileSize(path, sizeError) > kLogResetSize) {
        file->Close();
        std::unique_ptr<OutputFile> emptied = fileSystem_.CreateOutput(path, error);
        if (emptied) emptied->Close();
        file = error ? nullptr : fileSystem_.OpenAppend(path, error);
        if (!file) Failure(error);
    }
    return file;
}

void ScanLog::Begin(const std::string& outputRoot, std::string_view sourcePath) {
    hadFailure_ = false;
    file_ = OpenLog(outputRoot + std::string(kLogFileName));
    Write("----------", LogLineKind::Separator);
    Write("Start: " + clock_() + " (" + std::string(sourcePath) + ")", LogLineKind::Start);
}

std::string ScanLog::ItemLine(ResourceKind kind, std::int64_t position, std::int64_t size) {
    return std::string(KindName(kind)) + " file found at offset: " + std::to_string(position) +
           ",  Size: " + std::to_string(size);
}

void ScanLog::Item(ResourceKind kind, std::int64_t position, std::int64_t size) {
    Write(ItemLine(kind, position, size), LogLineKind::Item);
}

void ScanLog::Failure(const std::error_code& error) {
    hadFailure_ = true;
    Write(FailureText(error), LogLineKind::Failure);
}

void ScanLog::End(std::int64_t count, std::string_view foundWord) {
    Write(std::to_string(count) + " " + std::string(foundWord) + " .", LogLineKind::Count);
    Write("End: " + clock_(), LogLineKind::End);
    if (file_) {
        std::unique_ptr<OutputFile> file = std::move(file_);
        if (std::error_code error = file->Close()) Failure(error);
    }
}

void ScanLog::Write(std::string_view line, LogLineKind kind) {
    if (file_) {
        std::string bytes(line);
        bytes += "\r\n";
        if (std::error_code error =
                file_->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) {
            // A log that cannot take its lines is given up; the observer still gets them all.
            file_.reset();
            observer_.LogLine(line, kind);
            Failure(error);
            return;
        }
    }
    observer_.LogLine(line, kind);
}

}  // namespace morvane
