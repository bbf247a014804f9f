// Threads that search pages of sources for whoever takes the sources in order: the pages of the
// source being taken first, then those of the sources planned to come after it, a bounded number
// ahead. A planned source whose pages are all searched is scanned ahead as well (AheadScan), unless
// the run compares items across sources. Each thread has its own PageSearch and SearchPhase and
// opens the sources itself; nothing is told from here, so the outcome is the same for any count of
// threads.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AheadScan.h"
#include "ChunkFindings.h"
#include "FileSystem.h"
#include "ScanOptions.h"
#include "SignatureTable.h"

namespace morvane {

class PageSearch;

class SearchPool {
  public:
    struct Output {
        FileSystem& fileSystem;
        std::string outputRoot;
        std::string aheadSuffix;  // of the names items scanned ahead are written under
    };
    SearchPool(int threads, Output output);
    ~SearchPool();
    SearchPool(const SearchPool&) = delete;
    SearchPool& operator=(const SearchPool&) = delete;

    int threads() const noexcept { return threads_; }

    // The sources to be taken next, in this order, after those planned already, each with the
    // name its items are written under.
    void Plan(const std::vector<std::string>& paths, const std::vector<std::string>& names,
              const ScanOptions& options);
    // Forgets every source planned and not taken, and removes what was written ahead for them.
    void DropPlan();

    class Source;
    struct Taken {
        std::shared_ptr<Source> source;
        std::unique_ptr<AheadScan> ahead;  // when it was scanned ahead: only to be told
    };
    // The source at `path` named `name`, `length` bytes long: the one planned next when it is
    // that, or a new one (what was planned before it is dropped). Waits while it is being
    // scanned ahead.
    Taken Take(const std::string& path, const std::string& name, std::int64_t length,
               const ScanOptions& options);
    // Page `page` of a source taken and not scanned ahead, once it has been searched.
    std::vector<ChunkFindings> TakePage(Source& source, std::int64_t page);
    // The source taken is done with.
    void Release(const std::shared_ptr<Source>& source);

  private:
    struct Planned {
        std::string path;
        std::string name;
        std::shared_ptr<const ScanOptions> options;
    };
    struct Task {
        std::shared_ptr<Source> source;
        std::int64_t page = -1;  // -1 with a source: scan it ahead
    };
    void Work();
    bool NextTask(Task& task);  // under mutex_
    void Search(PageSearch& search, const Task& task);
    std::unique_ptr<AheadScan> ScanSourceAhead(SearchPhase& search, const Task& task);
    std::shared_ptr<Source> NewSource(const Planned& planned, std::int64_t length);
    // Moves planned sources into the queue while fewer than `most` pages and scans wait there.
    void Admit(std::int64_t most);
    std::int64_t Waiting() const;
    void Drop(std::deque<std::shared_ptr<Source>>::iterator end);
    std::int64_t MostAhead() const noexcept;

    const int threads_;
    Output output_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Source>> queue_;  // the source taken (if any) first
    std::deque<Planned> planned_;                // to come after the queue
    SignatureTableCache tables_;
    bool quit_ = false;
    std::uint64_t sources_ = 0;  // made so far, under mutex_
    std::vector<std::thread> workers_;
};

}  // namespace morvane
