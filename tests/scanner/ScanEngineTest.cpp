// What a scan leaves behind on a real disk and on one that fails on purpose: output names and
// bytes, the order of items, chunking, the log, the checked scan and the resource pass; and the
// engine and its prefilter kernels against the obvious search.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

#include "FaultyFileSystem.h"
#include "ItemWriter.h"
#include "NativePath.h"
#include "PathHelpers.h"
#include "PeWriter.h"
#include "ProgressText.h"
#include "Recognisers.h"
#include "RecordingObserver.h"
#include "ReferenceScan.h"
#include "ScanEngine.h"
#include "SignatureFinder.h"
#include "SignatureTable.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using namespace test;
using Lines = std::vector<std::string>;
using Found = ReferenceItem;
using Items = std::vector<Found>;
constexpr std::int64_t kMiB = 1024 * 1024;

Bytes Compose(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) Append(all, part);
    return all;
}
Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                 bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}
Bytes WithLineEnd(Bytes bytes) {
    Append(bytes, {0x0D, 0x0A});
    return bytes;
}
std::int64_t Size(const Bytes& bytes) {
    return static_cast<std::int64_t>(bytes.size());
}

class ScanEngineTest : public ::testing::Test {
  protected:
    TempFolder temp;
    std::string root = temp.path() + "out" + kPathSeparator;
    RecordingObserver observer;
    StopToken stop;

    // A fresh observer (keeping its progress hook) and a scan with a fixed clock.
    ScanSummary Scan(const std::string& path, const ScanOptions& options = {},
                     FileSystem* fileSystem = &NativeFileSystem()) {
        auto hook = std::move(observer.onProgress);
        observer = {};
        observer.onProgress = std::move(hook);
        ScanSetup setup;
        setup.outputRoot = root;
        setup.clock = [] { return std::string("T"); };
        setup.fileSystem = fileSystem;
        return ScanEngine(setup).ScanFile(path, options, observer, stop);
    }
    ScanSummary Rescan(const std::string& name, const Bytes& bytes,
                       const ScanOptions& options = {}) {
        return Scan(temp.Write(name, bytes), options);
    }
    std::string Out(std::string_view kind, const std::string& name) const {
        return root + std::string(kind) + kPathSeparator + name;
    }
    std::string Kinds() const {
        std::string kinds;
        for (const RecordedItem& item : observer.items)
            kinds += std::string(KindName(item.kind)) + " ";
        return kinds;
    }
    Items Results() const {
        Items found;
        for (const RecordedItem& i : observer.items) found.push_back({i.position, i.size, i.kind});
        return found;
    }
};

TEST_F(ScanEngineTest, WritesItemsInRowOrderNumberedAcrossKinds) {
    const Bytes icon = MakeIcon32(), bmp = MakeBmp(), gif = MakeGif();
    // The GIF comes first in the file, but its row comes after the icon and bitmap rows.
    const Bytes source = Compose({Filler(100), gif, Filler(50), icon, Filler(50), bmp, Filler(50)});
    const std::string path = temp.Write("in/a.dll", source);
    EXPECT_EQ(Scan(path).itemsLogged, 4);
    const std::size_t iconAt = 100 + gif.size() + 50, bmpAt = iconAt + icon.size() + 50;
    EXPECT_EQ(ReadFileBytes(Out("ICO", "a.dll_0.ICO")), WithLineEnd(icon));
    // The bare 32x32 image: icon header, the 0x28 before the signature, 2238 source bytes.
    Bytes bare(kIconHeader32.begin(), kIconHeader32.end());
    bare.push_back(0x28);
    Append(bare, Slice(source, iconAt + 23, 2238));
    EXPECT_EQ(ReadFileBytes(Out("ICO", "a.dll_1.ICO")), WithLineEnd(bare));
    EXPECT_EQ(ReadFileBytes(Out("BMP", "a.dll_2.BMP")), WithLineEnd(bmp));
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_3.GIF")),
              WithLineEnd(Slice(source, 100, gif.size() + 1)));
    const auto found = [](std::string kind, std::size_t at, std::size_t size) {
        return kind + " file found at offset: " + std::to_string(at) +
               ",  Size: " + std::to_string(size) + "\r\n";
    };
    EXPECT_EQ(ReadFileText(root + "LOG.txt"),
              "----------\r\nStart: T (" + path + ")\r\n" + found("ICO", iconAt + 1, 2238) +
                  found("ICO", iconAt + 24, 2238) + found("BMP", bmpAt + 1, bmp.size()) +
                  found("GIF", 101, gif.size() + 1) + "4 βρέθηκαν .\r\nEnd: T\r\n");
    EXPECT_EQ(observer.counts,
              (std::map<std::string, int>{{"ICO#a.dll", 2}, {"BMP#a.dll", 1}, {"GIF#a.dll", 1}}));
    EXPECT_EQ(observer.prepared.size(), 10u);
    EXPECT_EQ(observer.finished, Lines{"a.dll"});
}

