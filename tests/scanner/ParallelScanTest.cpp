// The same output for any count of threads: sources whose items straddle the edges of the pages
// the threads take, batches scanned ahead, stops at any moment, and distinct items.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "AheadLeftovers.h"
#include "DenseSource.h"
#include "LogFileSink.h"
#include "PageSearch.h"
#include "PathHelpers.h"
#include "PeWriter.h"
#include "RecordingSink.h"
#include "ScanEngine.h"
#include "SinkPair.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using namespace test;
using Tree = std::map<std::string, Bytes>;
constexpr std::size_t kMiB = 1024 * 1024;
constexpr std::size_t kPage = kPageChunks * kChunkSize;

class ParallelScanTest : public ::testing::Test {
  protected:
    TempFolder temp;
    RecordingSink observer;
    FileSystem* disk = &NativeFileSystem();
    int runs = 0;

    // Scans `sources` in order into a fresh folder as the terminal tool does, each planned ahead,
    // and returns every file written with its bytes, LOG.txt at a fixed clock among them. The
    // sink answers stop to the `stopAfter`th progress report.
    Tree ScanAll(const std::vector<std::string>& sources, ScanOptions options, int threads,
                 StopToken& stop, std::size_t stopAfter = SIZE_MAX) {
        options.threads = threads;
        const std::string root = temp.path() + "out" + std::to_string(++runs) + kPathSeparator;
        observer = {};
        observer.stopAfter = stopAfter;
        LogFileSink log({*disk, root, "found", [] { return std::string("T"); }, &observer});
        SinkPair sinks(log, observer);
        {
            ScanEngine engine({root, disk});
            engine.PlanAhead(sources, options);
            for (const std::string& source : sources) {
                if (stop.StopRequested()) break;
                engine.ScanFile(source, options, sinks, stop);
            }
        }
        Tree tree;
        for (const std::string& file : ListTree(root)) tree[file] = ReadFileBytes(root + file);
        return tree;
    }
    Tree ScanAll(const std::vector<std::string>& sources, const ScanOptions& options, int threads) {
        StopToken stop;
        return ScanAll(sources, options, threads, stop);
    }
};

std::vector<ScanOptions> EveryMode() {
    std::vector<ScanOptions> modes(4);
    modes[1].readResources = modes[3].readResources = true;
    modes[2].checkItems = modes[3].checkItems = true;
    return modes;
}

// Dense bytes around the edges of the first chunk and of the pages; a program image just before
// a page's edge whose resources lie after it; a GIF cut by an edge; a MIDI song and a JPEG whose
// look-ahead crosses into the page after.
Bytes PageEdgeSource() {
    Bytes source(2 * kPage + 3 * kMiB, 0);
    const auto put = [&](std::size_t at, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), source.begin() + static_cast<std::ptrdiff_t>(at));
    };
    std::uint32_t seed = 7;
    for (const std::size_t edge : {kMiB, kPage, 2 * kPage})
        put(edge - 96 * 1024, DenseSource(192 * 1024, ++seed));
    const Bytes pe = MakePe({{kRtIcon, "", 1, 0, MakeIconImage32(8)},
                             {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{32, 8, 1, 0}})},
                             {kRtBitmap, "", 1, 0, MakeDib(3, 3, 4)}},
                            {true, false, 7});
    put(kPage - 200 * 1024 - 300, pe);
    put(kPage - 200 * 1024 + pe.size(), Bytes(300 * 1024, 0x28));  // the image runs over the edge
    put(kPage - 3, MakeGif());
    put(2 * kPage - 40, MakeMidi(3));
    put(2 * kPage - kMiB, ToBytes("\xFF\xD8\xFF\xE0\x00\x10JFIF"));
    put(2 * kPage + kMiB / 2, ToBytes("\xFF\xD9\x00\x00"));
    return source;
}

TEST_F(ParallelScanTest, ItemsAcrossPageEdgesAreTheSameOnAnyCountOfThreads) {
    const std::string path = temp.Write("edges.bin", PageEdgeSource());
    for (const ScanOptions& mode : EveryMode()) {
        const Tree one = ScanAll({path}, mode, 1);
        ASSERT_GT(one.size(), 40u) << mode.readResources << mode.checkItems;
        for (int threads : {2, 8})
            EXPECT_EQ(ScanAll({path}, mode, threads), one)
                << threads << " threads " << mode.readResources << mode.checkItems;
    }
}

