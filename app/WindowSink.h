// What a scan shows in the windows: the tree's nodes and counts, the progress window's text and
// bar, the log window's lines and the message when the kind folders cannot be made. It is told
// on the scanning thread and shows on the window's thread: every event is posted, and shown when
// the window's thread calls ShowPosted, in the order it was told.
#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

#include "LogLineListener.h"
#include "PostedEvents.h"
#include "ScanSink.h"

namespace morvane {

class CategoryTree;
class Form3;
class Form4;
class MessageBoxes;
class MessageTable;

class WindowSink final : public ScanSink, public LogLineListener {
  public:
    struct Windows {
        CategoryTree* tree = nullptr;
        // The log window while its menu entry is checked, else nullptr; asked at every line,
        // since the user may open or close it during a scan.
        std::function<Form3*()> logWindow;
        MessageBoxes* messageBoxes = nullptr;
        QString title;  // of message boxes
        const MessageTable* messages = nullptr;
    };

    explicit WindowSink(Windows windows);

    // The progress window of the run; nullptr between runs. On the window's thread only.
    void SetProgressWindow(Form4* form4) { form4_ = form4; }
    // The window is going: a scan waiting for a message box to be answered goes on.
    void Abandon();
    // Shows what was told until now. On the window's thread only.
    void ShowPosted() { posted_.RunPosted(); }

    // The scan's events, on the scanning thread.
    void SourceBegun(const SourceStart& start) override;
    void FoldersFailed(const FoldersFailure& failure) override;
    SinkAnswer Progress(const ScanProgress& progress) override;
    void ItemWritten(const FoundItem& item) override;
    void ItemFailed(const FoundItem& item, const ItemFailure& failure) override;
    void SourceEnded(const SourceEnd& end) override;
    void LogLine(std::string_view line, LogLineKind kind) override;

    // The steps of a run, on the scanning thread: the sub-folders of `folder` are being listed;
    // the files of `folder` are next; file `index` of `count` is next; the run is over.
    void FolderListing(const std::string& folder);
    void FolderBegun(const std::string& folder);
    void FileBegun(std::size_t index, std::size_t count);
    void RunEnded(std::function<void()> onWindowThread);

  private:
    void ShowFolder(const std::string& folder, const QString& text);

    PostedEvents posted_;
    Windows windows_;
    std::string source_;  // the name of the source being scanned, on the scanning thread
    Form4* form4_ = nullptr;
    // A message box holds the scan until it is answered, as it would on one thread.
    std::mutex mutex_;
    std::condition_variable answered_;
    bool waiting_ = false;
    bool abandoned_ = false;
    // How many progress reports and closing log lines were posted: only the latest of each is
    // shown.
    std::atomic<std::uint64_t> progressReports_ = 0;
    std::atomic<std::uint64_t> endLines_ = 0;
};

}  // namespace morvane
