// What a scan leaves behind on a real disk and on one that fails on purpose: output names and
// bytes, the order of items, chunking, the log, the checked scan and the resource pass; and the
// engine and its vector kernels against the obvious search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "ChunkMarks.h"
#include "DenseSource.h"
#include "ItemWriter.h"
#include "LogFileSink.h"
#include "NativePath.h"
#include "NeWriter.h"
#include "PathHelpers.h"
#include "PeWriter.h"
#include "ProgressFigures.h"
#include "RecordingSink.h"
#include "ReferenceScan.h"
#include "ScanEngine.h"
#include "ScanError.h"
#include "SignatureFinder.h"
#include "SignatureTable.h"
#include "SinkPair.h"
#include "SourceWindow.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using namespace test;
using Lines = std::vector<std::string>;
using Items = std::vector<ReferenceItem>;
using K = ResourceKind;
constexpr std::int64_t kMiB = 1024 * 1024;

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}
Bytes WithLineEnd(Bytes bytes) {
    return Compose({bytes, {0x0D, 0x0A}});
}

// The real disk with one failure switched in on purpose. It records every path it writes, so that
// a test can prove nothing outside the output root was written.
enum class Fault {
    None,
    RefusePng,
    FullDisk,
    GoneAfterSearch,
    Gone,
    Shrinks,
    ReadError,
    RefuseLog
};
class FaultyDisk final : public FileSystem {
  public:
    explicit FaultyDisk(Fault fault) : fault_(fault) {}
    std::set<std::string> written;
    std::int64_t bytesRead = 0;

    bool IsFile(const std::string& path) override { return Disk().IsFile(path); }
    std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                           std::error_code& error) override {
        const bool again = ++opens_ > 1;  // the extraction's open, after the search's
        if (fault_ == Fault::Gone || (fault_ == Fault::GoneAfterSearch && again))
            return error = Error(ENOENT), nullptr;
        auto inner = Disk().OpenSource(path, error);
        const std::int64_t end = fault_ == Fault::Shrinks && again ? 40 : INT64_MAX;
        if (!inner) return nullptr;
        return std::make_unique<Source>(std::move(inner), end, fault_ == Fault::ReadError,
                                        bytesRead);
    }
    std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                             std::error_code& error) override {
        if (Refused(path)) return error = Error(EACCES), nullptr;
        written.insert(path);
        auto inner = Disk().CreateOutput(path, error);
        if (!inner || fault_ != Fault::FullDisk || path.ends_with(kLogFileName)) return inner;
        return std::make_unique<Output>(std::move(inner));
    }
    std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                           std::error_code& error) override {
        if (Refused(path)) return error = Error(EACCES), nullptr;
        written.insert(path);
        return Disk().OpenAppend(path, error);
    }
    std::int64_t FileSize(const std::string& path, std::error_code& error) override {
        return Disk().FileSize(path, error);
    }
    std::error_code CreateFolders(const std::string& path) override {
        return written.insert(path), Disk().CreateFolders(path);
    }
    std::error_code RemoveFile(const std::string& path) override {
        return written.insert(path), Disk().RemoveFile(path);
    }
    std::error_code Rename(const std::string& from, const std::string& to) override {
        return written.insert(to), Disk().Rename(from, to);
    }

  private:
    static FileSystem& Disk() { return NativeFileSystem(); }
    static std::error_code Error(int code) { return {code, std::generic_category()}; }
    bool Refused(const std::string& path) const {
        return (fault_ == Fault::RefusePng && path.find("PNG") != std::string::npos) ||
               (fault_ == Fault::RefuseLog && path.ends_with(kLogFileName));
    }
    struct Source final : SourceFile {  // ends at `end`; with `fails`, reads past 100 fail
        Source(std::unique_ptr<SourceFile> in, std::int64_t e, bool f, std::int64_t& r)
            : inner(std::move(in)), end(e), fails(f), read(r) {}
        std::int64_t Length() const override { return inner->Length(); }
        ReadResult ReadAt(std::int64_t offset, std::uint8_t* into, std::size_t count) override {
            const std::int64_t stop = std::min(end, offset + static_cast<std::int64_t>(count));
            if (fails && stop > 100) return {0, Error(EIO)};
            if (stop <= offset) return {};
            const ReadResult got =
                inner->ReadAt(offset, into, static_cast<std::size_t>(stop - offset));
            read += static_cast<std::int64_t>(got.bytes);
            return got;
        }
        std::unique_ptr<SourceFile> inner;
        std::int64_t end;
        bool fails;
        std::int64_t& read;
    };
    struct Output final : OutputFile {  // room for 20 bytes
        explicit Output(std::unique_ptr<OutputFile> in) : inner(std::move(in)) {}
        std::error_code Write(const std::uint8_t* bytes, std::size_t count) override {
            const std::size_t take = std::min(count, room);
            room -= take;
            const std::error_code error = inner->Write(bytes, take);
            return take < count ? Error(ENOSPC) : error;
        }
        std::error_code Close() override { return inner->Close(); }
        std::unique_ptr<OutputFile> inner;
        std::size_t room = 20;
    };
    Fault fault_;
    int opens_ = 0;
};