// Many small sources, some alike, scanned ahead of their turn on four threads: the same files
// and log as one after the other, and nothing left under the names items wait under.
std::vector<std::string> SmallSources(const TempFolder& temp) {
    std::vector<std::string> sources;
    for (std::uint32_t i = 0; i < 24; ++i)
        sources.push_back(temp.Write("batch/s" + std::to_string(i) + ".bin",
                                     DenseSource(20000 + 997 * i, i % 5 == 0 ? 1 : i)));
    // One of three chunks, each with items, in the middle of the batch.
    Bytes chunks(3 * kMiB, 0);
    for (std::size_t chunk = 0; chunk < 3; ++chunk) {
        const Bytes dense = DenseSource(32 * 1024, 40 + static_cast<std::uint32_t>(chunk));
        std::copy(dense.begin(), dense.end(),
                  chunks.begin() + static_cast<std::ptrdiff_t>(chunk * kMiB + 1000));
    }
    sources.insert(sources.begin() + 12, temp.Write("batch/chunks.bin", chunks));
    sources.push_back(temp.path() + "batch" + kPathSeparator + "missing.bin");
    sources.push_back(temp.Write("batch/empty.bin", {}));
    return sources;
}

TEST_F(ParallelScanTest, ABatchScannedAheadWritesWhatOneThreadWrites) {
    const std::vector<std::string> sources = SmallSources(temp);
    for (const ScanOptions& mode : EveryMode()) {
        const Tree one = ScanAll(sources, mode, 1);
        const Tree four = ScanAll(sources, mode, 4);
        EXPECT_EQ(four, one);
        for (const auto& [file, bytes] : four) EXPECT_EQ(file.find(".part-"), std::string::npos);
    }
}

// Sources of one name in other folders keep their items apart, the same on any count of threads:
// the second is "setup.exe (2)" in its output names, and so on; the first scanned again keeps its
// name and replaces its own items.
TEST_F(ParallelScanTest, SourcesOfOneNameKeepTheirItemsOnAnyCountOfThreads) {
    std::vector<std::string> sources;
    for (std::uint32_t n = 0; n < 4; ++n)
        sources.push_back(temp.Write(std::string(1, static_cast<char>('a' + n)) + "/setup.exe",
                                     Compose({Filler(50, n), MakePng(2 + n, 3), Filler(9)})));
    sources.push_back(sources[0]);
    const Tree one = ScanAll(sources, {}, 1);
    for (std::uint32_t n = 0; n < 4; ++n) {
        const std::string name = n == 0 ? "setup.exe" : "setup.exe (" + std::to_string(n + 1) + ")";
        const auto png = one.find("PNG/" + name + "_0.PNG");
        ASSERT_NE(png, one.end()) << name;
        const Bytes own = MakePng(2 + static_cast<int>(n), 3);
        EXPECT_TRUE(png->second.size() >= own.size() &&
                    std::equal(own.begin(), own.end(), png->second.begin()))
            << name;
    }
    EXPECT_EQ(one.size(), 5u) << "four items and the log";
    for (const int threads : {2, 8}) EXPECT_EQ(ScanAll(sources, {}, threads), one) << threads;
}

// Items a killed run left waiting ahead are removed by the next run's first scan; those of a
// program still running, this one's and other files stay.
TEST_F(ParallelScanTest, AKilledRunsItemsWrittenAheadAreRemovedLater) {
    const std::string root = temp.path() + "left" + kPathSeparator;
    std::vector<std::string> kept = {"GIF/c_0.GIF", "GIF/d_0.GIF.part-x-1",
                                     "GIF/e_0.GIF" + AheadSuffix()};
#ifndef _WIN32
    kept.push_back("GIF/b_0.GIF.part-1-77");  // the first process runs as long as the system
#endif
    for (const std::string& file : kept) temp.Write("left/" + file, Bytes(3, 1));
    temp.Write("left/GIF/a_0.GIF.part-2147483600-77", Bytes(3, 1));
    const std::string source = temp.Write("s.bin", Bytes(10, 0));
    ScanEngine engine({root});
    engine.ScanFile(source, {}, observer, *std::make_unique<StopToken>());
    std::vector<std::string> left = ListTree(root), expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

// A stop answered at a chunk leaves the same output on one thread and on four; a stop made
// from outside at any moment leaves a prefix of the whole batch: whole sources, then the first
// items of the source in hand, every written item logged and nothing else on disk.
TEST_F(ParallelScanTest, AStopLeavesAPrefixOfWhatOneThreadWrites) {
    const std::vector<std::string> sources = SmallSources(temp);
    const Tree whole = ScanAll(sources, {}, 1);
    const std::vector<RecordedItem> all = observer.items;
    for (const std::size_t at : {1u, 13u, 14u}) {  // the 13th is the first of chunks.bin
        StopToken first, second;
        const Tree one = ScanAll(sources, {}, 1, first, at);
        EXPECT_LT(one.size(), whole.size());
        EXPECT_EQ(ScanAll(sources, {}, 4, second, at), one) << at;
    }
    std::mt19937 random(std::random_device{}());
    for (int round = 0; round < 6; ++round) {
        StopToken stop;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
            stop.RequestStop();
        });
        const Tree tree = ScanAll(sources, {}, 4, stop);
        stopper.join();
        ASSERT_LE(observer.items.size(), all.size());
        std::size_t files = 0;
        for (std::size_t i = 0; i < observer.items.size(); ++i) {
            const RecordedItem& item = observer.items[i];
            EXPECT_EQ(item.source, all[i].source);
            EXPECT_EQ(item.position, all[i].position);
            const std::string file = item.output.substr(item.output.rfind(kPathSeparator) - 3);
            const std::string relative = file.substr(0, 3) + "/" + file.substr(4);
            EXPECT_EQ(tree.at(relative), whole.at(relative));
            ++files;
        }
        EXPECT_EQ(tree.size(), files + tree.count("LOG.txt"))
            << "only the items logged, and the log";
    }
}

