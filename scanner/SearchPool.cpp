#include "SearchPool.h"

#include <algorithm>

#include "PageSearch.h"

namespace morvane {

class SearchPool::Source {
  public:
    enum class State { Waiting, Running, Done };

    std::string path;
    ScanOptions options;
    std::shared_ptr<const std::vector<SignatureRow>> table;
    std::int64_t length = -1;  // -1: unknown, nothing is searched ahead
    std::int64_t chunkCount = 0;
    std::vector<State> states;  // by page
    std::vector<std::vector<ChunkFindings>> pages;
    std::int64_t taken = 0;  // pages handed over

    std::int64_t PageCount() const noexcept { return static_cast<std::int64_t>(states.size()); }
};

SearchPool::SearchPool(int threads, FileSystem& fileSystem) : fileSystem_(fileSystem) {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

SearchPool::~SearchPool() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void SearchPool::Plan(const std::vector<std::string>& paths, const ScanOptions& options) {
    const auto shared = std::make_shared<const ScanOptions>(options);
    {
        const std::lock_guard lock(mutex_);
        for (const std::string& path : paths) planned_.push_back({path, shared});
    }
    changed_.notify_all();
}

void SearchPool::DropPlan() {
    const std::lock_guard lock(mutex_);
    planned_.clear();
    Drop(queue_.end());
}

std::shared_ptr<SearchPool::Source> SearchPool::Take(const std::string& path, std::int64_t length,
                                                     const ScanOptions& options) {
    std::unique_lock lock(mutex_);
    Admit(1);
    const auto same = [&](const std::shared_ptr<Source>& s) { return s->path == path; };
    auto found = std::find_if(queue_.begin(), queue_.end(), same);
    if (found != queue_.end()) Drop(found);
    if (!queue_.empty() && same(queue_.front()) &&
        (queue_.front()->length != length || !(queue_.front()->options == options)))
        Drop(queue_.begin() + 1);
    if (queue_.empty() || !same(queue_.front()))
        queue_.push_front(NewSource(path, length, options));
    std::shared_ptr<Source> taken = queue_.front();
    lock.unlock();
    changed_.notify_all();
    return taken;
}

std::vector<ChunkFindings> SearchPool::TakePage(Source& source, std::int64_t page) {
    std::unique_lock lock(mutex_);
    const auto index = static_cast<std::size_t>(page);
    changed_.wait(lock, [&] { return source.states[index] == Source::State::Done; });
    std::vector<ChunkFindings> found = std::move(source.pages[index]);
    source.taken = page + 1;
    lock.unlock();
    changed_.notify_all();  // room for another page ahead
    return found;
}

void SearchPool::Release(const std::shared_ptr<Source>& source) {
    const std::lock_guard lock(mutex_);
    const auto at = std::find(queue_.begin(), queue_.end(), source);
    if (at != queue_.end()) Drop(at + 1);
}

// Drops the queue's sources before `end`; a page being searched for one is thrown away with it.
void SearchPool::Drop(std::deque<std::shared_ptr<Source>>::iterator end) {
    queue_.erase(queue_.begin(), end);
}

void SearchPool::Admit(std::int64_t ahead) {
    std::int64_t waiting = 0;
    for (const auto& source : queue_) waiting += source->PageCount() - source->taken;
    while (waiting < ahead && !planned_.empty()) {
        const Planned next = std::move(planned_.front());
        planned_.pop_front();
        std::error_code error;
        const std::int64_t length = fileSystem_.FileSize(next.path, error);
        queue_.push_back(NewSource(next.path, error ? -1 : length, *next.options));
        waiting += queue_.back()->PageCount();
    }
}

std::shared_ptr<SearchPool::Source> SearchPool::NewSource(const std::string& path,
                                                          std::int64_t length,
                                                          const ScanOptions& options) {
    auto source = std::make_shared<Source>();
    source->path = path;
    source->options = options;
    if (!table_ || !(*tableOptions_ == options)) {
        table_ = std::make_shared<const std::vector<SignatureRow>>(BuildSignatureTable(options));
        tableOptions_ = std::make_shared<const ScanOptions>(options);
    }
    source->table = table_;
    source->length = length;
    source->chunkCount = length < 0 ? 0 : ChunkCount(length, options);
    const std::int64_t pages = (source->chunkCount + kPageChunks - 1) / kPageChunks;
    source->states.assign(static_cast<std::size_t>(pages), Source::State::Waiting);
    source->pages.resize(static_cast<std::size_t>(pages));
    return source;
}

SearchPool::Task SearchPool::NextTask() {
    // Enough pages wait to keep every thread busy while the first is taken, and no more.
    const std::int64_t most = std::max<std::int64_t>(4, 2 * threads());
    Admit(most);
    std::int64_t ahead = 0;
    for (const auto& source : queue_) {
        for (std::int64_t page = source->taken; page < source->PageCount(); ++page, ++ahead) {
            if (ahead >= most) return {};
            Source::State& state = source->states[static_cast<std::size_t>(page)];
            if (state != Source::State::Waiting) continue;
            state = Source::State::Running;
            return {source, page};
        }
    }
    return {};
}

void SearchPool::Work() {
    PageSearch search;
    std::unique_lock lock(mutex_);
    for (;;) {
        Task task;
        changed_.wait(lock, [&] { return quit_ || (task = NextTask()).page >= 0; });
        if (quit_) return;
        lock.unlock();
        Search(search, task);
        lock.lock();
        task.source->states[static_cast<std::size_t>(task.page)] = Source::State::Done;
        changed_.notify_all();
    }
}

// Runs without the lock: the page's slot is this thread's until it is marked done.
void SearchPool::Search(PageSearch& search, const Task& task) {
    const Source& source = *task.source;
    const std::int64_t first = task.page * kPageChunks;
    std::vector<ChunkFindings> found;
    std::error_code error;
    if (std::unique_ptr<SourceFile> file = fileSystem_.OpenSource(source.path, error)) {
        const std::int64_t count = std::min(kPageChunks, source.chunkCount - first);
        found = search.Search({*file, source.length, source.options, *source.table, first, count});
    } else {
        found.push_back({.begin = first * kChunkSize, .readError = error});
    }
    task.source->pages[static_cast<std::size_t>(task.page)] = std::move(found);
}

}  // namespace morvane
