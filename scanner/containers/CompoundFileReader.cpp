#include "containers/CompoundFileReader.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "ScanError.h"
#include "containers/PackedFields.h"
#include "containers/SourceSlice.h"

namespace morvane {

namespace {
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kHeaderFatEntries = 109;
constexpr int kMiniShift = 6;
constexpr std::uint8_t kStorage = 1, kStream = 2, kRoot = 5;
// Documents nest a few storages deep (ObjectPool/_1234/...); a path of 32 names of at most 31
// characters stays under 1 KiB, so the paths kept are at most 8 times the directory's bytes.
constexpr int kDeepestStorage = 32;

struct Stream {
    std::string path;
    std::uint32_t start;
    std::uint64_t size;
};

struct DirectoryEntry {
    std::string name;
    std::uint8_t type;
    std::uint32_t left, right, child, start;
    std::uint64_t size;
};

class CompoundFileReader final : public ContainerReader {
  public:
    CompoundFileReader(SourceFile& source, std::int64_t offset, std::int64_t length)
        : file_(source, offset, length - offset) {}

    std::int64_t parsedEnd() const noexcept { return parsedEnd_; }

    bool Open() {
        std::uint8_t header[kHeaderSize];
        if (file_.ReadAt(0, header, kHeaderSize).bytes != kHeaderSize) return false;
        parsedEnd_ = kHeaderSize;
        if (Le16(header + 0x1C) != 0xFFFE) return false;
        shift_ = Le16(header + 0x1E);
        if ((shift_ != 9 && shift_ != 12) || Le16(header + 0x20) != kMiniShift) return false;
        sectorSize_ = std::size_t{1} << shift_;
        miniCutoff_ = Le32(header + 0x38);
        // The header takes the first sector's room; sector 0 follows it.
        sectors_ = static_cast<std::uint32_t>(
            std::clamp<std::int64_t>((file_.Length() >> shift_) - 1, 0, 0x7FFFFFFF));
        return ReadFat(header) && ReadDirectory(Le32(header + 0x30)) &&
               ReadMiniFat(Le32(header + 0x3C));
    }

    NextEntry Next(EntryHeader& header, std::error_code&) override {
        if (next_ >= streams_.size()) return NextEntry::End;
        current_ = &streams_[next_++];
        header.name = current_->path;
        header.declared = static_cast<std::int64_t>(current_->size);
        header.encrypted = false;
        position_ = 0;
        const bool mini = current_->size < miniCutoff_;
        const std::uint64_t needed = SectorsOf(current_->size, mini ? kMiniShift : shift_);
        chain_ = Chain(current_->start, mini, needed);
        chainFailed_ = chain_.size() < needed;
        return NextEntry::Found;
    }

    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        if (current_ == nullptr || position_ >= current_->size) return {};
        const bool mini = current_->size < miniCutoff_;
        const int shift = mini ? kMiniShift : shift_;
        const std::uint64_t index = position_ >> shift;
        if (index >= chain_.size())
            return {0, make_error_code(chainFailed_ ? ScanErrc::EntryTruncated
                                                    : ScanErrc::ContainerDamaged)};
        const std::uint64_t within = position_ & ((std::uint64_t{1} << shift) - 1);
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(
            {count, (std::uint64_t{1} << shift) - within, current_->size - position_}));
        const std::uint64_t at = (static_cast<std::uint64_t>(chain_[index]) << shift) + within;
        const ReadResult got =
            mini ? ReadMini(at, into, piece)
                 : file_.ReadAt(SectorOffset(0) + static_cast<std::int64_t>(at), into, piece);
        if (got.error) return got;
        if (got.bytes < piece) return {got.bytes, make_error_code(ScanErrc::EntryTruncated)};
        position_ += piece;
        return got;
    }

    std::int64_t Extent() const override {
        const std::int64_t used =
            std::min<std::int64_t>(static_cast<std::int64_t>(fat_.size()), sectors_);
        return std::min(file_.Length(), (used + 1) << shift_);
    }

  private:
    std::int64_t SectorOffset(std::uint32_t sector) const {
        return static_cast<std::int64_t>(sector + std::int64_t{1}) << shift_;
    }

    static std::uint64_t SectorsOf(std::uint64_t size, int shift) {
        return (size + (std::uint64_t{1} << shift) - 1) >> shift;
    }

