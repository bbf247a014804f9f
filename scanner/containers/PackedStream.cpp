#include "containers/PackedStream.h"

#include <algorithm>
#include <vector>

#include "ScanError.h"

#ifdef MORVANE_HAVE_PACKED_STREAMS
#include <lzma.h>
#include <zlib.h>
#endif

namespace morvane {

namespace {
constexpr std::size_t kInputPiece = 64 * 1024;

// The packed bytes, read from the source a piece at a time.
class PackedInput {
  public:
    PackedInput(SourceFile& source, std::int64_t begin, std::int64_t end)
        : source_(source), next_(begin), end_(end), piece_(kInputPiece) {}

    // The next piece; empty at the end. A read failure is kept for the reader to return.
    std::pair<const std::uint8_t*, std::size_t> Next() {
        const auto want = static_cast<std::size_t>(
            std::clamp<std::int64_t>(end_ - next_, 0, static_cast<std::int64_t>(piece_.size())));
        if (want == 0) return {nullptr, 0};
        const ReadResult got = source_.ReadAt(next_, piece_.data(), want);
        if (got.error) error_ = got.error;
        next_ += static_cast<std::int64_t>(got.bytes);
        if (got.bytes < want) end_ = next_;  // the source is shorter than the container says
        return {piece_.data(), got.bytes};
    }
    const std::error_code& error() const noexcept { return error_; }

  private:
    SourceFile& source_;
    std::int64_t next_, end_;
    std::vector<std::uint8_t> piece_;
    std::error_code error_;
};

class StoredStream final : public PackedStream {
  public:
    StoredStream(SourceFile& source, std::int64_t begin, std::int64_t end)
        : source_(source), next_(begin), end_(end) {}
    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        const auto want = static_cast<std::size_t>(
            std::clamp<std::int64_t>(end_ - next_, 0, static_cast<std::int64_t>(count)));
        const ReadResult got = source_.ReadAt(next_, into, want);
        next_ += static_cast<std::int64_t>(got.bytes);
        if (got.bytes < want && !got.error) end_ = next_;
        return got;
    }

  private:
    SourceFile& source_;
    std::int64_t next_, end_;
};

#ifdef MORVANE_HAVE_PACKED_STREAMS
// Raw LZMA as NSIS writes it: five bytes of properties, then the stream, with or without its end
// marker.
class LzmaStream final : public PackedStream {
  public:
    LzmaStream(SourceFile& source, std::int64_t begin, std::int64_t end)
        : input_(source, begin + kPropertiesSize, end) {}
    ~LzmaStream() override { lzma_end(&stream_); }

    bool Open(SourceFile& source, std::int64_t begin) {
        std::uint8_t properties[kPropertiesSize];
        if (source.ReadAt(begin, properties, kPropertiesSize).bytes != kPropertiesSize)
            return false;
        lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, nullptr}, {LZMA_VLI_UNKNOWN, nullptr}};
        if (lzma_properties_decode(&filters[0], nullptr, properties, kPropertiesSize) != LZMA_OK)
            return false;
        // The decoder allocates its whole dictionary at once: one larger than any NSIS writes is
        // damage, not a reason to take gigabytes.
        const bool fits = static_cast<const lzma_options_lzma*>(filters[0].options)->dict_size <=
                          kLargestDictionary;
        const lzma_ret status = fits ? lzma_raw_decoder(&stream_, filters) : LZMA_OPTIONS_ERROR;
        free(filters[0].options);
        return status == LZMA_OK;
    }

    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        stream_.next_out = into;
        stream_.avail_out = count;
        while (stream_.avail_out > 0 && !ended_) {
            if (stream_.avail_in == 0 && !inputDone_) {
                const auto [bytes, size] = input_.Next();
                stream_.next_in = bytes;
                stream_.avail_in = size;
                inputDone_ = size == 0;
            }
            const std::size_t before = stream_.avail_out;
            const lzma_ret status = lzma_code(&stream_, inputDone_ ? LZMA_FINISH : LZMA_RUN);
            if (status == LZMA_STREAM_END || status == LZMA_BUF_ERROR ||
                (inputDone_ && stream_.avail_out == before)) {
                ended_ = true;  // without an end marker the packed bytes are all there is
            } else if (status != LZMA_OK) {
                return {count - stream_.avail_out, make_error_code(ScanErrc::ContainerDamaged)};
            }
        }
        return {count - stream_.avail_out, input_.error()};
    }

  private:
    static constexpr std::size_t kPropertiesSize = 5;
    // Eight times the NSIS default, and the memory an entry may take before it moves to disk.
    static constexpr std::uint32_t kLargestDictionary = 64U << 20;
    PackedInput input_;
    lzma_stream stream_ = LZMA_STREAM_INIT;
    bool inputDone_ = false;
    bool ended_ = false;
};

// Raw deflate, without zlib's header.
class DeflateStream final : public PackedStream {
  public:
    DeflateStream(SourceFile& source, std::int64_t begin, std::int64_t end)
        : input_(source, begin, end) {}
    ~DeflateStream() override {
        if (open_) inflateEnd(&stream_);
    }

    bool Open() {
        open_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
        return open_;
    }

    ReadResult Read(std::uint8_t* into, std::size_t count) override {
        std::size_t done = 0;
        while (done < count && !ended_) {
            if (stream_.avail_in == 0) {
                const auto [bytes, size] = input_.Next();
                if (size == 0) {
                    ended_ = true;
                    return {done, input_.error() ? input_.error()
                                                 : make_error_code(ScanErrc::EntryTruncated)};
                }
                stream_.next_in = const_cast<Bytef*>(bytes);
                stream_.avail_in = static_cast<uInt>(size);
            }
            const auto room = static_cast<uInt>(std::min<std::size_t>(count - done, 1u << 30));
            stream_.next_out = into + done;
            stream_.avail_out = room;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            done += room - stream_.avail_out;
            if (status == Z_STREAM_END)
                ended_ = true;
            else if (status != Z_OK && status != Z_BUF_ERROR)
                return {done, make_error_code(ScanErrc::ContainerDamaged)};
        }
        return {done, {}};
    }

  private:
    PackedInput input_;
    z_stream stream_{};
    bool open_ = false;
    bool ended_ = false;
};
#endif
}  // namespace

bool PackedStreamsReadable() noexcept {
#ifdef MORVANE_HAVE_PACKED_STREAMS
    return true;
#else
    return false;
#endif
}

std::unique_ptr<PackedStream> OpenPackedStream(PackMethod method, SourceFile& source,
                                               std::int64_t begin, std::int64_t end) {
    switch (method) {
        case PackMethod::Stored:
            return std::make_unique<StoredStream>(source, begin, end);
#ifdef MORVANE_HAVE_PACKED_STREAMS
        case PackMethod::Lzma: {
            auto stream = std::make_unique<LzmaStream>(source, begin, end);
            if (!stream->Open(source, begin)) return nullptr;
            return stream;
        }
        case PackMethod::Deflate: {
            auto stream = std::make_unique<DeflateStream>(source, begin, end);
            if (!stream->Open()) return nullptr;
            return stream;
        }
#else
        default:
            return nullptr;
#endif
    }
    return nullptr;
}

std::size_t ReadFully(PackedStream& stream, std::uint8_t* into, std::size_t count,
                      std::error_code& error) {
    std::size_t done = 0;
    while (done < count) {
        const ReadResult got = stream.Read(into + done, count - done);
        done += got.bytes;
        if (got.error) {
            error = got.error;
            break;
        }
        if (got.bytes == 0) break;
    }
    return done;
}

}  // namespace morvane