class ScanEngineTest : public ::testing::Test {
  protected:
    TempFolder temp;
    std::string root = temp.path() + "out" + kPathSeparator;
    RecordingSink observer;
    StopToken stop;

    struct Outcome : ScanSummary {
        bool hadFailure;  // a failure line was logged
    };

    // A fresh recorder and a scan with LOG.txt written at a fixed clock.
    Outcome Scan(const std::string& path, const ScanOptions& options = {},
                 FileSystem* fileSystem = &NativeFileSystem()) {
        observer = {};
        LogFileSink log(
            {*fileSystem, root, "βρέθηκαν", [] { return std::string("T"); }, &observer});
        SinkPair sinks(log, observer);
        const ScanSummary summary =
            ScanEngine({root, fileSystem}).ScanFile(path, options, sinks, stop);
        return {summary, log.HadFailure()};
    }
    Outcome Rescan(const std::string& name, const Bytes& bytes, const ScanOptions& o = {}) {
        return Scan(temp.Write(name, bytes), o);
    }
    // Every file under the output root with its bytes.
    std::map<std::string, Bytes> Tree() const {
        std::map<std::string, Bytes> tree;
        for (const std::string& file : ListTree(root)) tree[file] = ReadFileBytes(root + file);
        return tree;
    }
    std::string Kinds() const {
        std::string kinds;
        for (const RecordedItem& item : observer.items) kinds += std::string(KindName(item.kind));
        return kinds;
    }
    Items Results() const {
        Items found;
        for (const RecordedItem& i : observer.items) found.push_back({i.position, i.size, i.kind});
        return found;
    }
};

// The search of a source finds where its containers may be, so opening those that a source without
// any holds costs no second reading of it, on one thread or on several.
TEST_F(ScanEngineTest, UnpackingReadsASourceWithoutContainersOnce) {
    const std::string source =
        temp.Write("a.bin", Compose({Filler(3 << 20), MakePng(), Filler(9)}));
    for (const int threads : {1, 2}) {
        FaultyDisk disk(Fault::None);
        ScanOptions options;
        options.unpackContainers = true;
        options.threads = threads;
        EXPECT_FALSE(Scan(source, options, &disk).hadFailure);
        EXPECT_EQ(Kinds(), "PNG");
        EXPECT_LT(disk.bytesRead, (3 << 20) * 3 / 2) << threads;
    }
}

TEST_F(ScanEngineTest, WritesItemsInRowOrderNumberedAcrossKinds) {
    const Bytes icon = MakeIcon32(), bmp = MakeBmp(), gif = MakeGif();
    // The GIF comes first in the file, but its row comes after the icon and bitmap rows.
    const Bytes source = Compose({Filler(100), gif, Filler(50), icon, Filler(50), bmp, Filler(50)});
    const std::string path = temp.Write("in/a.dll", source);
    EXPECT_EQ(Scan(path).itemsLogged, 4);
    const std::size_t iconAt = 100 + gif.size() + 50, bmpAt = iconAt + icon.size() + 50;
    // The bare 32x32 image: icon header, the 0x28 before the signature, 2238 source bytes.
    const Bytes bare = Compose({Bytes(kIconHeader32.begin(), kIconHeader32.end()),
                                {0x28},
                                Slice(source, iconAt + 23, 2238)});
    const auto found = [](std::string kind, std::size_t at, std::size_t size) {
        return kind + " file found at offset: " + std::to_string(at) +
               ",  Size: " + std::to_string(size) + "\r\n";
    };
    const std::string log = "----------\r\nStart: T (" + path + ")\r\n" +
                            found("ICO", iconAt + 1, 2238) + found("ICO", iconAt + 24, 2238) +
                            found("BMP", bmpAt + 1, bmp.size()) +
                            found("GIF", 101, gif.size() + 1) + "4 βρέθηκαν .\r\nEnd: T\r\n";
    EXPECT_EQ(Tree(), (std::map<std::string, Bytes>{
                          {"BMP/a.dll_2.BMP", WithLineEnd(bmp)},
                          {"GIF/a.dll_3.GIF", WithLineEnd(Slice(source, 100, gif.size() + 1))},
                          {"ICO/a.dll_0.ICO", WithLineEnd(icon)},
                          {"ICO/a.dll_1.ICO", WithLineEnd(bare)},
                          {"LOG.txt", ToBytes(log)}}));
    EXPECT_EQ(observer.counts,
              (std::map<std::string, int>{{"ICO#a.dll", 2}, {"BMP#a.dll", 1}, {"GIF#a.dll", 1}}));
    EXPECT_EQ(observer.prepared.size(), 10u);
    EXPECT_EQ(observer.finished, Lines{"a.dll"});

    // The same name from another folder replaces outputs; only enabled kinds get nodes.
    ScanOptions gifOnly{.enabled = {}};
    gifOnly.Enable(K::GIF, true);
    const Bytes other = Compose({Filler(5), gif, Filler(9), bmp, Filler(3)});
    temp.Write("out/GIF/a.dll_0.GIF", Filler(100));
    Rescan("y/a.dll", other, gifOnly);
    EXPECT_EQ(Kinds(), "GIF");
    EXPECT_EQ(observer.prepared, Lines{"a.dll:GIF"});
    EXPECT_EQ(ReadFileBytes(root + "GIF/a.dll_0.GIF"), WithLineEnd(Slice(other, 5, 36)));
    EXPECT_EQ(Tree().size(), 6u);        // the first scan's items stay
    for (ResourceKind kind : kAllKinds)  // every kind's folder is made, enabled or not
        EXPECT_TRUE(std::filesystem::is_directory(ToFsPath(root + std::string(KindName(kind)))));
}