    bool ReadSector(std::uint32_t sector, std::vector<std::uint8_t>& into) {
        into.resize(sectorSize_);
        if (sector >= sectors_) return false;
        parsedEnd_ =
            std::max(parsedEnd_, SectorOffset(sector) + static_cast<std::int64_t>(sectorSize_));
        return file_.ReadAt(SectorOffset(sector), into.data(), sectorSize_).bytes == sectorSize_;
    }

    // The FAT sectors are listed in the header, then in a chain of DIFAT sectors; a sector
    // listed twice is damage, and each is read once.
    bool ReadFat(const std::uint8_t* header) {
        const std::uint32_t fatSectors = std::min(Le32(header + 0x2C), sectors_);
        std::vector<std::uint32_t> list;
        for (std::size_t i = 0; i < kHeaderFatEntries && list.size() < fatSectors; ++i)
            list.push_back(Le32(header + 0x4C + 4 * i));
        std::uint32_t difat = Le32(header + 0x44);
        std::vector<std::uint8_t> sector;
        for (std::uint32_t hops = 0; list.size() < fatSectors && difat < sectors_; ++hops) {
            if (hops > sectors_ || !ReadSector(difat, sector)) return false;
            const std::size_t perSector = sectorSize_ / 4 - 1;
            for (std::size_t i = 0; i < perSector && list.size() < fatSectors; ++i)
                list.push_back(Le32(sector.data() + 4 * i));
            difat = Le32(sector.data() + 4 * perSector);
        }
        std::vector<bool> listed(sectors_);
        for (const std::uint32_t at : list) {
            if (at >= sectors_ || listed[at] || !ReadSector(at, sector)) return false;
            listed[at] = true;
            for (std::size_t i = 0; i < sectorSize_; i += 4)
                fat_.push_back(Le32(sector.data() + i));
        }
        return !fat_.empty();
    }

    // The sectors of a chain, up to `wanted` of them; it stops early at a sector out of range
    // or at the first one it has passed already, so it never holds more links than the file
    // has sectors.
    // The marks are kept between chains and cleared by the chain that set them, so a stream's
    // chain costs its own length, not the file's sectors.
    std::vector<std::uint32_t> Chain(std::uint32_t start, bool mini,
                                     std::uint64_t wanted = UINT64_MAX) {
        const std::vector<std::uint32_t>& table = mini ? miniFat_ : fat_;
        // Mini sectors are the file's sectors cut in pieces.
        const std::uint64_t sectors = std::uint64_t{sectors_} << (mini ? shift_ - kMiniShift : 0);
        const auto reach = static_cast<std::size_t>(std::min<std::uint64_t>(table.size(), sectors));
        if (passed_.size() < reach) passed_.resize(reach);
        std::vector<std::uint32_t> chain;
        for (std::uint32_t at = start; at < reach && !passed_[at] && chain.size() < wanted;
             at = table[at]) {
            passed_[at] = true;
            chain.push_back(at);
        }
        for (const std::uint32_t at : chain) passed_[at] = false;
        return chain;
    }

    bool ReadDirectory(std::uint32_t start) {
        std::vector<DirectoryEntry> entries;
        std::vector<std::uint8_t> sector;
        for (const std::uint32_t at : Chain(start, false)) {
            if (!ReadSector(at, sector)) return false;
            for (std::size_t i = 0; i + kEntrySize <= sectorSize_; i += kEntrySize)
                entries.push_back(ParseEntry(sector.data() + i));
        }
        if (entries.empty() || entries[0].type != kRoot) return false;
        rootStart_ = entries[0].start;
        rootSize_ = entries[0].size;
        ListStreams(entries);
        return true;
    }

    static DirectoryEntry ParseEntry(const std::uint8_t* p) {
        const std::size_t units = std::min<std::size_t>(Le16(p + 64) / 2, 32);
        return {CompoundEntryName({p, 64}, units > 0 ? units - 1 : 0),
                p[66],
                Le32(p + 68),
                Le32(p + 72),
                Le32(p + 76),
                Le32(p + 116),
                Le32(p + 120) | static_cast<std::uint64_t>(Le32(p + 124)) << 32};
    }

