// What a scan shows in the windows: the tree's nodes and counts, the progress window's text and
// bar, the log window's lines, the message when the kind folders cannot be made, and the busy
// pointer. At the engine's yields it lets the window system run; that is when the window
// repaints and the stop button can be pressed.
#pragma once

#include <QString>
#include <functional>

#include "ScanObserver.h"

namespace morvane {

class CategoryTree;
class Form3;
class Form4;
class MessageBoxes;

class WindowScanObserver final : public ScanObserver {
  public:
    struct Windows {
        CategoryTree* tree = nullptr;
        // The log window while its menu entry is checked, else nullptr; asked at every line,
        // since the user may open or close it during a scan.
        std::function<Form3*()> logWindow;
        MessageBoxes* messageBoxes = nullptr;
        QString title;      // of message boxes
        QString searching;  // the word of the progress text
    };

    explicit WindowScanObserver(Windows windows);

    // The progress window of the scan that runs now; nullptr between scans.
    void SetProgressWindow(Form4* form4) { form4_ = form4; }

    void SourceNodesPrepared(std::string_view name, const ScanOptions& options) override;
    void ItemCounted(ResourceKind kind, std::string_view name) override;
    ScanStep Progress(const ProgressReport& report) override;
    void Yield() override;
    void LogLine(std::string_view line, LogLineKind kind) override;
    void FolderCreationFailed(std::string_view message) override;
    void ScanFinished(std::string_view name) override;
    void BusyChanged(bool busy) override;

  private:
    Windows windows_;
    Form4* form4_ = nullptr;
};

}  // namespace morvane
