#include "containers/ArchiveReader.h"

#ifdef MORVANE_HAVE_LIBARCHIVE

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "ScanError.h"
#include "containers/SourceSlice.h"

namespace morvane {

namespace {
constexpr std::size_t kBlock = 64 * 1024;

bool Mentions(const char* text, std::string_view word) {
    return text != nullptr && std::string_view(text).find(word) != std::string_view::npos;
}

// libarchive words its failures only as text; the words it uses sort them.
std::error_code EntryError(archive* a) {
    const char* text = archive_error_string(a);
    if (Mentions(text, "ncrypt") || Mentions(text, "assword"))
        return make_error_code(ScanErrc::EntryEncrypted);
    if (Mentions(text, "nsupported") || Mentions(text, "not supported") ||
        Mentions(text, "nknown compression") || Mentions(text, "Unrecognized"))
        return make_error_code(ScanErrc::EntryMethodUnknown);
    // zlib's "buffer error" (-5): the compressed data stopped before the stream's end.
    if (Mentions(text, "runcated") || Mentions(text, "remature") ||
        Mentions(text, "nexpected end") || Mentions(text, "failed (-5)"))
        return make_error_code(ScanErrc::EntryTruncated);
    return make_error_code(ScanErrc::ContainerDamaged);
}

// The formats (and for streams the filters) tried at a candidate; only its own, so that a zip
// header inside a cabinet is not read as a zip.
void Support(archive* a, ContainerFormat format) {
    switch (format) {
        case ContainerFormat::Zip:
            archive_read_support_format_zip_streamable(a);
            return;
        case ContainerFormat::ZipEnd:
            archive_read_support_format_zip_seekable(a);
            return;
        case ContainerFormat::SevenZip:
            archive_read_support_format_7zip(a);
            return;
        case ContainerFormat::Cabinet:
            archive_read_support_format_cab(a);
            return;
        case ContainerFormat::Rar:
            archive_read_support_format_rar(a);
            archive_read_support_format_rar5(a);
            return;
        case ContainerFormat::Iso:
            archive_read_support_format_iso9660(a);
            return;
        case ContainerFormat::Tar:
            archive_read_support_format_tar(a);
            return;
        case ContainerFormat::Cpio:
            archive_read_support_format_cpio(a);
            return;
        case ContainerFormat::Gzip:
        case ContainerFormat::Bzip2:
        case ContainerFormat::Xz:
        case ContainerFormat::Zstd:
        case ContainerFormat::Lzma:
            archive_read_support_filter_all(a);
            archive_read_support_format_tar(a);
            archive_read_support_format_cpio(a);
            archive_read_support_format_raw(a);
            return;
        case ContainerFormat::CompoundFile:
        case ContainerFormat::Nsis:
            return;
    }
}

class ArchiveReader final : public ContainerReader {
  public:
    ArchiveReader(SourceFile& source, std::int64_t begin, std::int64_t length)
        : slice_(source, begin, length - begin), block_(kBlock) {}
    ~ArchiveReader() override {
        if (archive_ != nullptr) archive_read_free(archive_);
    }

    bool Open(ContainerFormat format, bool& empty) {
        archive_ = archive_read_new();
        if (archive_ == nullptr) return false;
        Support(archive_, format);
        archive_read_set_callback_data(archive_, this);
        archive_read_set_read_callback(archive_, &ArchiveReader::ReadBlock);
        archive_read_set_seek_callback(archive_, &ArchiveReader::Seek);
        archive_read_set_skip_callback(archive_, &ArchiveReader::Skip);
        if (archive_read_open1(archive_) != ARCHIVE_OK) return false;
        // The first header tells whether the format's reader took the bytes.
        first_ = archive_read_next_header(archive_, &entry_);
        empty = first_ == ARCHIVE_EOF;
        return first_ == ARCHIVE_OK || first_ == ARCHIVE_WARN;
    }

