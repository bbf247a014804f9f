// Runs the scans that the file list, the batch command and the command line start, the way the
// windows show them: the progress window around each run, the busy pointer, the categories
// opened afterwards. The scans themselves run on a thread of their own (ScanWorker), so the
// windows stay alive meanwhile. One run at a time: a request that comes while one runs is
// ignored.
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "ScanEngine.h"
#include "ScanJob.h"
#include "ScanWorker.h"
#include "WindowSink.h"

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
        WindowSink::Windows windows;
    };

    // The session's settings are read at every run: the dialogs change them.
    ScanRunner(const Session& session, Setup setup);
    // A run still going is stopped and waited for.
    ~ScanRunner() override;

    bool IsScanning() const { return scanning_; }

    // The file `fileName` of `folder`, as a click in the file list scans it.
    void ScanSingleFile(const QString& folder, const QString& fileName);
    // The file named on the command line.
    void ScanCommandLineFile(const QString& path);
    // Every file of `folder` matching `pattern`, and with the sub-folder option those of every
    // folder below it.
    void ScanFolder(QString folder, const QString& pattern);

    // What the stop button does, for a run that must end because the program closes.
    void RequestStop();

  signals:
    void ScanStarted();
    void ScanEnded();

  private:
    // A new progress window, to which the run's progress goes until the run ends.
    std::unique_ptr<Form4> OpenProgressWindow();
    ScanJob JobOf(ScanJob job) const;
    void Start(ScanJob job, std::unique_ptr<Form4> form4);
    void RunEnded();
    QString SearchingText() const;

    const Session& session_;
    Setup setup_;
    WindowSink sink_;
    QTimer showTimer_;  // shows what the run told, while it runs
    ScanEngine engine_;
    ScanWorker worker_;  // after the sink and the engine, which its thread uses
    std::unique_ptr<Form4> form4_;
    bool scanning_ = false;
};

}  // namespace morvane
