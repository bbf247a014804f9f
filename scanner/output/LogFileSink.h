// The scan log: LOG.txt in the output root, written from a scan's events. Its lines are fixed
// English forms but for the word of the count line, which the caller gives in its language.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "FileSystem.h"
#include "LogLineListener.h"
#include "ResourceKind.h"
#include "ScanSink.h"

namespace morvane {

// LOG.txt is emptied before a scan once it has grown past this many bytes.
inline constexpr std::int64_t kLogResetSize = 1024000;
inline constexpr std::string_view kLogFileName = "LOG.txt";

// The local date and time in the user's general format (short date, a space, long time).
std::string LocalDateTimeText();

class LogFileSink final : public ScanSink {
  public:
    using Clock = std::function<std::string()>;

    struct Setup {
        FileSystem& fileSystem;
        std::string outputRoot;  // ends with the path separator
        std::string foundWord;   // of the count line, "12 <word> ."
        Clock clock = LocalDateTimeText;
        LogLineListener* listener = nullptr;  // told every line; may be none
    };

    explicit LogFileSink(Setup setup);
    ~LogFileSink() override;

    // Opens (or creates) the log for appending, emptying it first when it is too long, and writes
    // the separator and start lines. A log that cannot be opened is reported as a failure line to
    // the listener; the lines then reach only the listener.
    void SearchBegun(const SourceStart& start) override;
    void Failure(const std::error_code& error) override;
    void ContainerFailed(const ContainerFailure& failure) override;
    void ItemWritten(const FoundItem& item) override;
    void ItemFailed(const FoundItem& item, const ItemFailure& failure) override;
    // The count and end lines, then the log is closed.
    void SourceEnded(const SourceEnd& end) override;

    // Whether any failure line was written since the sink was made.
    bool HadFailure() const noexcept { return hadFailure_; }

    static std::string ItemLine(ResourceKind kind, std::int64_t position, std::int64_t size);
    // "setup.exe > $PLUGINSDIR/modern-wizard.bmp": a source's name, then entries inward.
    static std::string InsideText(std::string_view source, std::span<const std::string> inside);

  private:
    void Write(std::string_view line, LogLineKind kind);
    void Tell(std::string_view line, LogLineKind kind);
    std::unique_ptr<OutputFile> OpenLog(const std::string& path);

    Setup setup_;
    std::unique_ptr<OutputFile> file_;
    bool hadFailure_ = false;
};

}  // namespace morvane