// An item scanned ahead that cannot be renamed into place is told as failed, like any item that
// could not be written, and leaves no file under the name it waited under. The first source is
// slow to look at, so that the others are all scanned ahead meanwhile.
TEST_F(ParallelScanTest, AnItemThatCannotTakeItsNameIsAFailure) {
    struct RefusingNames final : FileSystem {
        std::string first;
        bool IsFile(const std::string& path) override {
            if (path == first) std::this_thread::sleep_for(std::chrono::seconds(1));
            return Disk().IsFile(path);
        }
        std::unique_ptr<SourceFile> OpenSource(const std::string& path,
                                               std::error_code& error) override {
            return Disk().OpenSource(path, error);
        }
        std::unique_ptr<OutputFile> CreateOutput(const std::string& path,
                                                 std::error_code& error) override {
            return Disk().CreateOutput(path, error);
        }
        std::unique_ptr<OutputFile> OpenAppend(const std::string& path,
                                               std::error_code& error) override {
            return Disk().OpenAppend(path, error);
        }
        std::int64_t FileSize(const std::string& path, std::error_code& error) override {
            return Disk().FileSize(path, error);
        }
        std::error_code CreateFolders(const std::string& path) override {
            return Disk().CreateFolders(path);
        }
        std::error_code RemoveFile(const std::string& path) override {
            return Disk().RemoveFile(path);
        }
        std::error_code Rename(const std::string&, const std::string&) override {
            return std::make_error_code(std::errc::permission_denied);
        }
        static FileSystem& Disk() { return NativeFileSystem(); }
    };
    const std::vector<std::string> sources = SmallSources(temp);
    RefusingNames refusing;
    refusing.first = sources[0];
    disk = &refusing;
    const Tree tree = ScanAll(sources, {}, 4);
    std::size_t failed = 0;
    for (const RecordedItem& item : observer.items) {
        const std::string file = item.output.substr(item.output.rfind(kPathSeparator) - 3);
        EXPECT_EQ(tree.count(file.substr(0, 3) + "/" + file.substr(4)), item.written ? 1u : 0u);
        failed += item.written ? 0 : 1;
    }
    EXPECT_GT(failed, 0u);
    const std::string refused =
        "13 - " + std::make_error_code(std::errc::permission_denied).message();
    EXPECT_EQ(observer.failures, std::vector<std::string>(failed, refused));
    EXPECT_EQ(tree.size(), observer.items.size() - failed + 1) << "no name waited under is left";
}

// The first of equal items is written, whichever source it is in; the others name it in the log
// and get no file of their own. A new run compares afresh.
TEST_F(ParallelScanTest, DistinctItemsAreWrittenOnceAndNameTheFirst) {
    const Bytes gif = MakeGif();
    const std::vector<std::string> sources = {
        temp.Write("a.bin",
                   Compose({Filler(30), gif, Filler(10), MakePng(), Filler(10), gif, Filler(9)})),
        temp.Write("b.bin", Compose({Filler(20), gif, Filler(10), MakeBmp(), Filler(10)}))};
    ScanOptions distinct;
    distinct.distinctItems = true;
    const Tree one = ScanAll(sources, distinct, 1);
    EXPECT_EQ(ScanAll(sources, distinct, 4), one);
    ASSERT_EQ(observer.items.size(), 5u);  // every item is told and counted
    std::vector<std::string> files;
    for (const auto& [file, bytes] : one) files.push_back(file);
    EXPECT_EQ(files, std::vector<std::string>(
                         {"BMP/b.bin_0.BMP", "GIF/a.bin_0.GIF", "LOG.txt", "PNG/a.bin_2.PNG"}));
    const std::string log(one.at("LOG.txt").begin(), one.at("LOG.txt").end());
    const std::string same = std::string(",  Same as: GIF") + kPathSeparator + "a.bin_0.GIF";
    for (const char* line : {"offset: 168,  Size: 36", "offset: 21,  Size: 36"})
        EXPECT_NE(log.find(line + same), std::string::npos) << line << "\n" << log;
    ScanOptions plain = distinct;
    plain.distinctItems = false;
    EXPECT_EQ(ScanAll(sources, plain, 1).size(), 6u);
    EXPECT_EQ(ScanAll({sources[1]}, distinct, 1).size(), 3u);  // b.bin's GIF is its own now
}

}  // namespace
}  // namespace morvane