// The chunk count follows the length and the cap; a bar value needs 100 bytes.
TEST_F(ScanEngineTest, OneProgressReportPerChunkUpToTheCap) {
    Rescan("one.bin", Filler(kMiB));
    EXPECT_EQ(observer.progress.size(), 1u);
    Rescan("two.bin", Filler(kMiB + 1));
    ASSERT_EQ(observer.progress.size(), 2u);
    EXPECT_EQ(observer.progress[0].lastPosition, kMiB);
    // 1048578 / round(10485.77)
    EXPECT_EQ(observer.progress[1], (RecordedProgress{"two.bin", kMiB + 1, kMiB + 1, 99}));
    ScanOptions capped;
    capped.chunkCap = 0;
    Rescan("zero.bin", Compose({MakeGif(), Filler(4)}), capped);
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_EQ(observer.lines, (Lines{"----------", "Start: T (" + temp.path() + "zero.bin)",
                                     "0 βρέθηκαν .", "End: T"}));
    for (std::int64_t size : {0, 50}) {
        Rescan("tiny.bin", Filler(static_cast<std::size_t>(size)));
        EXPECT_EQ(observer.progress,
                  (std::vector<RecordedProgress>{{"tiny.bin", size, size, std::nullopt}}));
    }
}

TEST_F(ScanEngineTest, NoSourceOrNoFoldersStopsTheScan) {
    EXPECT_FALSE(Scan(temp.path() + "nothing-here.dll").scanned);
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(root)));
    EXPECT_TRUE(observer.prepared.empty() && observer.lines.empty());
    EXPECT_FALSE(Scan(temp.MakeFolder("folder.dll")).scanned);  // a folder is not a file either

    temp.Write("out", ToBytes("a file where the output root should be"));
    EXPECT_TRUE(Scan(temp.Write("a.dll", MakeGif())).foldersFailed);
    EXPECT_EQ(observer.folderMessages,
              Lines{"Δεν ειναι δυνατή η δημιουργία του φακέλου '" + root + "ANI"});
    EXPECT_EQ(observer.prepared.size(), 10u);  // the nodes stay, since the empty ones are never
    EXPECT_TRUE(observer.finished.empty());    // cleared
    EXPECT_TRUE(observer.lines.empty());
}

TEST_F(ScanEngineTest, StopEndsTheSearchAtTheNextChunkAndKeepsWhatWasFound) {
    Bytes source;
    for (int chunk = 0; chunk < 3; ++chunk) Append(source, Compose({MakeGif(), Filler(kMiB - 35)}));
    const std::string path = temp.Write("big.bin", source);
    observer.onProgress = [](const ProgressReport& report) {
        return report.lastPosition == 2 * kMiB ? ScanStep::Stop : ScanStep::Continue;
    };
    Scan(path);
    EXPECT_EQ(observer.progress.size(), 2u);
    EXPECT_EQ(observer.items.size(), 2u);  // the chunk being searched when stop came is finished
    EXPECT_EQ(observer.lines.back(), "End: T");
    EXPECT_TRUE(stop.StopRequested());  // the answer is kept, so a batch stops too
    // A request that is already made (Ctrl-C between two files) is not lost: nothing is searched.
    Scan(path);
    EXPECT_TRUE(observer.progress.empty() && observer.items.empty());
    EXPECT_EQ(observer.lines.back(), "End: T");
}

