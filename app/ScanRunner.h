// Runs the scans that the file list, the batch command and the command line start, the way the
// windows show them: the progress window around each, the main window disabled while files of
// the browser or of a batch are scanned, the categories opened afterwards. One scan at a time:
// a request that comes while one runs (the main window stays usable during the command-line
// file scan) is ignored.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "ScanEngine.h"
#include "StopToken.h"
#include "WindowScanObserver.h"

namespace morvane {

class CategoryTree;
class Form4;
struct Session;

class ScanRunner final : public QObject {
    Q_OBJECT

  public:
    struct Setup {
        QWidget* mainWindow = nullptr;
        CategoryTree* tree = nullptr;
        QIcon stopPicture;
        WindowScanObserver::Windows windows;
    };

    // The session's settings are read at every scan: the dialogs change them.
    ScanRunner(const Session& session, Setup setup);
    ~ScanRunner() override;

    bool IsScanning() const { return scanning_; }

    // The file `fileName` of `folder`, as a click in the file list scans it.
    void ScanSingleFile(const QString& folder, const QString& fileName);
    // The file named on the command line; the main window stays enabled.
    void ScanCommandLineFile(const QString& path);
    // Every file of `folder` matching `pattern`, and with the sub-folder option those of every
    // folder below it, depth first, each folder before its sub-folders, in name order.
    void ScanFolder(QString folder, const QString& pattern);

    // What the stop button does, for a scan that must end because the program closes.
    void RequestStop();

  signals:
    void ScanEnded();

  private:
    class Run;

    // A new progress window, to which the scan's progress goes until the run ends.
    std::unique_ptr<Form4> OpenProgressWindow();
    QString SearchingText() const;
    void ShowProgress(Form4& form4, const QString& folder) const;
    void ScanFile(const QString& path);
    void ScanFolderFiles(Form4& form4, const QStringList& folders, const QString& pattern);
    bool StopAsked() const;
    void StopClicked();

    const Session& session_;
    Setup setup_;
    WindowScanObserver observer_;
    ScanEngine engine_;
    Form4* form4_ = nullptr;
    // The run's stop, kept by a batch for all its files, and the stop of the file in hand. The
    // button sets both; a file starts with a stop of its own, so a press while the counter
    // already names the next file still lets that file be searched whole, and the batch then
    // ends with it.
    std::optional<StopToken> stop_;
    StopToken* fileStop_ = nullptr;
    bool scanning_ = false;
};

}  // namespace morvane
