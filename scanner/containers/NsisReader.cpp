#include "containers/NsisReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "ScanError.h"
#include "containers/PackedFields.h"
#include "containers/PackedStream.h"

namespace morvane {

namespace {
constexpr std::size_t kFirstHeaderSize = 28;
constexpr std::uint32_t kCompressedFlag = 0x80000000;
constexpr std::uint32_t kNoCrcFlag = 4;
// A header larger than this is not read; its files are still listed by position.
constexpr std::uint32_t kHeaderLimit = 16 * 1024 * 1024;
constexpr std::size_t kEntrySize = 28;  // an instruction and its six parameters
constexpr std::size_t kPiece = 64 * 1024;
constexpr std::uint32_t kSetOutPath = 11, kExtractFile = 20;
// The special characters of the string table (NSIS 3; NSIS 2's ANSI tables use 252 to 255).
constexpr std::uint32_t kLangCode = 1, kShellCode = 2, kVarCode = 3, kSkipCode = 4;

constexpr std::array<const char*, 32> kVariables = {
    "0",        "1",    "2",          "3",       "4",       "5",          "6",      "7",
    "8",        "9",    "R0",         "R1",      "R2",      "R3",         "R4",     "R5",
    "R6",       "R7",   "R8",         "R9",      "CMDLINE", "INSTDIR",    "OUTDIR", "EXEDIR",
    "LANGUAGE", "TEMP", "PLUGINSDIR", "EXEPATH", "EXEFILE", "HWNDPARENT", "_CLICK", "_OUTDIR"};

bool IsLzma(const std::uint8_t* p) {
    return p[0] == 0x5D && p[1] == 0 && p[2] == 0;
}
// NSIS's own bzip2 stream: a block size digit of "1" and no "BZh" in front.
bool IsBzip2(const std::uint8_t* p) {
    return p[0] == 0x31 && p[1] < 14;
}

// What one name kept costs besides its characters: its node in the map.
constexpr std::int64_t kNameOverhead = 64;

// Where the script's instructions and strings lie in the header. The header starts with its
// flags and a table of blocks (pages, sections, entries, strings, ...), each an offset and a
// count: 8 bytes each in a 32-bit installer, 12 in a 64-bit one, whose offsets are 64 bits
// wide. The table whose offsets rise and stay inside the header is the one there.
struct ScriptBlocks {
    std::uint32_t entriesAt = 0, entries = 0, stringsAt = 0;
};
std::optional<ScriptBlocks> FindScriptBlocks(std::span<const std::uint8_t> header) {
    constexpr std::size_t kBlocksRead = 4;  // pages, sections, entries, strings
    for (const std::size_t stride : {8U, 12U}) {
        if (header.size() < 4 + stride * 8) continue;
        std::array<std::uint32_t, kBlocksRead> offsets{}, counts{};
        bool rising = true;
        for (std::size_t k = 0; k < kBlocksRead && rising; ++k) {
            const std::uint8_t* block = &header[4 + stride * k];
            offsets[k] = Le32(block);
            counts[k] = Le32(block + stride - 4);
            rising = (stride == 8 || Le32(block + 4) == 0) && offsets[k] < header.size() &&
                     (k == 0 || offsets[k] >= offsets[k - 1]);
        }
        if (rising) return ScriptBlocks{offsets[2], counts[2], offsets[3]};
    }
    return std::nullopt;
}

// The script's file names by where their data lies in the data block: each file extracted,
// under the output folder set last before it, as long as `keep` lets the names be held.
std::map<std::uint32_t, std::string> FileNames(std::span<const std::uint8_t> header,
                                               const std::function<bool(std::size_t)>& keep) {
    std::map<std::uint32_t, std::string> names;
    const std::optional<ScriptBlocks> blocks = FindScriptBlocks(header);
    if (!blocks) return names;
    const auto [entriesAt, entries, stringsAt] = *blocks;
    if (entries > (header.size() - entriesAt) / kEntrySize) return names;
    const std::span<const std::uint8_t> strings = header.subspan(stringsAt);
    // A wide table starts with an empty string of two zero bytes, and its next one's first
    // character has a zero high byte.
    const bool wide = strings.size() >= 4 && strings[0] == 0 && strings[1] == 0 && strings[3] == 0;
    std::string folder;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = &header[entriesAt + i * kEntrySize];
        const std::uint32_t which = Le32(entry);
        if (which == kSetOutPath && Le32(entry + 8) != 0) {
            folder = NsisString(strings, Le32(entry + 4), wide);
        } else if (which == kExtractFile) {
            std::string name = NsisString(strings, Le32(entry + 8), wide);
            // A bare name lies in the output folder; a variable or a full path stands alone.
            if (!folder.empty() && !name.empty() && name[0] != '$' && name[0] != '\\' &&
                name.find(':') == std::string::npos)
                name = folder + "\\" + name;
            std::replace(name.begin(), name.end(), '\\', '/');
            const std::uint32_t position = Le32(entry + 12);
            if (names.contains(position)) continue;  // the first name given is the one kept
            if (!keep(name.size())) break;
            names.emplace(position, std::move(name));
        }
    }
    return names;
}
}  // namespace

