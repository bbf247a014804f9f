#include "ScanRunner.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "CategoryTree.h"
#include "CentreOver.h"
#include "Form4.h"
#include "PathHelpers.h"
#include "Session.h"

namespace morvane {

namespace {
QString WithSeparator(const QString& folder) {
    return QString::fromStdString(WithTrailingSeparator(folder.toStdString()));
}

// A folder without its trailing separator; a root keeps it where dropping it would leave no
// folder at all.
QString WithoutTrailingSeparator(QString folder) {
    const QChar separator = QChar::fromLatin1(kPathSeparator);
    if (folder.size() > 1 && folder.endsWith(separator)) folder.chop(1);
    return folder;
}
}  // namespace

ScanRunner::ScanRunner(const Session& session, Setup setup)
    : session_(session),
      setup_(std::move(setup)),
      sink_(setup_.windows),
      engine_(ScanSetup{session_.outputRoot}),
      worker_(engine_, session_.outputRoot, sink_) {
    // About as often as a screen refreshes: what a run tells in between is shown at once.
    showTimer_.setInterval(15);
    connect(&showTimer_, &QTimer::timeout, this, [this] { sink_.ShowPosted(); });
}

ScanRunner::~ScanRunner() {
    sink_.Abandon();
    worker_.RequestStop();
    worker_.Join();
    if (scanning_) QApplication::restoreOverrideCursor();
}

std::unique_ptr<Form4> ScanRunner::OpenProgressWindow() {
    auto form4 = std::make_unique<Form4>(session_.appTitle, setup_.stopPicture);
    CentreOver(*form4, setup_.mainWindow);
    // Kept in front of the main window by the window system, yet not its child.
    form4->winId();
    if (QWindow* main = setup_.mainWindow->windowHandle(); main != nullptr && form4->windowHandle())
        form4->windowHandle()->setTransientParent(main);
    connect(form4.get(), &Form4::StopClicked, this, [this] { worker_.RequestStop(); });
    return form4;
}

// Two line breaks, the word for searching and " 0 ": the text before the first chunk is read.
QString ScanRunner::SearchingText() const {
    return QStringLiteral("\n\n") + session_.messages.Text(MessageId::Searching) +
           QStringLiteral(" 0 ");
}

// The options and words as they are now: the dialogs that change them wait for the run's end.
ScanJob ScanRunner::JobOf(ScanJob job) const {
    job.options = session_.settings.ToScanOptions();
    job.foundWord = session_.messages.Text(MessageId::FoundWord).toStdString();
    return job;
}

void ScanRunner::ScanSingleFile(const QString& folder, const QString& fileName) {
    if (scanning_) return;
    std::unique_ptr<Form4> form4 = OpenProgressWindow();
    form4->Label3()->setText(folder);
    form4->Label1()->setText(SearchingText());
    form4->Label2()->setText(session_.messages.Text(MessageId::FileWord) +
                             QStringLiteral(": 1 / 1"));
    form4->show();
    Start(JobOf(ScanJob::OfFile((WithSeparator(folder) + fileName).toStdString())),
          std::move(form4));
}

void ScanRunner::ScanCommandLineFile(const QString& path) {
    if (scanning_) return;
    std::unique_ptr<Form4> form4 = OpenProgressWindow();
    form4->Label1()->setText(SearchingText());
    form4->show();
    Start(JobOf(ScanJob::OfFile(path.toStdString())), std::move(form4));
}

void ScanRunner::ScanFolder(QString folder, const QString& pattern) {
    if (scanning_) return;
    folder = WithoutTrailingSeparator(folder);
    Start(JobOf(ScanJob::OfFolder(folder.toStdString(), pattern.toStdString(),
                                  session_.settings.scanSubFolders)),
          OpenProgressWindow());
}

void ScanRunner::Start(ScanJob job, std::unique_ptr<Form4> form4) {
    scanning_ = true;
    form4_ = std::move(form4);
    sink_.SetProgressWindow(form4_.get());
    QApplication::setOverrideCursor(Qt::BusyCursor);
    showTimer_.start();
    emit ScanStarted();
    worker_.Start(std::move(job), [this] { RunEnded(); });
}

void ScanRunner::RunEnded() {
    showTimer_.stop();
    worker_.Join();
    sink_.SetProgressWindow(nullptr);
    form4_.reset();
    QApplication::restoreOverrideCursor();
    setup_.tree->ExpandScannedCategories();
    scanning_ = false;
    emit ScanEnded();
}

void ScanRunner::RequestStop() {
    if (form4_ != nullptr) form4_->Command1_Click();
}

}  // namespace morvane