    // Every stream under the root, storages' names before their streams' ("Macros/VBA/dir");
    // each entry is visited once however its links point. A pending link keeps the index of the
    // storage it lies in, and each storage's path is made once, so nesting costs no more than
    // the paths themselves; storages nested deeper than any document's are not followed.
    void ListStreams(const std::vector<DirectoryEntry>& entries) {
        std::vector<bool> seen(entries.size());
        std::vector<std::string> folders{""};  // of the storages entered, the root's first
        std::vector<int> depths{0};
        std::vector<std::pair<std::uint32_t, std::size_t>> pending{{entries[0].child, 0}};
        while (!pending.empty()) {
            const auto [index, folder] = pending.back();
            pending.pop_back();
            if (index >= entries.size() || seen[index]) continue;
            seen[index] = true;
            const DirectoryEntry& entry = entries[index];
            pending.push_back({entry.right, folder});
            pending.push_back({entry.left, folder});
            if (entry.type == kStorage && depths[folder] < kDeepestStorage) {
                folders.push_back(folders[folder] + entry.name + "/");
                depths.push_back(depths[folder] + 1);
                pending.push_back({entry.child, folders.size() - 1});
            }
            if (entry.type == kStream && entry.size > 0)
                streams_.push_back({folders[folder] + entry.name, entry.start,
                                    shift_ == 9 ? entry.size & 0xFFFFFFFF : entry.size});
        }
        std::stable_sort(streams_.begin(), streams_.end(),
                         [](const Stream& a, const Stream& b) { return a.path < b.path; });
    }

    bool ReadMiniFat(std::uint32_t start) {
        std::vector<std::uint8_t> sector;
        for (const std::uint32_t at : Chain(start, false)) {
            if (!ReadSector(at, sector)) return false;
            for (std::size_t i = 0; i < sectorSize_; i += 4)
                miniFat_.push_back(Le32(sector.data() + i));
        }
        miniStream_ = Chain(rootStart_, false);
        return true;
    }

    // Small streams live in the mini stream, itself a chain of ordinary sectors.
    ReadResult ReadMini(std::uint64_t at, std::uint8_t* into, std::size_t count) {
        const std::uint64_t sector = at >> shift_;
        if (sector >= miniStream_.size() || at + count > rootSize_)
            return {0, make_error_code(ScanErrc::ContainerDamaged)};
        const std::uint64_t within = at & (sectorSize_ - 1);
        return file_.ReadAt(SectorOffset(miniStream_[sector]) + static_cast<std::int64_t>(within),
                            into, count);
    }

    SourceSlice file_;
    int shift_ = 9;
    std::size_t sectorSize_ = 512;
    std::uint32_t sectors_ = 0;
    std::uint32_t miniCutoff_ = 4096;
    std::vector<std::uint32_t> fat_, miniFat_, miniStream_;
    std::uint32_t rootStart_ = kEndOfChain;
    std::uint64_t rootSize_ = 0;
    std::vector<Stream> streams_;
    std::size_t next_ = 0;
    const Stream* current_ = nullptr;
    std::vector<std::uint32_t> chain_;
    bool chainFailed_ = false;
    std::uint64_t position_ = 0;
    std::int64_t parsedEnd_ = 0;  // the furthest byte read while opening
    std::vector<bool> passed_;    // sectors the chain being followed has passed, else clear
};

// MSI packs two characters of this alphabet into one code unit, and marks table streams.
constexpr char kMsiAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz._";
}  // namespace

std::string CompoundEntryName(std::span<const std::uint8_t> utf16, std::size_t units) {
    std::string name;
    for (std::size_t i = 0; i < units && 2 * i + 1 < utf16.size(); ++i) {
        std::uint32_t c = Le16(utf16.data() + 2 * i);
        if (c >= 0x3800 && c < 0x4800) {
            c -= 0x3800;
            name += kMsiAlphabet[c & 0x3F];
            name += kMsiAlphabet[(c >> 6) & 0x3F];
        } else if (c >= 0x4800 && c < 0x4840) {
            name += kMsiAlphabet[c - 0x4800];
        } else if (c == 0x4840) {
            name += '!';
        } else if (c < 0x20) {
            name += "#" + std::to_string(c);
        } else if (c >= 0xD800 && c < 0xE000) {
            AppendUtf8(name, 0xFFFD);  // halves of pairs are not worth joining in a stream name
        } else {
            AppendUtf8(name, c);
        }
    }
    return name;
}

std::unique_ptr<ContainerReader> OpenCompoundFile(SourceFile& source, std::int64_t length,
                                                  std::int64_t offset, std::int64_t& parsedEnd) {
    auto reader = std::make_unique<CompoundFileReader>(source, offset, length);
    const bool opened = reader->Open();
    parsedEnd = offset + reader->parsedEnd();
    if (!opened) return nullptr;
    return reader;
}

}  // namespace morvane