// The chunk count follows the length and the cap; a bar value needs 100 bytes. The reports run
// up to the cap, and the log says what the cap left unsearched.
TEST_F(ScanEngineTest, OneProgressReportPerChunkUpToTheCapAndTheLogLimit) {
    Rescan("one.bin", Filler(kMiB));
    EXPECT_EQ(observer.progress.size(), 1u);
    Rescan("two.bin", Filler(kMiB + 1));
    // 1048577 / round(10485.77), and 1048578 / 10486
    EXPECT_EQ(observer.progress, (std::vector<RecordedProgress>{{"two.bin", kMiB, kMiB + 1},
                                                                {"two.bin", kMiB + 1, kMiB + 1}}));
    Rescan("capped.bin", Filler(2 * kMiB + 1), {.chunkCap = 1});
    EXPECT_EQ(observer.progress, (std::vector<RecordedProgress>{{"capped.bin", kMiB, kMiB}}));
    Rescan("zero.bin", Compose({MakeGif(), Filler(4)}), {.chunkCap = 0});
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_EQ(observer.lines, (Lines{"----------", "Start: T (" + temp.path() + "zero.bin)",
                                     "Searched the first 0 of 39 bytes (search limit).",
                                     "0 βρέθηκαν .", "End: T"}));
    for (std::int64_t size : {0, 50}) {
        // The log is emptied only once it is past its limit, here by one byte in the second round.
        temp.Write("out/LOG.txt", Bytes(static_cast<std::size_t>(kLogResetSize + size / 50), 'x'));
        Rescan("tiny.bin", Filler(static_cast<std::size_t>(size)));
        EXPECT_EQ(observer.progress, (std::vector<RecordedProgress>{{"tiny.bin", size, size}}));
        EXPECT_EQ(ReadFileBytes(root + "LOG.txt")[0], size == 0 ? 'x' : '-');
    }
}

// The sink's stop answer ends the search after the chunk it was asked about; what was found is
// written, and the caller's token carries the stop on to the next source.
TEST_F(ScanEngineTest, ASinksStopAnswerEndsTheSearch) {
    const Bytes gif = MakeGif();
    const std::string path = temp.Write("s.bin", Compose({gif, Filler(2 << 20), gif}));
    observer.stopAfter = 1;
    ScanEngine({root}).ScanFile(path, {}, observer, stop);
    EXPECT_EQ(observer.progress.size(), 1u);
    EXPECT_EQ(observer.items.size(), 1u);
    EXPECT_TRUE(stop.StopRequested());
}

// A name from the file scanned, or from an entry of an archive, cannot forge a line of the log nor
// drive a terminal: its control characters are written out. A source searched in part says so.
TEST_F(ScanEngineTest, TheLogWritesOutControlCharactersAndSaysWhatWasLeftUnsearched) {
    LogFileSink log(
        {NativeFileSystem(), root, "found", [] { return std::string("T"); }, &observer});
    std::filesystem::create_directories(ToFsPath(root));
    const std::string path = "/x/a\x1b[31m.bin";
    const ScanOptions options;
    log.SearchBegun({path, "a\x1b[31m.bin", options});
    const std::vector<std::string> inside{
        "pic\r\nPNG file found at offset: 999,  Size: 1\r\n\x1b[31mred\xC2\x9B.png"};
    log.ItemWritten({path, "a\x1b[31m.bin", K::PNG, 5, 10, {}, "o", "", "", inside});
    log.SourceEnded({"a", 1, 100, 50, 30});
    const Lines expected{
        "----------",
        "Start: T (/x/a\\x1B[31m.bin)",
        "PNG file found at offset: 5,  Size: 10,  Inside: a\\x1B[31m.bin > pic\\r\\nPNG file "
        "found at offset: 999,  Size: 1\\r\\n\\x1B[31mred\\xC2\\x9B.png",
        "Stopped after 30 of 50 bytes.",
        "Searched the first 50 of 100 bytes (search limit).",
        "1 found .",
        "End: T"};
    EXPECT_EQ(observer.lines, expected);
    std::string file;
    for (const std::string& line : expected) file += line + "\r\n";
    EXPECT_EQ(ReadFileBytes(root + "LOG.txt"), ToBytes(file));
}

