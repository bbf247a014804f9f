// Threads that search pages of sources for whoever takes them in order: the pages of the source
// being taken first, then those of the sources planned to come after it, a bounded number ahead.
// Each thread has one PageSearch (its window is the pool's memory), opens the source itself, and
// hands its findings back; nothing is told from here, so the outcome is the threads' count's
// no more than the single thread's.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ChunkFindings.h"
#include "FileSystem.h"
#include "ScanOptions.h"
#include "SignatureTable.h"

namespace morvane {

class SearchPool {
  public:
    SearchPool(int threads, FileSystem& fileSystem);
    ~SearchPool();
    SearchPool(const SearchPool&) = delete;
    SearchPool& operator=(const SearchPool&) = delete;

    int threads() const noexcept { return static_cast<int>(workers_.size()); }

    // The sources to be taken next, in this order, after those planned already.
    void Plan(const std::vector<std::string>& paths, const ScanOptions& options);
    // Forgets every source planned and not taken; pages being searched for them are thrown away.
    void DropPlan();

    class Source;
    // The search of `path`, which is `length` bytes long: the planned one when it is the next
    // planned, or a new one (what was planned before it is dropped). Keep it until every page
    // wanted has been taken.
    std::shared_ptr<Source> Take(const std::string& path, std::int64_t length,
                                 const ScanOptions& options);
    // Page `page` of a source taken, once it has been searched.
    std::vector<ChunkFindings> TakePage(Source& source, std::int64_t page);
    // The source taken is done with: its pages not taken are thrown away.
    void Release(const std::shared_ptr<Source>& source);

  private:
    struct Planned {
        std::string path;
        std::shared_ptr<const ScanOptions> options;
    };
    struct Task {
        std::shared_ptr<Source> source;
        std::int64_t page = -1;
    };
    void Work();
    Task NextTask();  // under mutex_; none when `page` is -1
    void Search(class PageSearch& search, const Task& task);
    std::shared_ptr<Source> NewSource(const std::string& path, std::int64_t length,
                                      const ScanOptions& options);
    // Moves planned sources into the queue while fewer than `ahead` pages wait there.
    void Admit(std::int64_t ahead);
    void Drop(std::deque<std::shared_ptr<Source>>::iterator end);

    FileSystem& fileSystem_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::shared_ptr<Source>> queue_;               // the source taken (if any) first
    std::deque<Planned> planned_;                             // to come after the queue
    std::shared_ptr<const std::vector<SignatureRow>> table_;  // of the options last planned
    std::shared_ptr<const ScanOptions> tableOptions_;
    bool quit_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace morvane
