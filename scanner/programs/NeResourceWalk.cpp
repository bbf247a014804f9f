// An NE resource table: an alignment shift, then type records (type id, count, reserved) each
// followed by its 12-byte entries (offset and length in alignment units, flags, id), ended by a
// zero type id. An id or type with its high bit clear is the offset of a counted name instead.
#include "NeResourceWalk.h"

#include <set>
#include <utility>

#include "ByteView.h"

namespace morvane {

namespace {
constexpr std::uint16_t kIntegerId = 0x8000;
constexpr std::uint16_t kLargestShift = 16;  // keeps a shifted length within 32 bits
constexpr std::uint64_t kTypeRecord = 8, kEntry = 12;
constexpr std::size_t kMostEntries = 1U << 16;
constexpr std::size_t kMostProblems = 4;

class NeWalker {
  public:
    NeWalker(const NeImage& image, std::uint64_t imageLength, ResourceTable& out) noexcept
        : table_(image.resourceTable()),
          dataFrom_(image.resourceTableEnd()),
          imageLength_(imageLength),
          out_(out) {}

    void Walk();

  private:
    void Entry(std::uint64_t at, const ResourceKey& type, unsigned shift);
    ResourceKey Key(std::uint16_t field) const;
    void Problem(const char* what);

    ByteView table_;
    std::uint64_t dataFrom_;
    std::uint64_t imageLength_;
    ResourceTable& out_;
    std::set<std::pair<std::uint64_t, std::uint16_t>> seen_;  // data offset and type field
    std::size_t entries_ = 0;
};

void NeWalker::Problem(const char* what) {
    if (out_.problems.size() < kMostProblems) out_.problems.emplace_back(what);
}

void NeWalker::Walk() {
    const std::uint16_t shift = table_.U16Or0(0);
    if (shift > kLargestShift) return Problem("resource alignment out of range");
    std::uint64_t at = 2;
    while (true) {
        const auto typeField = table_.U16(at);
        const auto count = table_.U16(at + 2);
        if (!typeField || *typeField == 0) break;  // the end, or a table cut short
        if (!count) return Problem("resource table cut short");
        const ResourceKey type = Key(*typeField);
        at += kTypeRecord;
        if (!table_.Holds(at, *count * kEntry))
            return Problem("resource entries outside the table");
        for (std::uint16_t i = 0; i < *count; ++i, at += kEntry) {
            if (++entries_ > kMostEntries) return Problem("too many resource entries");
            Entry(at, type, shift);
        }
    }
}

void NeWalker::Entry(std::uint64_t at, const ResourceKey& type, unsigned shift) {
    const std::uint64_t offset = std::uint64_t{table_.U16Or0(at)} << shift;
    const std::uint64_t length = std::uint64_t{table_.U16Or0(at + 2)} << shift;
    if (length == 0 || offset >= imageLength_) return Problem("resource data outside the file");
    if (offset < dataFrom_) return Problem("resource data inside the headers");
    // A type listed twice, or entries that share data, give one leaf.
    if (!seen_.insert({offset, type.named ? 0 : type.id}).second) return;
    ResourceLeaf leaf;
    leaf.type = type;
    leaf.name = Key(table_.U16Or0(at + 6));
    leaf.offset = offset;
    leaf.size = static_cast<std::uint32_t>(std::min(length, imageLength_ - offset));
    out_.leaves.push_back(std::move(leaf));
}

ResourceKey NeWalker::Key(std::uint16_t field) const {
    ResourceKey key;
    if ((field & kIntegerId) != 0) {
        key.id = field & ~kIntegerId;
        return key;
    }
    key.named = true;
    const std::span<const std::uint8_t> text = table_.Slice(field + 1ULL, table_.U8Or0(field));
    key.name.assign(text.begin(), text.end());
    return key;
}
}  // namespace

ResourceTable WalkNeResources(const NeImage& image, std::uint64_t imageLength) noexcept {
    ResourceTable out;
    try {
        NeWalker(image, imageLength, out).Walk();
    } catch (...) {  // only std::bad_alloc can come from the containers
        out.problems.emplace_back("out of memory reading resources");
    }
    return out;
}

}  // namespace morvane