TEST_F(ScanEngineTest, ItemsReachingPastTheEndKeepOnlyTheBytesThatExist) {
    Bytes riff = MakeRiff("WAVE", Filler(20));
    riff[4] = 31;  // the size field claims 7 bytes more than the file holds
    Rescan("w.bin", Compose({Filler(16), riff}));
    EXPECT_EQ(Results(), (Items{{17, 39, ResourceKind::WAV}}));
    EXPECT_EQ(ReadFileBytes(Out("WAV", "w.bin_0.WAV")), WithLineEnd(riff));
    // A bare icon bitmap 100 bytes before the end.
    Rescan("t.bin", Compose({Filler(30), {0x28, 0, 0, 0, 0x20, 0, 0, 0, 0x40}, Filler(91)}));
    ASSERT_EQ(observer.items.size(), 1u);
    EXPECT_EQ(ReadFileBytes(Out("ICO", "t.bin_0.ICO")).size(), 22u + 1 + 99 + 2);
}

TEST_F(ScanEngineTest, SameNameElsewhereReplacesOutputsAndOnlyEnabledKindsGetNodes) {
    Scan(temp.Write("x/a.dll", Compose({MakeGif(), Filler(3), MakeGif(), Filler(3)})));
    ScanOptions gifOnly;
    gifOnly.enabled.fill(false);
    gifOnly.Enable(ResourceKind::GIF, true);
    const Bytes other = Compose({Filler(5), MakeGif(), Filler(9), MakeBmp(), Filler(3)});
    Scan(temp.Write("y/a.dll", other), gifOnly);
    EXPECT_EQ(Kinds(), "GIF ");
    EXPECT_EQ(observer.prepared, Lines{"a.dll:GIF"});
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_0.GIF")), WithLineEnd(Slice(other, 5, 36)));
    EXPECT_TRUE(FileExists(Out("GIF", "a.dll_1.GIF")));  // from the first scan, untouched
    for (ResourceKind kind : kAllKinds)
        EXPECT_TRUE(std::filesystem::is_directory(ToFsPath(root + std::string(KindName(kind)))));
}

TEST_F(ScanEngineTest, LogIsEmptiedOnlyOncePastItsLimit) {
    const std::string source = temp.Write("e.bin", {});
    temp.Write("out/LOG.txt", Bytes(1024000, 'x'));
    Scan(source);
    EXPECT_EQ(ReadFileText(root + "LOG.txt").substr(0, 1024000), std::string(1024000, 'x'));
    temp.Write("out/LOG.txt", Bytes(1024001, 'x'));
    Scan(source);
    EXPECT_EQ(ReadFileText(root + "LOG.txt").substr(0, 12), "----------\r\n");
}

TEST_F(ScanEngineTest, CheckedScanWritesWholeItemsOnceAndCountsOnlyThose) {
    const Bytes icon = MakeIcon32(), image32 = MakeIconImage32(32), gif = MakeGif();
    Bytes badPng = MakePng();
    badPng[29] ^= 1;  // the IHDR's CRC: the end marker is still there for the plain rule
    const std::string path =
        temp.Write("in/a.dll", Compose({Filler(100), image32, Filler(50), icon, Filler(50), badPng,
                                        Filler(50), gif, Filler(9)}));
    ScanOptions options;
    options.checkItems = true;
    EXPECT_EQ(Scan(path, options).itemsLogged, 3);
    // The icon file whole, with no line break after it, and not the bare image inside it again.
    EXPECT_EQ(ReadFileBytes(Out("ICO", "a.dll_0.ICO")), icon);
    // The 32-bit bare image at its real size, under a header that says what it is.
    const Bytes bare = ReadFileBytes(Out("ICO", "a.dll_1.ICO"));
    ASSERT_EQ(bare.size(), 22 + image32.size());
    EXPECT_EQ(Slice(bare, 22, image32.size()), image32);
    EXPECT_EQ(bare[8], 0);    // colour count
    EXPECT_EQ(bare[12], 32);  // bits per pixel
    EXPECT_EQ(bare[14] | bare[15] << 8, static_cast<int>(image32.size()));
    EXPECT_EQ(ReadFileBytes(Out("GIF", "a.dll_2.GIF")), gif);
    EXPECT_FALSE(FileExists(Out("PNG", "a.dll_3.PNG")));
    EXPECT_EQ(observer.counts["PNG#a.dll"], 0);
    // Unchecked, what the plain rules give, each item with CR LF after it.
    EXPECT_EQ(Scan(path).itemsLogged, 5);
    const Bytes plainGif = ReadFileBytes(Out("GIF", "a.dll_3.GIF"));
    ASSERT_GE(plainGif.size(), gif.size() + 2);
    EXPECT_EQ(Bytes(plainGif.end() - 2, plainGif.end()), Bytes({'\r', '\n'}));
}

