#include "SearchPool.h"

#include <algorithm>

#include "PageSearch.h"
#include "SearchPhase.h"

namespace morvane {

namespace {
// However small the sources, no more than this many wait in the queue.
constexpr std::size_t kMostSourcesAhead = 256;
}  // namespace

class SearchPool::Source {
  public:
    enum class PageState { Waiting, Running, Done };
    enum class Stage { Searching, ScanningAhead, ScannedAhead, Taken };

    std::string path;
    std::string name;
    std::uint64_t serial = 0;  // keeps apart the names of two sources written ahead at once
    ScanOptions options;
    std::shared_ptr<const std::vector<SignatureRow>> table;
    std::int64_t length = -1;  // -1: unknown, nothing is searched ahead
    std::int64_t chunkCount = 0;
    std::vector<PageState> states;  // by page
    std::vector<std::vector<ChunkFindings>> pages;
    std::int64_t taken = 0;  // pages handed over
    Stage stage = Stage::Searching;
    std::unique_ptr<AheadScan> ahead;
    StopToken cancel;  // the source was dropped

    std::int64_t PageCount() const noexcept { return static_cast<std::int64_t>(states.size()); }
    // The bytes page `page` searches; at least one, so that an empty source counts too.
    std::int64_t PageBytes(std::int64_t page) const noexcept {
        const std::int64_t searched = SearchedLength(length, options);
        return std::clamp<std::int64_t>(searched - page * kPageChunks * kChunkSize, 1,
                                        kPageChunks * kChunkSize);
    }
    bool Searched() const noexcept {
        return std::all_of(states.begin(), states.end(),
                           [](PageState s) { return s == PageState::Done; });
    }
};

SearchPool::SearchPool(int threads, Output output) : threads_(threads), output_(std::move(output)) {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
}

SearchPool::~SearchPool() {
    {
        const std::lock_guard lock(mutex_);
        planned_.clear();
        Drop(queue_.end());
        quit_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void SearchPool::Plan(const std::vector<std::string>& paths, const std::vector<std::string>& names,
                      const ScanOptions& options) {
    const auto shared = std::make_shared<const ScanOptions>(options);
    {
        const std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < paths.size() && i < names.size(); ++i)
            planned_.push_back({paths[i], names[i], shared});
    }
    changed_.notify_all();
}

void SearchPool::DropPlan() {
    const std::lock_guard lock(mutex_);
    planned_.clear();
    // Only the source being taken, if any, stays: it comes first.
    const bool taken = !queue_.empty() && queue_.front()->stage == Source::Stage::Taken;
    if (taken) std::rotate(queue_.begin(), queue_.begin() + 1, queue_.end());
    Drop(queue_.end() - (taken ? 1 : 0));
}

SearchPool::Taken SearchPool::Take(const std::string& path, const std::string& name,
                                   std::int64_t length, const ScanOptions& options) {
    std::unique_lock lock(mutex_);
    Admit(1);
    // A source planned under another name than it is taken under wrote its items under that one.
    const auto same = [&](const std::shared_ptr<Source>& s) {
        return s->path == path && s->name == name;
    };
    const Planned taking{path, name, std::make_shared<const ScanOptions>(options)};
    const auto found = std::find_if(queue_.begin(), queue_.end(), same);
    if (found != queue_.end()) Drop(found);
    if (!queue_.empty() && same(queue_.front()) &&
        (queue_.front()->length != length || !(queue_.front()->options == options)))
        Drop(queue_.begin() + 1);
    if (queue_.empty() || !same(queue_.front())) queue_.push_front(NewSource(taking, length));
    std::shared_ptr<Source> source = queue_.front();
    changed_.wait(lock, [&] { return source->stage != Source::Stage::ScanningAhead; });
    if (source->stage == Source::Stage::ScannedAhead && !source->ahead) {
        // Its scan ahead could not make the kind folders: it is searched again, in its turn.
        Drop(queue_.begin() + 1);
        queue_.push_front(NewSource(taking, length));
        source = queue_.front();
    }
    source->stage = Source::Stage::Taken;
    Taken taken{source, std::move(source->ahead)};
    lock.unlock();
    changed_.notify_all();
    return taken;
}

std::vector<ChunkFindings> SearchPool::TakePage(Source& source, std::int64_t page) {
    std::unique_lock lock(mutex_);
    const auto index = static_cast<std::size_t>(page);
    changed_.wait(lock, [&] { return source.states[index] == Source::PageState::Done; });
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

// Drops the queue's sources before `end`: what was written ahead for them is removed, and a scan
// ahead still running for one removes its own when it ends.
void SearchPool::Drop(std::deque<std::shared_ptr<Source>>::iterator end) {
    for (auto it = queue_.begin(); it != end; ++it) {
        (*it)->cancel.RequestStop();
        (*it)->ahead.reset();
    }
    queue_.erase(queue_.begin(), end);
}

// Enough searched ahead to keep every thread busy while the first source is taken, and no more:
// what waits is counted in bytes of the sources, which the findings' memory follows.
std::int64_t SearchPool::MostAhead() const noexcept {
    return kPageChunks * kChunkSize * std::max<std::int64_t>(4, 2 * threads());
}

// Pages not handed over, and sources scanned or being scanned ahead, by their bytes searched.
std::int64_t SearchPool::Waiting() const {
    std::int64_t waiting = 0;
    for (const auto& source : queue_) {
        if (source->stage == Source::Stage::Taken) continue;
        const bool searching = source->stage == Source::Stage::Searching;
        for (std::int64_t page = searching ? source->taken : 0; page < source->PageCount(); ++page)
            waiting += source->PageBytes(page);
    }
    return waiting;
}

void SearchPool::Admit(std::int64_t most) {
    std::int64_t waiting = Waiting();
    while (waiting < most && !planned_.empty() && queue_.size() < kMostSourcesAhead) {
        const Planned next = std::move(planned_.front());
        planned_.pop_front();
        std::error_code error;
        const std::int64_t length = output_.fileSystem.FileSize(next.path, error);
        queue_.push_back(NewSource(next, error ? -1 : length));
        for (std::int64_t page = 0; page < queue_.back()->PageCount(); ++page)
            waiting += queue_.back()->PageBytes(page);
    }
}

std::shared_ptr<SearchPool::Source> SearchPool::NewSource(const Planned& planned,
                                                          std::int64_t length) {
    auto source = std::make_shared<Source>();
    source->path = planned.path;
    source->name = planned.name;
    source->serial = ++sources_;
    source->options = *planned.options;
    const ScanOptions& options = source->options;
    source->table = tables_.For(options);
    source->length = length;
    source->chunkCount = length < 0 ? 0 : ChunkCount(length, options);
    const std::int64_t pages = (source->chunkCount + kPageChunks - 1) / kPageChunks;
    source->states.assign(static_cast<std::size_t>(pages), Source::PageState::Waiting);
    source->pages.resize(static_cast<std::size_t>(pages));
    return source;
}

// The earliest work first: a page, or the scan ahead of a source whose pages are all searched.
bool SearchPool::NextTask(Task& task) {
    const std::int64_t most = MostAhead();
    Admit(most);
    std::int64_t ahead = 0;
    for (const auto& source : queue_) {
        for (std::int64_t page = source->taken; page < source->PageCount(); ++page) {
            if (ahead >= most) return false;
            ahead += source->PageBytes(page);
            Source::PageState& state = source->states[static_cast<std::size_t>(page)];
            if (state != Source::PageState::Waiting) continue;
            state = Source::PageState::Running;
            task = {source, page};
            return true;
        }
        const bool aheadWanted = source->stage == Source::Stage::Searching && source->length >= 0 &&
                                 !source->options.distinctItems;
        if (aheadWanted && source->Searched()) {
            source->stage = Source::Stage::ScanningAhead;
            source->taken = source->PageCount();
            task = {source, -1};
            return true;
        }
    }
    return false;
}

void SearchPool::Work() {
    PageSearch pageSearch;
    SearchPhase search;
    std::unique_lock lock(mutex_);
    for (;;) {
        Task task;
        changed_.wait(lock, [&] { return quit_ || NextTask(task); });
        if (quit_) return;
        lock.unlock();
        std::unique_ptr<AheadScan> ahead;
        if (task.page >= 0)
            Search(pageSearch, task);
        else
            ahead = ScanSourceAhead(search, task);
        lock.lock();
        if (task.page >= 0) {
            task.source->states[static_cast<std::size_t>(task.page)] = Source::PageState::Done;
        } else {
            task.source->stage = Source::Stage::ScannedAhead;
            // A source dropped meanwhile has its items removed with its scan.
            if (!task.source->cancel.StopRequested()) task.source->ahead = std::move(ahead);
        }
        changed_.notify_all();
    }
}

// Runs without the lock: the page's slot is this thread's until it is marked done.
void SearchPool::Search(PageSearch& search, const Task& task) {
    Source& source = *task.source;
    const std::int64_t first = task.page * kPageChunks;
    std::vector<ChunkFindings> found;
    std::error_code error;
    if (std::unique_ptr<SourceFile> file = output_.fileSystem.OpenSource(source.path, error)) {
        const std::int64_t count = std::min(kPageChunks, source.chunkCount - first);
        found = search.Search({*file, source.length, source.options, *source.table, first, count,
                               false, ContainerSearchEnd(source.length, source.options)});
    } else {
        found.push_back({.begin = first * kChunkSize, .readError = error});
    }
    source.pages[static_cast<std::size_t>(task.page)] = std::move(found);
}

// Runs without the lock: the pages of a source being scanned ahead are this thread's.
std::unique_ptr<AheadScan> SearchPool::ScanSourceAhead(SearchPhase& search, const Task& task) {
    Source& source = *task.source;
    const std::string suffix = output_.aheadSuffix + "-" + std::to_string(source.serial);
    return ScanAhead(
        {source.path, source.name, source.length, source.options, source.pages, source.cancel},
        {output_.fileSystem, output_.outputRoot, suffix}, search);
}

}  // namespace morvane
