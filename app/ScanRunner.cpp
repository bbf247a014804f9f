#include "ScanRunner.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "CategoryTree.h"
#include "FolderListing.h"
#include "Form4.h"
#include "PathHelpers.h"
#include "Session.h"

namespace morvane {

namespace {
ScanTexts TextsOf(const MessageTable& messages) {
    ScanTexts texts;
    texts.searching = messages.Text(MessageId::Searching).toStdString();
    texts.found = messages.Text(MessageId::FoundWord).toStdString();
    texts.cannotCreateFolder = messages.Text(MessageId::CannotMakeFolder).toStdString();
    return texts;
}

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

class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
}  // namespace

// Marks the runner busy for one scan run and tells the window when the run is over.
class ScanRunner::Run {
  public:
    explicit Run(ScanRunner& runner) : runner_(runner) {
        runner_.scanning_ = true;
        runner_.stop_.emplace();
    }
    ~Run() {
        runner_.stop_.reset();
        runner_.observer_.SetProgressWindow(nullptr);
        runner_.form4_ = nullptr;
        runner_.scanning_ = false;
        emit runner_.ScanEnded();
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

  private:
    ScanRunner& runner_;
};

ScanRunner::ScanRunner(const Session& session, Setup setup)
    : session_(session),
      setup_(std::move(setup)),
      observer_(setup_.windows),
      engine_(ScanSetup{session_.outputRoot, TextsOf(session_.messages)}) {}

ScanRunner::~ScanRunner() = default;

std::unique_ptr<Form4> ScanRunner::OpenProgressWindow() {
    auto form4 = std::make_unique<Form4>(session_.appTitle, setup_.stopPicture);
    // Kept in front of the main window by the window system, yet not its child: a child would be
    // disabled with it, stop button and all.
    form4->winId();
    if (QWindow* main = setup_.mainWindow->windowHandle(); main != nullptr && form4->windowHandle())
        form4->windowHandle()->setTransientParent(main);
    form4_ = form4.get();
    observer_.SetProgressWindow(form4_);
    connect(form4_, &Form4::StopClicked, this, &ScanRunner::StopClicked);
    return form4;
}

void ScanRunner::ShowProgress(Form4& form4, const QString& folder) const {
    form4.Label3()->setText(folder);
    form4.Label1()->setText(SearchingText());
    form4.show();
}

// Two line breaks, the word for searching and " 0 ": the text before the first chunk is read.
QString ScanRunner::SearchingText() const {
    return QStringLiteral("\n\n") + session_.messages.Text(MessageId::Searching) +
           QStringLiteral(" 0 ");
}

void ScanRunner::ScanFile(const QString& path) {
    StopToken fileStop;
    fileStop_ = &fileStop;
    engine_.ScanFile(path.toStdString(), session_.settings.ToScanOptions(), observer_, fileStop);
    fileStop_ = nullptr;
}

void ScanRunner::StopClicked() {
    stop_->RequestStop();
    if (fileStop_ != nullptr) fileStop_->RequestStop();
}

void ScanRunner::ScanSingleFile(const QString& folder, const QString& fileName) {
    if (scanning_) return;
    const Run run(*this);
    const QString path = WithSeparator(folder) + fileName;
    setup_.mainWindow->setEnabled(false);
    std::unique_ptr<Form4> form4 = OpenProgressWindow();
    ShowProgress(*form4, folder);
    form4->Label2()->setText(session_.messages.Text(MessageId::FileWord) +
                             QStringLiteral(": 1 / 1"));
    QCoreApplication::processEvents();
    ScanFile(path);
    setup_.mainWindow->setEnabled(true);
    form4.reset();
    setup_.tree->ExpandScannedCategories();
}

void ScanRunner::ScanCommandLineFile(const QString& path) {
    if (scanning_) return;
    const Run run(*this);
    std::unique_ptr<Form4> form4 = OpenProgressWindow();
    form4->Label1()->setText(SearchingText());
    form4->show();
    QCoreApplication::processEvents();
    ScanFile(path);
    setup_.tree->ExpandScannedCategories();
}

void ScanRunner::ScanFolder(QString folder, const QString& pattern) {
    if (scanning_) return;
    const Run run(*this);
    const BusyPointer busy;
    folder = WithoutTrailingSeparator(folder);
    QStringList folders{folder};
    std::unique_ptr<Form4> form4 = OpenProgressWindow();
    if (session_.settings.scanSubFolders) {
        form4->Label1()->clear();
        form4->Label3()->setText(folder);
        form4->show();
        QCoreApplication::processEvents();
        // Listed with its separator, so that a bare drive ("C:") means its root and not the
        // drive's current folder.
        const std::vector<std::string> found =
            CollectSubFolders(WithSeparator(folder).toStdString());
        for (std::size_t i = 1; i < found.size(); ++i) folders << QString::fromStdString(found[i]);
    }
    ScanFolderFiles(*form4, folders, pattern);
    form4.reset();
    setup_.mainWindow->setEnabled(true);
    setup_.tree->ExpandScannedCategories();
}

void ScanRunner::ScanFolderFiles(Form4& form4, const QStringList& folders, const QString& pattern) {
    for (const QString& folder : folders) {
        const QString prefix = WithSeparator(folder);
        const std::vector<std::string> files =
            ListFiles(prefix.toStdString(), pattern.toStdString());
        setup_.mainWindow->setEnabled(false);
        ShowProgress(form4, folder);
        QCoreApplication::processEvents();
        const QString count = QString::number(files.size());
        for (std::size_t j = 0; j < files.size(); ++j) {
            form4.Label2()->setText(session_.messages.Text(MessageId::FileWord) +
                                    QStringLiteral(": ") + QString::number(j + 1) +
                                    QStringLiteral(" / ") + count);
            QCoreApplication::processEvents();
            ScanFile(prefix + QString::fromStdString(files[j]));
            if (StopAsked()) return;
        }
        if (StopAsked()) return;
    }
}

bool ScanRunner::StopAsked() const {
    return stop_->StopRequested();
}

void ScanRunner::RequestStop() {
    if (form4_ != nullptr) form4_->Command1_Click();
}

}  // namespace morvane