TEST_F(ScanEngineTest, ResourcePassGivesWholeItemsAfterTheCarvedOnesAndNoFragments) {
    // The 32x32 image is a complete one-image icon's image, so its bare-icon signature is there.
    const Bytes icon = MakeIcon32();
    const Bytes pe = MakePe(
        {{kRtIcon, "", 1, 0, Bytes(icon.begin() + 22, icon.end())},
         {kRtIcon, "", 2, 0, MakePng(64, 64)},
         {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}, {64, 32, 2, 0}})},
         {kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)}},
        {true, false, 7});
    const std::string path =
        temp.Write("in/setup.exe", Compose({Filler(101), pe, Filler(33), MakeGif(), Filler(40)}));
    ScanOptions resources;
    resources.readResources = true;
    ASSERT_FALSE(Scan(path, resources).hadFailure);
    // The GIF is carved; the bitmap and the group come from the table, in its order; neither the
    // bare 32x32 image nor the PNG inside the group is written again.
    EXPECT_EQ(Kinds(), "GIF BMP ICO ");
    const Bytes ico = ReadFileBytes(Out("ICO", "setup.exe_2.ICO"));
    ASSERT_GT(ico.size(), 6u);
    EXPECT_EQ(ico[4], 2);
    EXPECT_EQ(ico[ico.size() - 2], 0x0D);
    EXPECT_EQ(ReadFileBytes(Out("BMP", "setup.exe_1.BMP"))[0], 'B');
    EXPECT_GT(observer.items[1].position, 101);
    EXPECT_LT(observer.items[1].position, 101 + Size(pe));
    ASSERT_FALSE(Scan(path).hadFailure);  // without the pass, the same source is carved as before
    EXPECT_EQ(Kinds(), "ICO GIF PNG ");
    // A loose icon file of two images is found and written whole, also without cursors.
    const Bytes two = MakeTwoImageIcon();
    ScanOptions iconsOnly = resources;
    iconsOnly.Enable(ResourceKind::CUR, false);
    ASSERT_FALSE(
        Rescan("in/icons.bin", Compose({Filler(50), two, Filler(50)}), iconsOnly).hadFailure);
    EXPECT_EQ(ReadFileBytes(Out("ICO", "icons.bin_0.ICO")), WithLineEnd(two));
}