TEST_F(ScanEngineTest, NoSourceOrNoFoldersStopsTheScan) {
    EXPECT_FALSE(Scan(temp.path() + "nothing-here.dll").scanned);
    EXPECT_TRUE(!std::filesystem::exists(ToFsPath(root)) && observer.prepared.empty() &&
                observer.lines.empty());
    EXPECT_FALSE(Scan(temp.MakeFolder("folder.dll")).scanned);  // a folder is not a file either
    temp.Write("out", ToBytes("a file where the output root should be"));
    EXPECT_TRUE(Rescan("a.dll", MakeGif()).foldersFailed);
    EXPECT_EQ(observer.folders, Lines{root + "ANI"});
    // The nodes stay, since the empty ones are never cleared.
    EXPECT_TRUE(observer.prepared.size() == 10 && observer.finished.empty() &&
                observer.lines.empty());
}

TEST_F(ScanEngineTest, ItemsReachingPastTheEndKeepOnlyTheBytesThatExist) {
    Bytes riff = MakeRiff("WAVE", Filler(20));
    riff[4] = 31;  // the size field claims 7 bytes more than the file holds
    Rescan("w.bin", Compose({Filler(16), riff}));
    EXPECT_EQ(Results(), (Items{{17, 39, K::WAV}}));
    EXPECT_EQ(ReadFileBytes(root + "WAV/w.bin_0.WAV"), WithLineEnd(riff));
    // A bare icon bitmap 100 bytes before the end.
    Rescan("t.bin", Compose({Filler(30), {0x28, 0, 0, 0, 0x20, 0, 0, 0, 0x40}, Filler(91)}));
    EXPECT_EQ(ReadFileBytes(root + "ICO/t.bin_0.ICO").size(), 22u + 1 + 99 + 2);
}

// A checked scan finds each kind by the structure it begins with and ends it where that structure
// does: a photo whose first segment is Exif's, one larger than the size rules look at, a picture
// on the source's last byte; and a picture inside an item already taken is not one of its own.
TEST_F(ScanEngineTest, CheckedScanTakesItemsByTheirStructureWhateverFollowsThem) {
    const Bytes photo = MakeExifJpeg(100), large = MakeExifJpeg(3 * kMiB), gif = MakeGif();
    const Bytes iconOfPng = MakeIconFile(1, {MakePng(16, 16)});
    const std::string path = temp.Write(
        "in/d.img", Compose({Filler(100), photo, Filler(7), large, iconOfPng, Filler(3), gif}));
    EXPECT_EQ(Scan(path, {.checkItems = true}).itemsLogged, 4);
    EXPECT_EQ(Tree(), (std::map<std::string, Bytes>{{"JPG/d.img_0.JPG", photo},
                                                    {"JPG/d.img_1.JPG", large},
                                                    {"ICO/d.img_2.ICO", iconOfPng},
                                                    {"GIF/d.img_3.GIF", gif},
                                                    {"LOG.txt", Tree()["LOG.txt"]}}));
    // The size rules take only the picture inside the icon.
    EXPECT_EQ(Scan(path).itemsLogged, 1);
}

TEST_F(ScanEngineTest, CheckedScanWritesWholeItemsOnceAndCountsOnlyThose) {
    const Bytes icon = MakeIcon32(), image32 = MakeIconImage32(32), gif = MakeGif();
    Bytes badPng = MakePng();
    badPng[29] ^= 1;  // the IHDR's CRC: the end marker is still there for the plain rule
    const std::string path =
        temp.Write("in/a.dll", Compose({Filler(100), image32, Filler(50), icon, Filler(50), badPng,
                                        Filler(50), gif, Filler(9)}));
    EXPECT_EQ(Scan(path, {.checkItems = true}).itemsLogged, 3);
    // The 32-bit bare image at its real size, under a header that says what it is: no colour
    // count, one plane, 32 bits, its size; the icon file whole and not its bare image again; no
    // line breaks.
    Bytes header(kIconHeader32.begin(), kIconHeader32.end());
    header[10] = 1, header[12] = 32, header[14] = image32.size() & 0xFF;
    header[15] = static_cast<std::uint8_t>(image32.size() >> 8);
    EXPECT_EQ(Tree(), (std::map<std::string, Bytes>{{"GIF/a.dll_2.GIF", gif},
                                                    {"ICO/a.dll_0.ICO", icon},
                                                    {"ICO/a.dll_1.ICO", Compose({header, image32})},
                                                    {"LOG.txt", Tree()["LOG.txt"]}}));
    EXPECT_EQ(observer.counts["PNG#a.dll"], 0);
    // Unchecked, what the plain rules give, each item with CR LF after it.
    EXPECT_EQ(Scan(path).itemsLogged, 5);
    const Bytes plainGif = ReadFileBytes(root + "GIF/a.dll_3.GIF");
    EXPECT_EQ(Slice(plainGif, plainGif.size() - 2, 2), Bytes({'\r', '\n'}));
}

