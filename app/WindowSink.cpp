#include "WindowSink.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include "CategoryTree.h"
#include "Form3.h"
#include "Form4.h"
#include "ItemFiles.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "PrintableText.h"
#include "ProgressFigures.h"

namespace morvane {

namespace {
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Grouped(std::int64_t n) {
    return Text(GroupDigits(n, QLocale::system().groupSeparator().toStdString()));
}
}  // namespace

WindowSink::WindowSink(Windows windows) : windows_(std::move(windows)) {}

void WindowSink::SourceBegun(const SourceStart& start) {
    source_ = std::string(start.name);
    posted_.Post([this, name = std::string(start.name), options = start.options] {
        windows_.tree->AddSourceFileNodes(Text(name), options);
    });
}

void WindowSink::FoldersFailed(const FoldersFailure& failure) {
    const std::string folder =
        std::string(failure.outputRoot) + std::string(KindName(failure.kind));
    {
        const std::lock_guard lock(mutex_);
        if (abandoned_) return;
        waiting_ = true;
    }
    // The source ends here: its earlier scan's files stay in its nodes, as after a stop.
    posted_.Post([this, name = source_] { windows_.tree->EndSourceFileNodes(Text(name), true); });
    posted_.Post([this, folder] {
        windows_.messageBoxes->Critical(windows_.title,
                                        windows_.messages->Text(MessageId::CannotMakeFolder) +
                                            QStringLiteral(" '") + Text(folder));
        const std::lock_guard lock(mutex_);
        waiting_ = false;
        answered_.notify_all();
    });
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [this] { return !waiting_ || abandoned_; });
}

void WindowSink::Abandon() {
    const std::lock_guard lock(mutex_);
    abandoned_ = true;
    answered_.notify_all();
}

// Name, two line breaks, the word for searching, "e / L bytes." with grouped digits; the bar
// keeps its value when the report gives none.
// Name, two line breaks, the word for searching, "e / L bytes." with grouped digits; the bar
// keeps its value when the report gives none. Only the latest report is shown: a batch of small
// files reports far more often than a screen can show, and each shown report paints the bar.
SinkAnswer WindowSink::Progress(const ScanProgress& progress) {
    const std::uint64_t report = ++progressReports_;
    posted_.Post([this, report, name = std::string(progress.name), done = progress.done,
                  total = progress.total] {
        if (form4_ == nullptr || report != progressReports_.load()) return;
        form4_->Label1()->setText(Text(Printable(name)) + QStringLiteral("\n\n") +
                                  windows_.messages->Text(MessageId::Searching) + u' ' +
                                  Grouped(done) + QStringLiteral(" / ") + Grouped(total) +
                                  QStringLiteral(" bytes."));
        if (const std::optional<int> value = ProgressBarValue(done, total))
            form4_->ProgressBar1()->setValue(*value);
    });
    return SinkAnswer::Continue;  // the stop button answers through the run's stop token
}

void WindowSink::ItemWritten(const FoundItem& item) {
    if (!item.sameAs.empty()) return;  // its file was not written: it has no place in the tree
    posted_.Post(
        [this, kind = item.kind, name = std::string(item.name), output = std::string(item.output)] {
            windows_.tree->CountItem(kind, Text(name), Text(output));
        });
}

// The log says what failed; the node counts the item only where some of it was written, as the
// node's count, list and deletions all mean its files.
void WindowSink::ItemFailed(const FoundItem& item, const ItemFailure&) {
    if (QFileInfo::exists(Text(item.output))) ItemWritten(item);
}

// A rescan that ran to its end replaces the earlier scan's files; one that was stopped keeps
// those it did not write again.
void WindowSink::SourceEnded(const SourceEnd& end) {
    posted_.Post([this, name = std::string(end.name), stopped = end.stoppedAt.has_value()] {
        for (const QString& file : windows_.tree->EndSourceFileNodes(Text(name), stopped))
            (void)RemoveItemFile(file.toStdString());
        windows_.tree->RemoveEmptySourceNodes();
    });
}

// The last line is selected after a scan's closing lines, once for all the scans shown together.
void WindowSink::LogLine(std::string_view line, LogLineKind kind) {
    const std::uint64_t end = kind == LogLineKind::End ? ++endLines_ : 0;
    posted_.Post([this, line = std::string(line), end] {
        Form3* log = windows_.logWindow ? windows_.logWindow() : nullptr;
        if (log == nullptr) return;
        log->AddLine(Text(line));
        if (end != 0 && end == endLines_.load()) log->SelectLastLine();
    });
}

void WindowSink::FolderListing(const std::string& folder) {
    posted_.Post([this, folder] { ShowFolder(folder, QString()); });
}

void WindowSink::FolderBegun(const std::string& folder) {
    posted_.Post([this, folder] {
        ShowFolder(folder, QStringLiteral("\n\n") + windows_.messages->Text(MessageId::Searching) +
                               QStringLiteral(" 0 "));
    });
}

void WindowSink::ShowFolder(const std::string& folder, const QString& text) {
    if (form4_ == nullptr) return;
    form4_->Label1()->setText(text);
    form4_->Label3()->setText(Text(Printable(folder)));
    form4_->show();
}

void WindowSink::FileBegun(std::size_t index, std::size_t count) {
    posted_.Post([this, index, count] {
        if (form4_ == nullptr) return;
        form4_->Label2()->setText(windows_.messages->Text(MessageId::FileWord) +
                                  QStringLiteral(": ") + QString::number(index) +
                                  QStringLiteral(" / ") + QString::number(count));
    });
}

void WindowSink::RunEnded(std::function<void()> onWindowThread) {
    posted_.Post(std::move(onWindowThread));
}

}  // namespace morvane
