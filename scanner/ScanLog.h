// The scan log: LOG.txt in the output root, mirrored line by line to the observer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "FileSystem.h"
#include "ResourceKind.h"
#include "ScanObserver.h"

namespace morvane {

// LOG.txt is emptied before a scan once it has grown past this many bytes.
inline constexpr std::int64_t kLogResetSize = 1024000;
inline constexpr std::string_view kLogFileName = "LOG.txt";

// The local date and time in the user's general format (short date, a space, long time).
std::string LocalDateTimeText();

class ScanLog {
  public:
    using Clock = std::function<std::string()>;

    ScanLog(FileSystem& fileSystem, ScanObserver& observer, Clock clock);
    ~ScanLog();

    // Opens (or creates) the log for appending, emptying it first when it is too long, and writes
    // the separator and start lines. A log that cannot be opened is reported as a failure line to
    // the observer; the lines then reach only the observer.
    void Begin(const std::string& outputRoot, std::string_view sourcePath);
    void Item(ResourceKind kind, std::int64_t position, std::int64_t size);
    void Failure(const std::error_code& error);
    // The count and end lines, then the log is closed.
    void End(std::int64_t count, std::string_view foundWord);

    // Whether any failure line was written during this scan.
    bool HadFailure() const noexcept { return hadFailure_; }

    static std::string ItemLine(ResourceKind kind, std::int64_t position, std::int64_t size);

  private:
    void Write(std::string_view line, LogLineKind kind);
    std::unique_ptr<OutputFile> OpenLog(const std::string& path);

    FileSystem& fileSystem_;
    ScanObserver& observer_;
    Clock clock_;
    std::unique_ptr<OutputFile> file_;
    bool hadFailure_ = false;
};

}  // namespace morvane