TEST_F(ScanEngineTest, ResourcePassGivesWholeItemsAfterTheCarvedOnesAndNoFragments) {
    // The 32x32 image is a complete one-image icon's image, so its bare-icon signature is there.
    const Bytes pe = MakePe(
        {{kRtIcon, "", 1, 0, MakeIconImage32(8)},
         {kRtIcon, "", 2, 0, MakePng(64, 64)},
         {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}, {64, 32, 2, 0}})},
         {kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)}},
        {true, false, 7});
    const std::string path =
        temp.Write("in/setup.exe", Compose({Filler(101), pe, Filler(33), MakeGif(), Filler(40)}));
    ScanOptions resources{.readResources = true};
    ASSERT_FALSE(Scan(path, resources).hadFailure);
    // The GIF is carved; the bitmap and the group come from the table, in its order; neither the
    // bare 32x32 image nor the PNG inside the group is written again.
    EXPECT_EQ(Kinds(), "GIFBMPICO");
    const Bytes ico = ReadFileBytes(root + "ICO/setup.exe_2.ICO");
    ASSERT_GT(ico.size(), 6u);
    EXPECT_TRUE(ico[4] == 2 && ico[ico.size() - 2] == 0x0D);
    EXPECT_EQ(ReadFileBytes(root + "BMP/setup.exe_1.BMP")[0], 'B');
    EXPECT_TRUE(observer.items[1].position > 101 &&
                observer.items[1].position < 101 + static_cast<std::int64_t>(pe.size()));
    ASSERT_FALSE(Scan(path).hadFailure);  // without the pass, the same source is carved as before
    EXPECT_EQ(Kinds(), "ICOGIFPNG");
    // A loose icon file of two images is found and written whole, also without cursors.
    const Bytes two = MakeIconFile(1, {MakeIconImage32(32), MakePng(16, 16)});
    resources.Enable(K::CUR, false);
    ASSERT_FALSE(
        Rescan("in/icons.bin", Compose({Filler(50), two, Filler(50)}), resources).hadFailure);
    EXPECT_EQ(ReadFileBytes(root + "ICO/icons.bin_0.ICO"), WithLineEnd(two));
}

// 16-bit programs, with their DOS stub or without, and icon libraries give their groups whole, a
// library's named in the log; a checked scan ends a resource where its structure does.
TEST_F(ScanEngineTest, ResourcePassReadsSixteenBitImagesAndEndsCheckedResourcesWhole) {
    const std::vector<PeResource> icons = {
        {kRtIcon, "", 1, 0, MakeIconImage32(8)},
        {kRtIcon, "", 2, 0, MakePng(64, 64)},
        {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}, {64, 32, 2, 0}}),
         "SMILE"}};
    std::vector<PeResource> program = icons;
    program.push_back({kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)});
    const Bytes avi =
        MakeRiff("AVI ", Compose({ToBytes("LIST"), {8, 0, 0, 0}, ToBytes("hdrlavih")}));
    ScanOptions resources{.readResources = true};
    const std::string path = temp.Write(
        "in/win16.exe",
        Compose({Filler(101), MakeNe(program), Filler(33), MakeNe(icons, {9, false}), Filler(40),
                 MakePe({{0, "AVI", 1, 0, Compose({avi, Bytes(99)})}}), Filler(20)}));
    ASSERT_FALSE(Scan(path, resources).hadFailure);
    EXPECT_EQ(Kinds(), "BMPICOAVIICO");
    EXPECT_EQ(
        std::ranges::count_if(observer.lines,
                              [](const std::string& l) { return l.ends_with(",  Name: SMILE"); }),
        1);
    EXPECT_EQ(ReadFileBytes(root + "ICO/win16.exe_1.ICO")[4], 2);
    resources.checkItems = true;
    ASSERT_FALSE(Scan(path, resources).hadFailure);
    EXPECT_EQ(ReadFileBytes(root + "AVI/win16.exe_2.AVI"), avi);
    // A table whose first entry (the bitmap's) points past the image: told, the rest still read.
    Bytes damaged = MakeNe(program);
    damaged[0x40 + kNeResourceTable + 10] = damaged[0x40 + kNeResourceTable + 11] = 0xFF;
    ASSERT_TRUE(Rescan("in/damaged.exe", damaged, resources).hadFailure);
    EXPECT_EQ(Kinds(), "ICO");
}

