// The scans of one run on a thread of their own, so that the windows stay alive while they run:
// one file, or every matching file of a folder and, with sub-folders, of every folder below it,
// depth first, each folder before its sub-folders, in name order. What the scans find goes to
// LOG.txt and to the window sink; the run's end is told to the sink last.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "ScanEngine.h"
#include "ScanJob.h"
#include "StopToken.h"

namespace morvane {

class LogFileSink;
class ScanSink;
class WindowSink;

class ScanWorker {
  public:
    ScanWorker(ScanEngine& engine, std::string outputRoot, WindowSink& sink);
    ~ScanWorker();
    ScanWorker(const ScanWorker&) = delete;
    ScanWorker& operator=(const ScanWorker&) = delete;

    // Starts a run; the previous one must have been joined. `onEnd` runs on the window's thread
    // once the run is over.
    void Start(ScanJob job, std::function<void()> onEnd);
    // Waits for the run's thread to end (it has, or is about to, once `onEnd` runs).
    void Join();
    // The stop button: the run's stop, and the stop of the file in hand. A file starts with a
    // stop of its own, so a press between two files of a batch still lets the next be searched
    // whole, and the batch then ends with it. Safe from any thread.
    void RequestStop();

  private:
    void Run(const ScanJob& job);
    void RunFolder(const ScanJob& job, ScanSink& sinks);
    void ScanOne(const std::string& path, const ScanJob& job, ScanSink& sinks);

    ScanEngine& engine_;
    const std::string outputRoot_;
    WindowSink& sink_;
    std::thread thread_;
    std::unique_ptr<StopToken> runStop_;
    std::mutex mutex_;
    StopToken* fileStop_ = nullptr;  // of the file in hand, under mutex_
};

}  // namespace morvane