// Each failure is one log line and the scan goes on; what an item's file could not hold is not
// left half written; nothing outside the output root is written.
TEST_F(ScanEngineTest, DiskFailuresAreLoggedAndLoseNothingElse) {
    struct Row {
        std::function<void(FaultyFileSystem&)> fault;
        Lines failures, tree;
        int found;
    };
    const std::string shorter = "1001 - The source file is shorter than when the scan began";
    const std::string gone = "2 - No such file or directory", refused = "13 - Permission denied";
    const Lines all = {"GIF/a.dll_0.GIF", "LOG.txt", "PNG/a.dll_2.PNG", "WAV/a.dll_1.WAV"};
    const std::vector<Row> rows = {
        {[](auto& d) { d.refuseOutputsContaining = "PNG"; },
         {refused},
         {"GIF/a.dll_0.GIF", "LOG.txt", "WAV/a.dll_1.WAV"},
         3},
        {[](auto& d) { d.bytesPerOutput = 20; },
         Lines(3, "28 - No space left on device"),
         {"LOG.txt"},
         3},
        {[](auto& d) { d.sourceOpensAllowed = 1; }, {gone}, {"LOG.txt"}, 3},
        {[](auto& d) { d.sourceOpensAllowed = 0; }, {gone}, {"LOG.txt"}, 0},
        {[](auto& d) { d.endsAt = 40, d.endsAtFromOpen = 2; },
         {shorter, shorter},
         {"GIF/a.dll_0.GIF", "LOG.txt"},
         3},  // the GIF and the byte after it are still there
        {[](auto& d) { d.failReadsFrom = 100; }, {"5 - Input/output error"}, {"LOG.txt"}, 0},
        {[](auto& d) { d.refuseLog = true; }, {refused}, {all[0], all[2], all[3]}, 3},
    };
    const std::string source =
        temp.Write("a.dll", Compose({MakeGif(), Filler(5), MakePng(), Filler(5),
                                     MakeRiff("WAVE", Filler(40)), Filler(5)}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        root = temp.path() + std::to_string(i) + kPathSeparator;
        FaultyFileSystem disk;
        rows[i].fault(disk);
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

// Signatures, end markers, whole items and short fillers, drawn at random.
Bytes DenseSource(std::size_t size, std::uint32_t seed) {
    static const std::vector<Bytes> pieces = [] {
        std::vector<Bytes> all;
        for (const SignatureRow& row : AllSignatureRows())
            all.emplace_back(row.bytes.begin(), row.bytes.end());
        using namespace std::literals;
        for (std::string_view marker :
             {"\x00\x3B"sv, "\xFF\xDA"sv, "\xFF\xD9\0\0"sv, "MTrk\0\0"sv, "\0\0\xFF\x2F\0"sv,
              "IEND\xAE\x42\x60\x82"sv, "JFIF"sv, "WAVE"sv, "AVI "sv, "ACON"sv, "\0\0\x28\0"sv,
              "\x28"sv, "\x40"sv, "\x10\0"sv})
            all.push_back(ToBytes(marker));
        for (const Bytes& item : {MakeGif(), MakePng(), MakeBmp(), MakeIcon32(), MakeCursor32(),
                                  MakeMidi(3), MakeRiff("WAVE", Bytes(30, 1))})
            all.push_back(item);
        return all;
    }();
    Bytes source;
    std::uint32_t state = seed;
    while (source.size() < size) {
        state = state * 1664525u + 1013904223u;
        Append(source, (state >> 28) < 5 ? Filler((state >> 8) % 40, state)
                                         : pieces[(state >> 12) % pieces.size()]);
    }
    source.resize(size);
    return source;
}

// The engine (one pass, shared marker cursors, remembered MIDI chains, a sliding window) against
// the obvious search, on dense sources that straddle chunk boundaries.
TEST_F(ScanEngineTest, FindsExactlyWhatTheObviousSearchFinds) {
    for (auto [size, seed] :
         {std::pair{std::int64_t{3000}, 1u}, {kMiB + 777, 2u}, {2 * kMiB + 5, 3u}}) {
        Bytes source = DenseSource(static_cast<std::size_t>(size), seed);
        if (size > kMiB) std::copy_n("GIF89a", 6, source.begin() + kMiB - 3);  // cut by the chunk
        ScanOptions options;
        if (seed == 2) options.Enable(ResourceKind::WAV, false);
        if (seed == 3) options.chunkCap = 2;
        const Items expected = ReferenceScan(source, options);
        ASSERT_GT(static_cast<std::int64_t>(expected.size()), size / 400);
        Rescan("dense.bin", source, options);
        ASSERT_EQ(Results(), expected) << "size " << size;
    }
}

// Every prefilter kernel this processor has finds every signature start, within odd bounds.
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
    std::vector<std::pair<const char*, prefilter::Kernel>> kernels = {
        {"scalar", prefilter::Scalar}};
#if defined(__x86_64__) || defined(_M_X64)
    kernels.push_back({"sse2", prefilter::Sse2});
#ifndef _WIN32
    if (__builtin_cpu_supports("avx2")) kernels.push_back({"avx2", prefilter::Avx2});
    if (__builtin_cpu_supports("avx512bw")) kernels.push_back({"avx512", prefilter::Avx512});
#endif
#endif
    for (auto [name, kernel] : kernels) {
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

TEST(ProgressTextTest, GroupsDigitsAndDividesByRoundedHundredths) {
    EXPECT_EQ(ProgressText("a.dll", "Αναζήτηση", 1048576, 2238000, "."),
              "a.dll\r\rΑναζήτηση 1.048.576 / 2.238.000 bytes.");
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