// Programs made to hurt: a table whose 2 000 leaves all name one bitmap builds a few of them, and
// 400 images that share one resource section read it until the source's read budget runs out.
TEST_F(ScanEngineTest, ProgramsSharingTheirResourceBytesCostNoMoreThanTheirBudgets) {
    std::vector<PeResource> bitmaps;
    for (std::uint32_t id = 1; id <= 2000; ++id)
        bitmaps.push_back({kRtBitmap, "", id, 0, id == 1 ? MakeDib(128, 128, 32) : Bytes{}});
    ScanOptions resources{.readResources = true};
    const auto told = [&](ScanErrc code) {
        return std::ranges::count_if(observer.failures, [&](const std::string& line) {
            return line.find(std::to_string(static_cast<int>(code)) + " - ") != line.npos;
        });
    };
    Rescan("in/shared.exe", MakePe(bitmaps, {.shareData = true}), resources);
    EXPECT_LT(observer.items.size(), 10u);
    EXPECT_EQ(told(ScanErrc::ResourceItemsTooLarge), 1);
    const Bytes image = MakePe({{10, "", 1, 0, Bytes(1 << 20, 0)}});
    const std::size_t headers = 0x160, pointer = 0x14C;  // the section's PointerToRawData
    Bytes source;
    for (std::size_t i = 0; i < 400; ++i) {
        Bytes copy = Slice(image, 0, headers);
        const auto section = static_cast<std::uint32_t>((400 - i) * headers);
        for (int b = 0; b < 4; ++b) copy[pointer + b] = static_cast<std::uint8_t>(section >> 8 * b);
        Append(source, copy);
    }
    Append(source, Slice(image, headers, image.size() - headers));
    FaultyDisk disk(Fault::None);
    Scan(temp.Write("in/many.exe", source), resources, &disk);
    EXPECT_EQ(told(ScanErrc::ResourceReadLimitReached), 1);
    EXPECT_LT(disk.bytesRead, 300 * kMiB);
}