    NextEntry Next(EntryHeader& header, std::error_code& error) override {
        const int status = first_ != kNoFirst ? std::exchange(first_, kNoFirst)
                                              : archive_read_next_header(archive_, &entry_);
        if (status == ARCHIVE_EOF) return NextEntry::End;
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            error = EntryError(archive_);
            return NextEntry::Failed;
        }
        if (archive_entry_filetype(entry_) != AE_IFREG) return NextEntry::Passed;
        const char* name = archive_entry_pathname_utf8(entry_);
        if (name == nullptr) name = archive_entry_pathname(entry_);
        header.name = name != nullptr ? name : "";
        header.declared = archive_entry_size_is_set(entry_) ? archive_entry_size(entry_) : -1;
        header.encrypted = archive_entry_is_encrypted(entry_) != 0;
        return NextEntry::Found;
    }

    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        const la_ssize_t got = archive_read_data(archive_, into, count);
        if (got < 0) return {0, EntryError(archive_)};
        return {static_cast<std::size_t>(got), {}};
    }

    // The bytes the format has taken from the source, not those read ahead of it: a zip's
    // reader stops at its central directory, so a container appended after it is still found.
    std::int64_t Extent() const override {
        const la_int64_t consumed = archive_filter_bytes(archive_, -1);
        return consumed > 0 ? consumed : furthest_;
    }

  private:
    static constexpr int kNoFirst = -100;

    static la_ssize_t ReadBlock(archive* a, void* self, const void** buffer) {
        auto& reader = *static_cast<ArchiveReader*>(self);
        const ReadResult got =
            reader.slice_.ReadAt(reader.position_, reader.block_.data(), reader.block_.size());
        if (got.error) {
            archive_set_error(a, got.error.value(), "%s", got.error.message().c_str());
            return -1;
        }
        *buffer = reader.block_.data();
        reader.position_ += static_cast<std::int64_t>(got.bytes);
        reader.furthest_ = std::max(reader.furthest_, reader.position_);
        return static_cast<la_ssize_t>(got.bytes);
    }

    static la_int64_t Seek(archive*, void* self, la_int64_t offset, int whence) {
        auto& reader = *static_cast<ArchiveReader*>(self);
        const std::int64_t from = whence == SEEK_SET   ? 0
                                  : whence == SEEK_CUR ? reader.position_
                                                       : reader.slice_.Length();
        const std::int64_t to = from + offset;
        if (to < 0) return ARCHIVE_FATAL;
        reader.position_ = to;
        return to;
    }

    static la_int64_t Skip(archive*, void* self, la_int64_t request) {
        auto& reader = *static_cast<ArchiveReader*>(self);
        // A seek may have gone past the end, where nothing is left to skip.
        const std::int64_t left =
            std::max<std::int64_t>(reader.slice_.Length() - reader.position_, 0);
        const std::int64_t step = std::clamp<std::int64_t>(request, 0, left);
        reader.position_ += step;
        return step;
    }

    SourceSlice slice_;
    std::vector<std::uint8_t> block_;
    archive* archive_ = nullptr;
    archive_entry* entry_ = nullptr;
    int first_ = kNoFirst;
    std::int64_t position_ = 0;
    std::int64_t furthest_ = 0;
};
}  // namespace

bool ArchivesReadable() noexcept {
    return true;
}

std::unique_ptr<ContainerReader> OpenArchive(SourceFile& source, std::int64_t length,
                                             const ContainerCandidate& candidate, bool& empty) {
    auto reader = std::make_unique<ArchiveReader>(source, candidate.offset, length);
    if (!reader->Open(candidate.format, empty)) return nullptr;
    return reader;
}

}  // namespace morvane

#else  // a build without libarchive opens compound files and installers only

namespace morvane {

bool ArchivesReadable() noexcept {
    return false;
}

std::unique_ptr<ContainerReader> OpenArchive(SourceFile&, std::int64_t, const ContainerCandidate&,
                                             bool&) {
    return nullptr;
}

}  // namespace morvane

#endif
