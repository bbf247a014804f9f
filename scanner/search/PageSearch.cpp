#include "PageSearch.h"

#include <algorithm>

#include "ItemChecks.h"
#include "LookAhead.h"
#include "Recognisers.h"
#include "containers/ContainerFinder.h"

namespace morvane {

namespace {
// A chunk, the look-ahead of its last candidate, and room to slide rarely.
constexpr std::size_t kWindowCapacity = 16 * 1024 * 1024;
// Past this many bytes read and made by one page's images, its later images are left to be read
// when they are taken, so that pages waiting their turn hold little and images that share their
// resource bytes are read no more often than the source's read budget lets them.
constexpr std::int64_t kMostImageBytesPerPage = 64LL * 1024 * 1024;
// The bytes read for walks longer than the look-ahead are kept from page to page up to this many.
constexpr std::size_t kKeptWideBytes = 16 * 1024 * 1024;
}  // namespace

std::int64_t ChunkCount(std::int64_t length, const ScanOptions& options) noexcept {
    const std::int64_t chunks = std::max<std::int64_t>(1, (length + kChunkSize - 1) / kChunkSize);
    return std::clamp<std::int64_t>(options.chunkCap, 0, chunks);
}

std::int64_t SearchedLength(std::int64_t length, const ScanOptions& options) noexcept {
    return std::min(length, ChunkCount(length, options) * kChunkSize);
}

std::int64_t ContainerSearchEnd(std::int64_t length, const ScanOptions& options) noexcept {
    return options.unpackContainers ? SearchedLength(length, options) : 0;
}

PageSearch::PageSearch() : window_(kWindowCapacity) {}

std::vector<ChunkFindings> PageSearch::Search(const Page& page) {
    if (!page.continues) {
        window_.Reset(&page.source, page.length);
        cursors_.Reset();
        midi_.Clear();
    }
    imageBytes_ = 0;
    finder_.SetTable(page.table);
    if (wide_.capacity() > kKeptWideBytes) std::vector<std::uint8_t>().swap(wide_);
    std::vector<ChunkFindings> found(static_cast<std::size_t>(page.chunkCount));
    for (std::int64_t i = 0; i < page.chunkCount; ++i) {
        ChunkFindings& chunk = found[static_cast<std::size_t>(i)];
        chunk.begin = (page.firstChunk + i) * kChunkSize;
        chunk.size = std::clamp<std::int64_t>(page.length - chunk.begin, 0, kChunkSize);
        chunk.readError =
            window_.Require(chunk.begin, chunk.begin + chunk.size + kLookAheadLimit + kHeaderSpan);
        if (chunk.readError) {
            found.resize(static_cast<std::size_t>(i + 1));
            break;
        }
        SearchChunk(page, chunk);
    }
    return found;
}

void PageSearch::SearchChunk(const Page& page, ChunkFindings& chunk) {
    const auto size = static_cast<std::size_t>(chunk.size);
    // A checked scan finds icon and cursor files of several images too; their directories are
    // marked by the signature search's own pass where it can, with the programs' marks otherwise.
    const bool severalImages = page.options.readResources || page.options.checkItems;
    const bool marksApart = page.options.readResources || !SignatureFinder::MarksDirectories();
    if (severalImages && marksApart)
        marks_.Find(window_.At(chunk.begin), size, page.options.readResources);
    if (page.options.readResources) ReadImages(page, chunk);
    if (severalImages && !marksApart) {
        MarkLists directories = marks_.Lists(size, false);
        finder_.FindAll(window_.At(chunk.begin), size, matches_, &directories);
        marks_.Keep(directories);
    } else {
        finder_.FindAll(window_.At(chunk.begin), size, matches_);
    }
    if (severalImages) AddSeveralImageFiles(page, chunk.begin);
    MeasureCandidates(page, chunk);
    if (chunk.begin < page.containersEnd) FindContainersIn(page, chunk);
}

// While the chunk is at hand: the walk that opens the containers then need not read the source
// again.
void PageSearch::FindContainersIn(const Page& page, ChunkFindings& chunk) {
    const std::int64_t bytes = std::min(chunk.size + static_cast<std::int64_t>(kCandidateLookAhead),
                                        page.containersEnd - chunk.begin);
    FindPieceCandidates({window_.At(chunk.begin), static_cast<std::size_t>(bytes)},
                        static_cast<std::size_t>(chunk.size), chunk.begin, chunk.containers);
}

// Every candidate is measured, even one that an earlier item will turn out to hold: which those
// are is known only in file order.
void PageSearch::MeasureCandidates(const Page& page, ChunkFindings& chunk) {
    for (const SignatureMatch& match : matches_) {
        const SignatureRow& row = page.table[match.row];
        const std::int64_t offset = chunk.begin + match.offset;
        const LookAhead a(window_.At(offset), page.length - offset, offset, &cursors_);
        const bool bareIcon = row.rule == RuleCode::BareIconImage;
        if (page.options.checkItems && !bareIcon) {
            const WholeItem whole = FindWhole(page, row, a);
            if (whole.size > 0)
                chunk.candidates.push_back(
                    {offset, whole.size, whole.size, whole.kind, match.row, false});
            continue;
        }
        const Verdict verdict = ApplyRule(row, a, page.options, &midi_);
        if (!verdict.accepted()) continue;
        const std::int64_t checked =
            page.options.checkItems
                ? CheckCandidate(row.rule, verdict.kind, ItemView(a.Readable()), a.bytesToEnd())
                : 0;
        chunk.candidates.push_back(
            {offset, verdict.size, checked, verdict.kind, match.row, bareIcon});
    }
}

// The structure is walked over the look-ahead first; a walk that was sound up to the end of the
// bytes it had, and asked for more that the source holds, is walked again over as much of the
// source as it asked for, at least twice as much each time, up to kLargestCheckedItem. (A walk
// that asks for bytes beyond the source, or beyond that size, has failed already.)
WholeItem PageSearch::FindWhole(const Page& page, const SignatureRow& row, const LookAhead& a) {
    std::int64_t wanted = 0;
    std::span<const std::uint8_t> bytes = a.Readable();
    WholeItem whole =
        morvane::FindWhole(row, ItemView(bytes, &wanted), a.bytesToEnd(), page.options);
    const std::int64_t most = std::min(a.bytesToEnd(), kLargestCheckedItem);
    while (whole.size == 0 && wanted > static_cast<std::int64_t>(bytes.size()) && wanted <= most) {
        const std::int64_t count =
            std::min(most, std::max(wanted, 2 * static_cast<std::int64_t>(bytes.size())));
        wide_.resize(static_cast<std::size_t>(count));
        const ReadResult got = page.source.ReadAt(a.absoluteStart(), wide_.data(), wide_.size());
        if (got.bytes <= bytes.size()) break;  // the source ends or fails there
        bytes = std::span<const std::uint8_t>(wide_.data(), got.bytes);
        wanted = 0;
        whole = morvane::FindWhole(row, ItemView(bytes, &wanted), a.bytesToEnd(), page.options);
    }
    return whole;
}

// The prefilter looks for icon and cursor directories of one image only; files of 2 to 255
// images are marked with the program images and added here, as candidates of the same rows.
void PageSearch::AddSeveralImageFiles(const Page& page, std::int64_t begin) {
    int rowOf[3] = {-1, -1, -1};  // by directory type: 1 icon, 2 cursor
    for (std::size_t i = 0; i < page.table.size(); ++i) {
        if (page.table[i].rule == RuleCode::IconDirectory) rowOf[1] = static_cast<int>(i);
        if (page.table[i].rule == RuleCode::CursorDirectory) rowOf[2] = static_cast<int>(i);
    }
    const std::uint8_t* data = window_.At(begin);
    const std::size_t found = matches_.size();
    for (const std::uint32_t at : marks_.directories()) {
        const int row = rowOf[data[at + 2]];  // the type byte: 1 or 2
        if (row >= 0) matches_.push_back({at, static_cast<std::uint8_t>(row)});
    }
    std::inplace_merge(
        matches_.begin(), matches_.begin() + static_cast<std::ptrdiff_t>(found), matches_.end(),
        [](const SignatureMatch& a, const SignatureMatch& b) { return a.offset < b.offset; });
}

void PageSearch::ReadImages(const Page& page, ChunkFindings& chunk) {
    const std::int64_t headersEnd =
        std::min(page.length, chunk.begin + chunk.size + kLookAheadLimit + kHeaderSpan);
    const auto headers = [&](std::uint32_t at) {
        const std::int64_t from = chunk.begin + at;
        return std::span<const std::uint8_t>(window_.At(from),
                                             static_cast<std::size_t>(headersEnd - from));
    };
    const ImageReader::Source source{page.source, page.length, page.options};
    for (const std::uint32_t at : marks_.programs()) {
        const std::int64_t position = chunk.begin + at;
        if (imageBytes_ > kMostImageBytesPerPage) {
            chunk.images.push_back({.at = position, .deferred = true, .headersEnd = headersEnd});
            continue;
        }
        chunk.images.push_back(images_.ReadProgram(position, headers(at), source));
        imageBytes_ += chunk.images.back().Cost();
    }
    for (const std::uint32_t at : marks_.bareNe()) {
        const std::int64_t position = chunk.begin + at;
        if (imageBytes_ > kMostImageBytesPerPage) {
            chunk.images.push_back(
                {.at = position, .bareNe = true, .deferred = true, .headersEnd = headersEnd});
        } else if (std::optional<ImageFinding> ne =
                       images_.ReadBareNe(position, headers(at), source)) {
            imageBytes_ += ne->Cost();
            chunk.images.push_back(std::move(*ne));
        }
    }
}

}  // namespace morvane