// Each failure is one log line and the scan goes on; what an item's file could not hold is not
// left half written; nothing outside the output root is written.
TEST_F(ScanEngineTest, DiskFailuresAreLoggedAndLoseNothingElse) {
    struct Row {
        Fault fault;
        Lines failures, tree;
        int found;
    };
    const std::string shorter = "1001 - The source file is shorter than when the scan began";
    const std::string gone = "2 - No such file or directory", refused = "13 - Permission denied";
    const std::string gif = "GIF/a.dll_0.GIF", png = "PNG/a.dll_2.PNG", wav = "WAV/a.dll_1.WAV";
    const std::vector<Row> rows = {
        {Fault::RefusePng, {refused}, {gif, "LOG.txt", wav}, 3},
        {Fault::FullDisk, Lines(3, "28 - No space left on device"), {"LOG.txt"}, 3},
        {Fault::GoneAfterSearch, {gone}, {"LOG.txt"}, 3},
        {Fault::Gone, {gone}, {"LOG.txt"}, 0},
        {Fault::Shrinks, {shorter, shorter}, {gif, "LOG.txt"}, 3},  // the GIF and one byte stay
        {Fault::ReadError, {"5 - Input/output error"}, {"LOG.txt"}, 0},
        {Fault::RefuseLog, {refused}, {gif, png, wav}, 3},
    };
    const std::string source =
        temp.Write("a.dll", Compose({MakeGif(), Filler(5), MakePng(), Filler(5),
                                     MakeRiff("WAVE", Filler(40)), Filler(5)}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        root = temp.path() + std::to_string(i) + kPathSeparator;
        FaultyDisk disk(rows[i].fault);
        EXPECT_TRUE(Scan(source, {}, &disk).hadFailure) << i;
        EXPECT_EQ(observer.failures, rows[i].failures) << i;
        const Lines tree = ListTree(root);
        EXPECT_EQ(tree, rows[i].tree) << i;
        EXPECT_EQ(observer.items.size(), static_cast<std::size_t>(rows[i].found)) << i;
        for (const RecordedItem& item : observer.items) {
            std::string file = item.output.substr(root.size());
            std::replace(file.begin(), file.end(), kPathSeparator, '/');
            EXPECT_EQ(item.written, std::count(tree.begin(), tree.end(), file) == 1) << i << file;
        }
        ASSERT_GE(observer.lines.size(), 2u);
        EXPECT_EQ(observer.lines.end()[-2], std::to_string(rows[i].found) + " βρέθηκαν .") << i;
        EXPECT_EQ(observer.lines.back(), "End: T") << i;
        for (const std::string& path : disk.written) EXPECT_EQ(path.rfind(root, 0), 0u) << path;
    }
    EXPECT_EQ(observer.lines.front(), refused);  // the log could not be opened, yet all was shown
}

// The engine (one pass, shared marker cursors, remembered MIDI chains, a sliding window) against
// the obvious search, on dense sources that straddle chunk boundaries.
TEST_F(ScanEngineTest, FindsExactlyWhatTheObviousSearchFinds) {
    for (auto [size, seed] :
         {std::pair{std::int64_t{3000}, 1u}, {kMiB + 777, 2u}, {2 * kMiB + 5, 3u}}) {
        Bytes source = DenseSource(static_cast<std::size_t>(size), seed);
        if (size > kMiB) std::copy_n("GIF89a", 6, source.begin() + kMiB - 3);  // cut by the chunk
        ScanOptions options;
        if (seed == 2) options.Enable(K::WAV, false);
        if (seed == 3) options.chunkCap = 2;
        const Items expected = ReferenceScan(source, options);
        ASSERT_GT(static_cast<std::int64_t>(expected.size()), size / 400);
        Rescan("dense.bin", source, options);
        ASSERT_EQ(Results(), expected) << "size " << size;
    }
}

// A source longer than the window: every range asked for is resident, byte for byte, as the
// window slides.
TEST(SourceWindowTest, SlidesOverASourceLongerThanItHolds) {
    TempFolder temp;
    const Bytes bytes = Filler(1000, 3);
    std::error_code error;
    const auto source = NativeFileSystem().OpenSource(temp.Write("w.bin", bytes), error);
    ASSERT_TRUE(source) << error.message();
    SourceWindow window(100);
    window.Reset(source.get(), 1000);
    for (std::int64_t begin = 0; begin < 1000; begin += 37) {
        const std::int64_t end = std::min<std::int64_t>(begin + 80, 1000);
        ASSERT_FALSE(window.Require(begin, begin + 80));
        ASSERT_GE(window.end(), end) << begin;
        ASSERT_TRUE(std::equal(bytes.begin() + begin, bytes.begin() + end, window.At(begin)));
    }
}

// The portable kernel and each vector kernel this processor can run.
template <class Kernel>
std::vector<std::pair<const char*, Kernel>> Kernels(Kernel portable, [[maybe_unused]] Kernel sse2,
                                                    [[maybe_unused]] Kernel avx2,
                                                    [[maybe_unused]] Kernel avx512) {
    std::vector<std::pair<const char*, Kernel>> kernels = {{"portable", portable}};
#if defined(__x86_64__) || defined(_M_X64)
    kernels.push_back({"sse2", sse2});
#ifndef _WIN32
    if (__builtin_cpu_supports("avx2")) kernels.push_back({"avx2", avx2});
    if (__builtin_cpu_supports("avx512bw")) kernels.push_back({"avx512", avx512});
#endif
#endif
    return kernels;
}
#if defined(__x86_64__) || defined(_M_X64)
#define VECTOR_KERNELS(space) space::Sse2, space::Avx2, space::Avx512
#else
#define VECTOR_KERNELS(space) nullptr, nullptr, nullptr
#endif

// Every prefilter kernel finds every signature start, within odd bounds.
TEST(SignatureFinderTest, KernelsNeverMissASignatureStart) {
    Bytes data = DenseSource(50000, 77);
    data.resize(data.size() + SignatureFinder::kReadPast);
    std::vector<std::uint32_t> truth;
    for (std::uint32_t at = 3; at < 49999; ++at)
        for (const SignatureRow& row : AllSignatureRows())
            if (at + row.bytes.size() <= 50000 &&
                std::memcmp(&data[at], row.bytes.data(), row.bytes.size()) == 0)
                truth.push_back(at);
    ASSERT_GT(truth.size(), 150u);
    for (auto [name, kernel] : Kernels(prefilter::Scalar, VECTOR_KERNELS(prefilter))) {
        std::vector<std::uint32_t> hits(60000);
        std::size_t resume = 0;
        hits.resize(kernel(data.data(), 3, 49999, hits.data(), hits.size(), &resume));
        EXPECT_EQ(resume, 49999u) << name;
        for (std::size_t i = 1; i < hits.size(); ++i) EXPECT_LE(hits[i - 1], hits[i] + 8) << name;
        std::sort(hits.begin(), hits.end());
        for (std::uint32_t at : truth)
            EXPECT_TRUE(std::binary_search(hits.begin(), hits.end(), at)) << name << " " << at;
        EXPECT_TRUE(hits.empty() || hits.back() < 49999u) << name;
    }
}

// The resource pass's marks at every chunk length around the vector widths: a mark is found
// exactly when its bytes lie inside the chunk.
TEST(ChunkMarksTest, EveryKernelFindsTheMarksThatFitInTheChunk) {
    // Icon directories (1), "MZ" (2) and "NE" (3) across the 16-, 32- and 64-byte block edges,
    // none overlapping, in order; and near misses (0).
    const std::vector<std::tuple<std::size_t, Bytes, int>> planted = {
        {0, {0, 0, 1, 0, 2, 0}, 1},   {29, {0, 0, 2, 0, 255, 0}, 1}, {57, {0, 0, 1, 0, 9, 0}, 1},
        {63, {0, 0, 2, 0, 2, 0}, 1},  {126, {0, 0, 1, 0, 3, 0}, 1},  {150, {0, 0, 1, 0, 2, 0}, 1},
        {15, {'M', 'Z'}, 2},          {47, {'M', 'Z'}, 2},           {143, {'M', 'Z'}, 2},
        {40, {0, 0, 1, 0, 1, 0}, 0},  {80, {0, 0, 3, 0, 2, 0}, 0},   {90, {0, 0, 1, 1, 2, 0}, 0},
        {100, {0, 0, 2, 0, 2, 1}, 0}, {110, {'M', 'Y'}, 0},          {120, {'Z', 'M', 'M'}, 0},
        {49, {'N', 'E'}, 3},          {77, {'N', 'E'}, 3},           {158, {'N', 'E'}, 3},
        {106, {'N', 'Z'}, 0},         {132, {'E', 'N'}, 0}};
    Bytes data(160 + SignatureFinder::kReadPast, 0x33);
    for (const auto& [at, bytes, kind] : planted) std::copy(bytes.begin(), bytes.end(), &data[at]);
    using List = std::vector<std::uint32_t>;
    const auto list = [](std::span<const std::uint32_t> marks) {
        return List(marks.begin(), marks.end());
    };
    // The signature search's pass marks directories itself where its kernel can.
    std::vector<std::pair<const char*, MarkKernel>> kernels =
        Kernels(marks::Portable, VECTOR_KERNELS(marks));
    if (prefilter::ChosenDirectoryKernel() != nullptr)
        kernels.push_back(
            {"search", [](const std::uint8_t* bytes, std::size_t size, MarkLists& lists) {
                 if (lists.programs) return marks::Portable(bytes, size, lists);
                 std::vector<std::uint32_t> starts(4096);
                 std::size_t resume = 0;
                 prefilter::ChosenDirectoryKernel()(bytes, 0, size, starts.data(), starts.size(),
                                                    &resume, lists);
             }});
    for (const auto& [name, kernel] : kernels)
        for (std::size_t size = 0; size <= 160; ++size) {
            List fitting[4];
            for (const auto& [at, bytes, kind] : planted)
                if (at + bytes.size() <= size)
                    fitting[kind].push_back(static_cast<std::uint32_t>(at));
            for (const bool programs : {true, false}) {
                ChunkMarks marks;
                MarkLists lists = marks.Lists(size, programs);
                kernel(data.data(), size, lists);
                marks.Keep(lists);
                ASSERT_EQ(list(marks.directories()), fitting[1]) << name << ", " << size;
                ASSERT_EQ(list(marks.programs()), programs ? fitting[2] : List()) << name;
                ASSERT_EQ(list(marks.bareNe()), programs ? fitting[3] : List()) << name;
            }
        }
    // Runs of zeros are passed over a block at a time: a mark whose non-zero bytes lie just past
    // a block of zeros still counts.
    for (const auto& [name, kernel] : Kernels(marks::Portable, VECTOR_KERNELS(marks)))
        for (std::uint32_t at : {0u, 190u, 251u, 254u, 255u, 256u, 509u, 767u}) {
            Bytes zeros(1100, 0);
            std::copy_n(Bytes{0, 0, 2, 0, 7, 0}.begin(), 6, &zeros[at]);
            std::copy_n(ToBytes("MZ").begin(), 2, &zeros[at + 100]);
            ChunkMarks marks;
            MarkLists lists = marks.Lists(zeros.size(), true);
            kernel(zeros.data(), zeros.size(), lists);
            marks.Keep(lists);
            EXPECT_EQ(list(marks.directories()), List{at}) << name << " " << at;
            EXPECT_EQ(list(marks.programs()), List{at + 100}) << name << " " << at;
        }
}

TEST(ProgressFiguresTest, GroupsDigitsAndDividesByRoundedHundredths) {
    EXPECT_EQ(GroupDigits(0, ",") + GroupDigits(999, ",") + " " + GroupDigits(-1234567, ","),
              "0999 -1,234,567");
    // (position + 1) / round(length / 100), the rounding to even: 1048577 / 20972, 150 / 2,
    // 250 / 2 = 125, 50 / 0, 350 / 4.
    const std::vector<std::optional<int>> bars = {
        ProgressBarValue(1048576, 2097152), ProgressBarValue(149, 150), ProgressBarValue(249, 250),
        ProgressBarValue(49, 50), ProgressBarValue(349, 350)};
    EXPECT_EQ(bars, (std::vector<std::optional<int>>{49, 75, std::nullopt, std::nullopt, 87}));
}

}  // namespace
}  // namespace morvane