std::string NsisString(std::span<const std::uint8_t> table, std::size_t at, bool wide) {
    const std::size_t unit = wide ? 2 : 1;
    const auto read = [&](std::size_t index) -> std::uint32_t {
        const std::size_t byte = index * unit;
        if (byte + unit > table.size()) return 0;
        return wide ? table[byte] | table[byte + 1] << 8 : table[byte];
    };
    // NSIS 2's ANSI tables mark their specials with the top four byte values.
    const bool old = !wide && [&] {
        for (std::size_t i = at; i < at + 1024 && read(i) != 0; ++i)
            if (read(i) >= 252) return true;
        return false;
    }();
    const auto special = [&](std::uint32_t c) -> std::uint32_t {
        if (!old) return c >= kLangCode && c <= kSkipCode ? c : 0;
        return c >= 252 ? 256 - c : 0;  // 255 lang, 254 shell, 253 variable, 252 skip
    };
    std::string text;
    for (std::size_t i = at; text.size() < 1024; ++i) {
        const std::uint32_t c = read(i);
        if (c == 0) break;
        const std::uint32_t code = special(c);
        if (code == 0) {
            AppendUtf8(text, c < 0x20 ? '?' : c);
            continue;
        }
        // The next unit (or two bytes) holds a number of 14 bits, 7 in each byte.
        const std::uint32_t next = wide ? read(i + 1) : read(i + 1) | read(i + 2) << 8;
        i += wide ? 1 : 2;
        const std::uint32_t number = (next & 0x7F) | ((next >> 8) & 0x7F) << 7;
        if (code == kVarCode)
            text += "$" + (number < kVariables.size() ? std::string(kVariables[number])
                                                      : "V" + std::to_string(number));
        else if (code == kShellCode)
            text += "$SHELL" + std::to_string(next & 0xFF);
        else if (code == kLangCode)
            text += "$(LSTR_" + std::to_string(number) + ")";
        else
            AppendUtf8(text, next & 0xFF);
    }
    return text;
}

namespace {
class NsisReader final : public ContainerReader {
  public:
    NsisReader(SourceFile& source, std::int64_t offset, std::int64_t end, UnpackBudget& budget)
        : source_(source), dataStart_(offset + kFirstHeaderSize), end_(end), budget_(budget) {}
    ~NsisReader() override { budget_.Release(namesHeld_); }
    NsisReader(const NsisReader&) = delete;
    NsisReader& operator=(const NsisReader&) = delete;

    // Reads the method and the header; false when the bytes are no installer's data.
    bool Open(std::uint32_t headerSize, OpenFailure& failure) {
        std::uint8_t head[16] = {};
        if (source_.ReadAt(dataStart_, head, sizeof head).bytes != sizeof head) return false;
        const std::uint32_t first = Le32(head);
        if (first == headerSize) {
            solid_ = false;
            method_ = PackMethod::Stored;
        } else if (IsLzma(head)) {
            method_ = PackMethod::Lzma;
        } else if (IsLzma(head + 4) && (first & kCompressedFlag) != 0) {
            solid_ = false;
            method_ = PackMethod::Lzma;
        } else if (IsBzip2(head) || IsBzip2(head + 4)) {
            unknownMethod_ = true;  // NSIS's bzip2 has no stream header for a library to read
            return true;
        } else {
            solid_ = (first & kCompressedFlag) == 0;
            method_ = PackMethod::Deflate;
        }
        if (method_ != PackMethod::Stored && !PackedStreamsReadable()) {
            failure = OpenFailure::Unavailable;
            return false;
        }
        return ReadHeader(headerSize, failure);
    }

