#include "WindowScanObserver.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>

#include "CategoryTree.h"
#include "Form3.h"
#include "Form4.h"
#include "MessageBoxes.h"
#include "ProgressText.h"

namespace morvane {

namespace {
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

WindowScanObserver::WindowScanObserver(Windows windows) : windows_(std::move(windows)) {}

void WindowScanObserver::SourceNodesPrepared(std::string_view name, const ScanOptions& options) {
    windows_.tree->AddSourceFileNodes(Text(name), options);
}

void WindowScanObserver::ItemCounted(ResourceKind kind, std::string_view name) {
    windows_.tree->CountItem(kind, Text(name));
}

// The stop button answers through the run's stop token, not here.
ScanStep WindowScanObserver::Progress(const ProgressReport& report) {
    if (form4_ == nullptr) return ScanStep::Continue;
    const QString separator = QLocale::system().groupSeparator();
    const std::string text =
        ProgressText(report.name, windows_.searching.toStdString(), report.lastPosition,
                     report.length, separator.toStdString());
    // The text separates its lines with carriage returns, which a label does not break at.
    form4_->Label1()->setText(Text(text).replace(u'\r', u'\n'));
    if (report.barValue) form4_->ProgressBar1()->setValue(*report.barValue);
    return ScanStep::Continue;
}

void WindowScanObserver::Yield() {
    QCoreApplication::processEvents();
}

void WindowScanObserver::LogLine(std::string_view line, LogLineKind kind) {
    Form3* log = windows_.logWindow ? windows_.logWindow() : nullptr;
    if (log == nullptr) return;
    log->AddLine(Text(line));
    if (kind == LogLineKind::End) log->SelectLastLine();
}

void WindowScanObserver::FolderCreationFailed(std::string_view message) {
    windows_.messageBoxes->Critical(windows_.title, Text(message));
}

void WindowScanObserver::ScanFinished(std::string_view) {
    windows_.tree->RemoveEmptySourceNodes();
}

void WindowScanObserver::BusyChanged(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace morvane
