#include "ItemWriter.h"

#include <algorithm>

#include "KindFolders.h"
#include "Recognisers.h"
#include "ScanError.h"

namespace morvane {

namespace {
constexpr std::size_t kCopyPiece = 1024 * 1024;
constexpr std::uint8_t kLineEnd[] = {0x0D, 0x0A};
// The first byte of the bitmap header: it lies just before a bare icon's signature.
constexpr std::uint8_t kBitmapHeaderStart[] = {0x28};

// The icon file header of a bare icon image. One of today's size gets the fixed 256-colour
// header; one that a checked scan sized by its header is described as it is.
std::array<std::uint8_t, 22> BareIconHeader(const AcceptedItem& item, const std::uint8_t* bytes,
                                            std::size_t count) {
    if (item.size == kBareIconSize || count < 14) return kIconHeader32;
    std::array<std::uint8_t, 22> header = kIconHeader32;
    const std::uint8_t bits = bytes[13];  // the header's bit count, one byte after its start
    header[8] = static_cast<std::uint8_t>(bits < 8 ? 1u << bits : 0u);
    header[10] = 1;  // planes
    header[12] = bits;
    const auto imageBytes = static_cast<std::uint32_t>(item.size + 1);
    for (int i = 0; i < 4; ++i) header[14 + i] = static_cast<std::uint8_t>(imageBytes >> (8 * i));
    return header;
}
}  // namespace

std::string OutputName(const std::string& outputRoot, ResourceKind kind,
                       const std::string& sourceName, std::int64_t counter) {
    return KindFolder(outputRoot, kind) + sourceName + "_" + std::to_string(counter) + "." +
           std::string(KindName(kind));
}

ItemWriter::ItemWriter(FileSystem& fileSystem, bool lineBreakAfter)
    : fileSystem_(fileSystem), lineBreakAfter_(lineBreakAfter) {}

std::error_code ItemWriter::EndItem(OutputFile& out) {
    return lineBreakAfter_ ? out.Write(kLineEnd, sizeof kLineEnd) : std::error_code();
}

std::error_code ItemWriter::Write(SourceFile* source, std::int64_t sourceLength,
                                  const AcceptedItem& item, const std::string& outputPath) {
    if (item.built) return WriteBuilt(*item.built, outputPath);
    if (source == nullptr) return make_error_code(std::errc::bad_file_descriptor);
    // Bytes past the end of the source are left out.
    const std::int64_t present = std::clamp<std::int64_t>(sourceLength - item.offset, 0, item.size);

    // The first piece is read before the output is made, so a source that has gone does not
    // cost the file of an earlier scan.
    buffer_.resize(kCopyPiece);
    const std::size_t firstPiece =
        static_cast<std::size_t>(std::min<std::int64_t>(present, kCopyPiece));
    ReadResult first = source->ReadAt(item.offset, buffer_.data(), firstPiece);
    if (first.error) return first.error;
    if (first.bytes < firstPiece) return make_error_code(ScanErrc::SourceShrank);

    std::error_code error;
    std::unique_ptr<OutputFile> out = fileSystem_.CreateOutput(outputPath, error);
    if (!out) return error;
    if (item.bareIcon) {
        const auto header = BareIconHeader(item, buffer_.data(), first.bytes);
        error = out->Write(header.data(), header.size());
        if (!error) error = out->Write(kBitmapHeaderStart, sizeof kBitmapHeaderStart);
    }
    if (!error) error = out->Write(buffer_.data(), first.bytes);
    if (!error)
        error = Copy(*source, item.offset + static_cast<std::int64_t>(firstPiece),
                     present - static_cast<std::int64_t>(firstPiece), *out);
    if (!error) error = EndItem(*out);
    const std::error_code closeError = out->Close();
    if (!error) error = closeError;
    if (error) fileSystem_.RemoveFile(outputPath);  // half an item is no item
    return error;
}

std::error_code ItemWriter::Read(SourceFile* source, std::int64_t sourceLength,
                                 const AcceptedItem& item, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (item.built) {
        bytes = *item.built;
    } else {
        if (source == nullptr) return make_error_code(std::errc::bad_file_descriptor);
        const std::int64_t present =
            std::clamp<std::int64_t>(sourceLength - item.offset, 0, item.size);
        buffer_.resize(static_cast<std::size_t>(present));
        const ReadResult read = source->ReadAt(item.offset, buffer_.data(), buffer_.size());
        if (read.error) return read.error;
        if (read.bytes < buffer_.size()) return make_error_code(ScanErrc::SourceShrank);
        if (item.bareIcon) {
            const auto header = BareIconHeader(item, buffer_.data(), buffer_.size());
            bytes.assign(header.begin(), header.end());
            bytes.insert(bytes.end(), std::begin(kBitmapHeaderStart), std::end(kBitmapHeaderStart));
        }
        bytes.insert(bytes.end(), buffer_.begin(), buffer_.end());
    }
    if (lineBreakAfter_) bytes.insert(bytes.end(), std::begin(kLineEnd), std::end(kLineEnd));
    return {};
}

std::error_code ItemWriter::WriteRead(const std::vector<std::uint8_t>& bytes,
                                      const std::string& outputPath) {
    return WriteBytes(bytes, false, outputPath);
}

std::error_code ItemWriter::WriteBuilt(const std::vector<std::uint8_t>& bytes,
                                       const std::string& outputPath) {
    return WriteBytes(bytes, lineBreakAfter_, outputPath);
}

std::error_code ItemWriter::WriteBytes(const std::vector<std::uint8_t>& bytes, bool lineBreakAfter,
                                       const std::string& outputPath) {
    std::error_code error;
    std::unique_ptr<OutputFile> out = fileSystem_.CreateOutput(outputPath, error);
    if (!out) return error;
    error = out->Write(bytes.data(), bytes.size());
    if (!error && lineBreakAfter) error = EndItem(*out);
    const std::error_code closeError = out->Close();
    if (!error) error = closeError;
    if (error) fileSystem_.RemoveFile(outputPath);
    return error;
}

std::error_code ItemWriter::Copy(SourceFile& source, std::int64_t from, std::int64_t count,
                                 OutputFile& out) {
    while (count > 0) {
        const std::size_t piece =
            static_cast<std::size_t>(std::min<std::int64_t>(count, kCopyPiece));
        ReadResult got = source.ReadAt(from, buffer_.data(), piece);
        if (got.error) return got.error;
        if (got.bytes < piece) return make_error_code(ScanErrc::SourceShrank);
        if (std::error_code error = out.Write(buffer_.data(), piece)) return error;
        from += static_cast<std::int64_t>(piece);
        count -= static_cast<std::int64_t>(piece);
    }
    return {};
}

}  // namespace morvane