    NextEntry Next(EntryHeader& header, std::error_code& error) override {
        if (unknownMethod_) {
            error = make_error_code(ScanErrc::EntryMethodUnknown);
            return NextEntry::Failed;
        }
        std::int64_t size = 0;
        const std::int64_t position = solid_ ? solidPosition_ : nextBlock_ - blocksStart_;
        if (!(solid_ ? NextSolid(size, error) : NextBlock(size, error)))
            return error ? NextEntry::Failed : NextEntry::End;
        const auto name = names_.find(static_cast<std::uint32_t>(position));
        header.name = name != names_.end() ? name->second : "#" + std::to_string(position);
        header.declared = size;
        header.encrypted = false;
        return NextEntry::Found;
    }

    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        const std::size_t want =
            left_ < 0 ? count : static_cast<std::size_t>(std::min<std::int64_t>(count, left_));
        if (want == 0 || !entry_) return {};
        std::error_code error;
        const std::size_t got = ReadFully(*entry_, into, want, error);
        if (left_ < 0) return {got, error};  // a block packed alone ends with its stream
        left_ -= static_cast<std::int64_t>(got);
        if (!error && got < want) error = make_error_code(ScanErrc::EntryTruncated);
        return {got, error};
    }

    std::int64_t Extent() const override { return end_ - (dataStart_ - kFirstHeaderSize); }

  private:
    bool ReadHeader(std::uint32_t headerSize, OpenFailure& failure) {
        std::uint32_t size = 0;
        std::error_code error;
        if (solid_) {
            stream_ = OpenPackedStream(method_, source_, dataStart_, end_);
            if (!stream_ || !ReadSize(*stream_, size) || size != headerSize) return false;
        } else {
            std::int64_t blockSize = 0;
            nextBlock_ = dataStart_;
            if (!NextBlock(blockSize, error)) return false;
            size = headerSize;
        }
        blocksStart_ = nextBlock_;
        if (size > kHeaderLimit) return Unpacked(size, nullptr, failure);
        std::vector<std::uint8_t> header;
        const bool read = Unpacked(size, &header, failure);
        if (read)
            names_ = FileNames(header, [this](std::size_t characters) { return Keep(characters); });
        budget_.Release(static_cast<std::int64_t>(header.size()));
        left_ = 0;
        return read;
    }

    // Unpacks `count` bytes of the current stream, into `header` when it is given, else passed
    // over; each piece is counted in the budget before it is unpacked (and held while the header
    // is), so a header's declared size costs nothing until its bytes arrive.
    bool Unpacked(std::int64_t count, std::vector<std::uint8_t>* header, OpenFailure& failure) {
        std::vector<std::uint8_t> scrap(header ? 0 : kPiece);
        std::error_code error;
        PackedStream& from = solid_ ? *stream_ : *entry_;
        while (count > 0) {
            const auto piece = static_cast<std::size_t>(
                std::min<std::int64_t>(count, static_cast<std::int64_t>(kPiece)));
            const auto cost = static_cast<std::int64_t>(piece);
            if (!budget_.Unpack(cost) || (header && !budget_.Hold(cost))) {
                failure = OpenFailure::OverBudget;
                return false;
            }
            std::uint8_t* into = scrap.data();
            if (header) {
                header->resize(header->size() + piece);
                into = header->data() + header->size() - piece;
            }
            if (ReadFully(from, into, piece, error) != piece) return false;
            count -= cost;
        }
        return true;
    }

    bool Skip(std::int64_t count) {
        OpenFailure failure = OpenFailure::NotThere;
        return Unpacked(count, nullptr, failure);
    }

    // Whether one more name of `characters` may be held; once one may not, none more is.
    bool Keep(std::size_t characters) {
        const std::int64_t cost = static_cast<std::int64_t>(characters) + kNameOverhead;
        namesFull_ = namesFull_ || !budget_.Hold(cost);
        if (namesFull_) return false;
        namesHeld_ += cost;
        return true;
    }

