#include "ScanWorker.h"

#include <vector>

#include "FolderListing.h"
#include "KindFolders.h"
#include "LogFileSink.h"
#include "PathHelpers.h"
#include "SinkPair.h"
#include "WindowSink.h"

namespace morvane {

ScanWorker::ScanWorker(ScanEngine& engine, std::string outputRoot, WindowSink& sink)
    : engine_(engine), outputRoot_(std::move(outputRoot)), sink_(sink) {}

ScanWorker::~ScanWorker() {
    RequestStop();
    Join();
}

void ScanWorker::Start(ScanJob job, std::function<void()> onEnd) {
    runStop_ = std::make_unique<StopToken>();
    thread_ = std::thread([this, job = std::move(job), onEnd = std::move(onEnd)]() mutable {
        Run(job);
        sink_.RunEnded(std::move(onEnd));
    });
}

void ScanWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

void ScanWorker::RequestStop() {
    const std::lock_guard lock(mutex_);
    if (runStop_) runStop_->RequestStop();
    if (fileStop_ != nullptr) fileStop_->RequestStop();
}

void ScanWorker::Run(const ScanJob& job) {
    LogFileSink log({NativeFileSystem(), outputRoot_, job.foundWord, LocalDateTimeText, &sink_});
    SinkPair sinks(log, sink_);
    engine_.StartRun();
    if (!job.file.empty())
        ScanOne(job.file, job, sinks);
    else
        RunFolder(job, sinks);
    engine_.PlanAhead({}, job.options);  // what a stop left planned is not scanned
}

void ScanWorker::RunFolder(const ScanJob& job, ScanSink& sinks) {
    std::vector<std::string> folders{job.folder};
    if (job.subFolders) {
        sink_.FolderListing(job.folder);
        // Listed with its separator, so that a bare drive ("C:") means its root and not the
        // drive's current folder.
        const std::vector<std::string> found =
            WithoutKindFolders(CollectSubFolders(WithTrailingSeparator(job.folder)), outputRoot_);
        folders.insert(folders.end(), found.begin() + (found.empty() ? 0 : 1), found.end());
    }
    for (const std::string& folder : folders) {
        const std::string prefix = WithTrailingSeparator(folder);
        const std::vector<std::string> files = ListFiles(prefix, job.pattern);
        std::vector<std::string> paths;
        for (const std::string& file : files) paths.push_back(prefix + file);
        engine_.PlanAhead(paths, job.options);
        sink_.FolderBegun(folder);
        for (std::size_t j = 0; j < files.size(); ++j) {
            sink_.FileBegun(j + 1, files.size());
            ScanOne(paths[j], job, sinks);
            if (runStop_->StopRequested()) return;
        }
        if (runStop_->StopRequested()) return;
    }
}

void ScanWorker::ScanOne(const std::string& path, const ScanJob& job, ScanSink& sinks) {
    StopToken fileStop;
    {
        const std::lock_guard lock(mutex_);
        fileStop_ = &fileStop;
    }
    engine_.ScanFile(path, job.options, sinks, fileStop);
    const std::lock_guard lock(mutex_);
    fileStop_ = nullptr;
}

}  // namespace morvane