    static bool ReadSize(PackedStream& stream, std::uint32_t& size) {
        std::uint8_t bytes[4];
        std::error_code error;
        if (ReadFully(stream, bytes, 4, error) != 4) return false;
        size = Le32(bytes);
        return true;
    }

    // The next file of the solid stream: what is left of the last one is passed over first.
    bool NextSolid(std::int64_t& size, std::error_code& error) {
        if (left_ > 0 && !Skip(left_)) {
            error = make_error_code(ScanErrc::EntryTruncated);
            return false;
        }
        entry_ = nullptr;
        std::uint32_t word = 0;
        if (!ReadSize(*stream_, word)) return false;
        size = word & ~kCompressedFlag;
        left_ = size;
        solidPosition_ += 4 + size;
        entry_ = std::make_unique<SolidView>(*stream_);
        return true;
    }

    // The next block of a data block packed file by file: its size word says whether it is
    // packed.
    bool NextBlock(std::int64_t& size, std::error_code& error) {
        const std::int64_t at = nextBlock_;
        std::uint8_t word[4];
        if (at + 4 > end_ || source_.ReadAt(at, word, 4).bytes != 4) return false;
        const std::uint32_t value = Le32(word);
        const std::int64_t packedEnd = std::min(end_, at + 4 + (value & ~kCompressedFlag));
        nextBlock_ = at + 4 + (value & ~kCompressedFlag);
        const bool packed = (value & kCompressedFlag) != 0;
        entry_ =
            OpenPackedStream(packed ? method_ : PackMethod::Stored, source_, at + 4, packedEnd);
        if (!entry_) {
            error = make_error_code(ScanErrc::ContainerDamaged);
            return false;
        }
        size = packed ? std::int64_t{-1} : std::int64_t{value};
        left_ = size;
        return true;
    }

    // One file's share of the solid stream.
    class SolidView final : public PackedStream {
      public:
        explicit SolidView(PackedStream& whole) : whole_(whole) {}
        ReadResult Read(std::uint8_t* into, std::size_t count) override {
            return whole_.Read(into, count);
        }

      private:
        PackedStream& whole_;
    };

    SourceFile& source_;
    std::int64_t dataStart_;
    std::int64_t end_;
    bool solid_ = true;
    bool unknownMethod_ = false;
    PackMethod method_ = PackMethod::Stored;
    std::unique_ptr<PackedStream> stream_;  // the solid stream
    std::unique_ptr<PackedStream> entry_;   // the current file's bytes
    std::map<std::uint32_t, std::string> names_;
    std::int64_t solidPosition_ = 0;  // of the next file in the data after the header
    std::int64_t left_ = 0;           // of the current file; -1 when its block alone says
    std::int64_t blocksStart_ = 0;    // where the files' blocks start, packed file by file
    std::int64_t nextBlock_ = 0;
    UnpackBudget& budget_;
    std::int64_t namesHeld_ = 0;  // of the budget's memory
    bool namesFull_ = false;
};
}  // namespace

std::unique_ptr<ContainerReader> OpenNsis(SourceFile& source, std::int64_t length,
                                          std::int64_t offset, UnpackBudget& budget,
                                          OpenFailure& failure) {
    std::uint8_t first[kFirstHeaderSize];
    if (source.ReadAt(offset, first, kFirstHeaderSize).bytes != kFirstHeaderSize) return nullptr;
    if (std::memcmp(first + 4, "\xEF\xBE\xAD\xDENullsoftInst", 16) != 0) return nullptr;
    const std::uint32_t headerSize = Le32(first + 20), archiveSize = Le32(first + 24);
    if (archiveSize < kFirstHeaderSize + 4) return nullptr;
    // Unless the flags say otherwise, the data block ends with a CRC of four bytes.
    const std::uint32_t crc = (Le32(first) & kNoCrcFlag) != 0 ? 0 : 4;
    const std::int64_t end = std::min<std::int64_t>(length, offset + archiveSize - crc);
    auto reader = std::make_unique<NsisReader>(source, offset, end, budget);
    if (!reader->Open(headerSize, failure)) return nullptr;
    return reader;
}

}  // namespace morvane
