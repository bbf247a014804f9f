// Containers made by the system's own archivers around planted media: every kind gives the media
// back byte for byte from inside, nested containers and containers at odd offsets are found, and
// each limit or damage is one log line with the rest of the source still scanned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "LogFileSink.h"
#include "PageSearch.h"
#include "RecordingSink.h"
#include "ScanEngine.h"
#include "SinkPair.h"
#include "TempFolder.h"
#include "containers/ContainerFinder.h"
#include "containers/ContainerWalk.h"
#include "containers/EntryBuffer.h"

namespace morvane {
namespace {

using namespace test;

Bytes Compose(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) Append(all, part);
    return all;
}

bool HasTool(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class ContainerTest : public ::testing::Test {
  protected:
    TempFolder temp;
    std::string root = temp.path() + "out/";
    RecordingSink observer;
    StopToken stop;
    // Three items that a checked scan writes exactly as they are.
    const Bytes icon = MakeIcon32(), png = MakePng(7, 5), bmp = MakeBmp(3, 3);
    const Bytes media = Compose({Filler(100), icon, Filler(61), png, Filler(30), bmp, Filler(20)});

    // Runs `command` in the temporary folder; false when it fails.
    bool Run(const std::string& command) const {
        return std::system(
                   ("cd '" + temp.path() + "' && (" + command + ") >/dev/null 2>&1").c_str()) == 0;
    }

    void Scan(const std::string& name, ScanOptions options = {}) {
        observer = {};
        options.checkItems = true;
        options.unpackContainers = true;
        LogFileSink log(
            {NativeFileSystem(), root, "found", [] { return std::string("T"); }, &observer});
        SinkPair sinks(log, observer);
        ScanEngine({root}).ScanFile(temp.path() + name, options, sinks, stop);
    }

    // The items that came from inside a container, each as "inside:KIND".
    std::vector<std::string> Unpacked() const {
        std::vector<std::string> found;
        for (const RecordedItem& item : observer.items)
            if (!item.inside.empty())
                found.push_back(item.inside + ":" + std::string(KindName(item.kind)));
        return found;
    }

    // Whether the three planted items were written once each, byte for byte, from the entry
    // `inside` or, where a container stores them as they are, from the data around it.
    void ExpectMedia(const std::string& inside, bool around = true) const {
        std::vector<Bytes> written;
        for (const RecordedItem& item : observer.items) {
            const bool enclosing = item.inside.empty() || inside.starts_with(item.inside + " > ");
            const Bytes bytes = ReadFileBytes(item.output);
            if (item.inside == inside ||
                (around && enclosing && (bytes == icon || bytes == bmp || bytes == png)))
                written.push_back(bytes);
        }
        std::sort(written.begin(), written.end());
        std::vector<Bytes> planted{icon, bmp, png};
        std::sort(planted.begin(), planted.end());
        EXPECT_EQ(written, planted) << inside << " " << testing::PrintToString(Unpacked());
    }
};

struct ContainerRow {
    const char* tool;
    const char* command;  // makes "c" from media.bin in the temporary folder
    const char* inside;   // the name the planted media has inside it
};

TEST_F(ContainerTest, EachKindOfContainerGivesThePlantedItemsByteForByte) {
    const std::vector<ContainerRow> rows = {
        {"zip", "zip -q c media.bin && mv c.zip c", "media.bin"},
        {"7zz", "7zz a -bso0 c.7z media.bin && mv c.7z c", "media.bin"},
        {"gcab", "gcab -c -z c media.bin", "media.bin"},
        {"tar", "tar czf c media.bin", "media.bin"},
        {"tar", "tar cJf c media.bin", "media.bin"},
        {"bzip2", "bzip2 -c media.bin > c", "data"},
        {"zstd", "zstd -q -c media.bin > c", "data"},
        {"cpio", "echo media.bin | cpio -o -H newc > c", "media.bin"},
        {"xorriso", "mkdir -p iso && cp media.bin iso && xorriso -as mkisofs -quiet -o c iso",
         "media.bin"},
    };
    temp.Write("media.bin", media);
    for (const ContainerRow& row : rows) {
        if (!HasTool(row.tool)) {
            std::printf("skipped without %s: %s\n", row.tool, row.command);
            continue;
        }
        ASSERT_TRUE(Run(std::string("rm -f c && ") + row.command)) << row.command;
        Scan("c");
        ExpectMedia(row.inside);
        EXPECT_TRUE(observer.failures.empty()) << row.command;
    }
}

// An MSI holds its icons as streams of the Icon table and its files in a cabinet it embeds.
TEST_F(ContainerTest, MsiPackagesGiveTheirIconTableAndTheirEmbeddedCabinet) {
    if (!HasTool("wixl")) GTEST_SKIP() << "wixl is not installed";
    temp.Write("app.ico", icon);
    temp.Write("media.bin", media);
    temp.Write("p.wxs", ToBytes(R"(<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
 <Product Id="*" Name="P" Language="1033" Version="1.0.0" Manufacturer="M"
          UpgradeCode="12345678-1234-1234-1234-123456789012">
  <Package InstallerVersion="200" Compressed="yes"/>
  <Media Id="1" Cabinet="data.cab" EmbedCab="yes"/>
  <Icon Id="app.ico" SourceFile="app.ico"/>
  <Property Id="ARPPRODUCTICON" Value="app.ico"/>
  <Directory Id="TARGETDIR" Name="SourceDir"><Directory Id="ProgramFilesFolder">
   <Directory Id="D" Name="P"><Component Id="C" Guid="12345678-1234-1234-1234-123456789013">
    <File Id="media" Name="media.bin" Source="media.bin"/></Component></Directory>
  </Directory></Directory>
  <Feature Id="F" Level="1"><ComponentRef Id="C"/></Feature>
 </Product>
</Wix>)"));
    ASSERT_TRUE(Run("wixl -o p.msi p.wxs"));
    Scan("p.msi");
    ExpectMedia("data.cab > media", false);
    // The Icon table's stream lies in the package as it is: written once, from the package.
    int iconStreams = 0;
    for (const RecordedItem& item : observer.items)
        iconStreams += (item.inside.empty() || item.inside == "Icon.app.ico") &&
                       ReadFileBytes(item.output) == icon;
    EXPECT_EQ(iconStreams, 1);
}

// NSIS installers made by makensis, solid and file by file, LZMA and deflate, 32- and 64-bit
// (whose header's table of blocks is wider); bzip2, which NSIS writes in a form of its own, is
// one line.
TEST_F(ContainerTest, NsisInstallersGiveTheFilesTheirScriptExtracts) {
    if (!HasTool("makensis")) GTEST_SKIP() << "makensis is not installed";
    temp.Write("media.bin", media);
    for (const char* compressor : {"/SOLID lzma", "lzma", "zlib", "/SOLID zlib",
                                   "/SOLID lzma\nTarget amd64-unicode", "bzip2"}) {
        const std::string script = std::string("OutFile setup.exe\nSetCompressor ") + compressor +
                                   "\nRequestExecutionLevel user\nSection\nSetOutPath "
                                   "$PLUGINSDIR\nFile media.bin\nSectionEnd\n";
        temp.Write("s.nsi", ToBytes(script));
        ASSERT_TRUE(Run("makensis -V1 s.nsi")) << compressor;
        Scan("setup.exe");
        if (std::string(compressor) == "bzip2") {
            EXPECT_EQ(observer.failures,
                      std::vector<std::string>{"1007 - An entry packed by a method this program "
                                               "cannot unpack was not read: setup.exe"});
            EXPECT_TRUE(Unpacked().empty());
        } else {
            ExpectMedia("$PLUGINSDIR/media.bin");
            EXPECT_TRUE(observer.failures.empty()) << compressor;
        }
    }
    // Cut short, an installer's last file keeps what arrived of it, and that is searched.
    temp.Write("media.bin", Compose({media, Filler(4000)}));
    ASSERT_TRUE(Run("sed -i 's/bzip2/\\/SOLID lzma/' s.nsi && makensis -V1 s.nsi"));
    const Bytes whole = ReadFileBytes(temp.path() + "setup.exe");
    temp.Write("setup.exe", Bytes(whole.begin(), whole.end() - 2000));
    Scan("setup.exe");
    ExpectMedia("$PLUGINSDIR/media.bin", false);
    EXPECT_EQ(observer.failures, std::vector<std::string>{"1008 - An entry ends early; only its "
                                                          "unpacked part was scanned: setup.exe > "
                                                          "$PLUGINSDIR/media.bin"});
}

// Debian's win32-loader installer keeps two bitmaps LZMA-packed after its stub: each is written
// whole, as the archive tool extracts it, beside the stub's own items.
TEST_F(ContainerTest, Win32LoaderGivesItsPayloadBitmaps) {
    const std::string installer = "/usr/share/win32/win32-loader.exe";
    if (!FileExists(installer)) GTEST_SKIP() << "the win32-loader package is not installed";
    temp.Write("win32-loader.exe", ReadFileBytes(installer));
    Scan("win32-loader.exe", {});
    std::vector<std::int64_t> bitmaps;
    for (const RecordedItem& item : observer.items)
        if (item.kind == ResourceKind::BMP && item.inside == "$5") {
            const Bytes bytes = ReadFileBytes(item.output);
            // A whole bitmap: its header's size is its length.
            ASSERT_GT(bytes.size(), 6u);
            EXPECT_EQ(bytes[2] | bytes[3] << 8 | bytes[4] << 16, static_cast<int>(bytes.size()));
            bitmaps.push_back(static_cast<std::int64_t>(bytes.size()));
        }
    EXPECT_EQ(bitmaps, (std::vector<std::int64_t>{24694, 25974}));
    EXPECT_TRUE(observer.failures.empty());
}

// A cabinet of Wine's shell32.dll gives, with the resource pass, every icon group the library
// itself gives.
TEST_F(ContainerTest, ACabinetOfALibraryGivesTheLibrarysIconGroups) {
    const std::string library = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";
    if (!FileExists(library) || !HasTool("gcab")) GTEST_SKIP() << "no Wine shell32.dll or gcab";
    temp.Write("shell32.dll", ReadFileBytes(library));
    ASSERT_TRUE(Run("gcab -c -z shell.cab shell32.dll"));
    const auto groups = [&](const std::string& source, bool inside) {
        Scan(source, {.readResources = true});
        std::vector<Bytes> found;
        for (const RecordedItem& item : observer.items)
            if (item.fromResource && item.kind == ResourceKind::ICO &&
                item.inside.empty() != inside)
                found.push_back(ReadFileBytes(item.output));
        return found;
    };
    const std::vector<Bytes> direct = groups("shell32.dll", false);
    EXPECT_GT(direct.size(), 10u);
    EXPECT_EQ(groups("shell.cab", true), direct);
}

// A cabinet in a zip appended at an odd offset to a program, and the same cabinet after the zip:
// both found, named by their entries, and numbered after the program's own item.
TEST_F(ContainerTest, ContainersInsideContainersAtOddOffsetsAreOpenedAndNumberedAfterTheSource) {
    if (!HasTool("zip") || !HasTool("gcab")) GTEST_SKIP() << "zip or gcab is not installed";
    temp.Write("media.bin", media);
    ASSERT_TRUE(Run("gcab -c -z inner.cab media.bin && zip -q -0 outer.zip inner.cab"));
    const Bytes gif = MakeGif();
    temp.Write("setup.exe",
               Compose({Filler(1001), gif, Filler(77), ReadFileBytes(temp.path() + "outer.zip"),
                        Filler(17), ReadFileBytes(temp.path() + "inner.cab")}));
    Scan("setup.exe");
    EXPECT_EQ(Unpacked(),
              (std::vector<std::string>{"inner.cab > media.bin:ICO", "inner.cab > media.bin:BMP",
                                        "inner.cab > media.bin:PNG", "media.bin:ICO",
                                        "media.bin:BMP", "media.bin:PNG"}));
    ASSERT_EQ(observer.items.size(), 7u);
    EXPECT_EQ(observer.items[0].output, root + "GIF/setup.exe_0.GIF");
    EXPECT_EQ(observer.items[6].output, root + "PNG/setup.exe_6.PNG");
    EXPECT_NE(std::find(observer.lines.begin(), observer.lines.end(),
                        "PNG file found at offset: 2400,  Size: 178,  Inside: setup.exe > "
                        "inner.cab > media.bin"),
              observer.lines.end())
        << testing::PrintToString(observer.lines);
    // Without the option the same source gives only its own item.
    observer = {};
    ScanEngine({root}).ScanFile(temp.path() + "setup.exe", {.checkItems = true}, observer, stop);
    EXPECT_EQ(observer.items.size(), 1u);
}

// An image whose one file is the whole image (here with a GIF after it): that file is scanned once,
// and the image inside it is not opened again. (A quine zip
// does the same through its deflate stream; an ISO's extent can simply point at sector 0.)
TEST_F(ContainerTest, AContainerThatHoldsItselfIsOpenedOnce) {
    if (!HasTool("xorriso")) GTEST_SKIP() << "xorriso is not installed";
    temp.Write("d/self.bin", Filler(3000));
    ASSERT_TRUE(Run("xorriso -as mkisofs -quiet -o q.iso d"));
    Bytes image = ReadFileBytes(temp.path() + "q.iso");
    const std::string name = "SELF.BIN;1";
    const auto found = std::search(image.begin(), image.end(), name.begin(), name.end());
    ASSERT_NE(found, image.end());
    // The directory record's extent (both-endian) and data length, 33 bytes before the name.
    const std::size_t record = static_cast<std::size_t>(found - image.begin()) - 33;
    const auto size = static_cast<std::uint32_t>(image.size());
    for (int i = 0; i < 4; ++i) {
        image[record + 2 + i] = image[record + 9 - i] = 0;
        image[record + 10 + i] = image[record + 17 - i] =
            static_cast<std::uint8_t>(size >> (8 * i));
    }
    temp.Write("q2.iso", Compose({image, MakeGif(), Filler(10)}));
    Scan("q2.iso");
    EXPECT_EQ(observer.failures,
              std::vector<std::string>{"1010 - An entry holds its own container and was not "
                                       "opened again: q2.iso > self.bin > self.bin"});
    // The image, read once as the file inside it, is not read again; the GIF after it is found.
    EXPECT_EQ(observer.items.size(), 1u);
}

// Nine zips nested: the ninth is not opened, and the eight around it are.
TEST_F(ContainerTest, TheNinthNestedContainerIsLeftUnopenedWithOneLogLine) {
    if (!HasTool("zip")) GTEST_SKIP() << "zip is not installed";
    temp.Write("z0", media);
    std::string command = "true";
    for (int level = 1; level <= 9; ++level) {
        temp.Write("g" + std::to_string(level), Compose({Bytes(300, 0), MakeGif(), Bytes(300, 0)}));
        command += " && zip -q z" + std::to_string(level) + ".zip z" + std::to_string(level - 1) +
                   " g" + std::to_string(level) + " && mv z" + std::to_string(level) + ".zip z" +
                   std::to_string(level);
    }
    ASSERT_TRUE(Run(command));
    Scan("z9");
    // z9 to z2 give their GIF; z1, the ninth level, holds g1 and the media, which stay unread.
    EXPECT_EQ(observer.items.size(), 8u) << testing::PrintToString(Unpacked());
    EXPECT_EQ(observer.failures,
              (std::vector<std::string>{"1011 - A container nested more than 8 deep was not "
                                        "opened: z9 > z8 > z7 > z6 > z5 > z4 > z3 > z2 > z1"}));
}

// Bad entries and bombs: each is one line, and what else the source holds is still found.
TEST_F(ContainerTest, DamagedEncryptedAndOversizedEntriesAreOneLineEachAndLoseNothingElse) {
    if (!HasTool("zip") || !HasTool("7zz")) GTEST_SKIP() << "zip or 7zz is not installed";
    temp.Write("media.bin", media);
    temp.Write("big.bin", Compose({Filler(300000, 2), Filler(300000, 3)}));
    temp.Write("letters", Bytes(50 * 1024 * 1024, 'A'));
    ASSERT_TRUE(
        Run("zip -q plain.zip media.bin && zip -q -P secret plain.zip big.bin && "
            "zip -q cut.zip media.bin big.bin && 7zz a -bso0 whole.7z media.bin && "
            "gzip -c letters > bomb.gz"));
    const auto bytes = [&](const std::string& name) { return ReadFileBytes(temp.path() + name); };
    const Bytes cut = bytes("cut.zip"), whole7z = bytes("whole.7z");
    const Bytes gif = MakeGif();
    struct Row {
        std::string name;
        Bytes source;
        std::string failure;
        std::size_t items;  // the GIF in front and the media's three when they are read
    };
    const std::vector<Row> rows = {
        {"encrypted", Compose({gif, bytes("plain.zip")}),
         "1006 - An encrypted entry was not unpacked: encrypted > big.bin", 4},
        {"truncated", Compose({gif, Bytes(cut.begin(), cut.end() - 200000)}),
         "1008 - An entry ends early; only its unpacked part was scanned: truncated > big.bin", 4},
        {"damaged", Compose({gif, Bytes(whole7z.begin(), whole7z.begin() + 40)}),
         "1009 - A container is damaged; the rest of it was not read: damaged", 1},
        {"bomb", Compose({gif, bytes("bomb.gz")}),
         "1012 - The source's unpack limit was reached; its remaining entries were not read: "
         "bomb > letters",
         1},
    };
    for (const Row& row : rows) {
        temp.Write(row.name, row.source);
        Scan(row.name);
        EXPECT_EQ(observer.failures, std::vector<std::string>{row.failure});
        EXPECT_EQ(observer.items.size(), row.items) << row.name;
    }
    // The unpack limit is the source's, however its containers share it out.
    temp.Write("two", Compose({bytes("plain.zip"), bytes("whole.7z")}));
    Scan("two", {.unpackByteCap = 1000});
    EXPECT_EQ(observer.failures.size(), 1u);
    EXPECT_TRUE(observer.items.empty());
}

// The walk reads no more entries than its limit from a whole source, however its containers
// share them out, and says so once.
TEST_F(ContainerTest, TheEntryLimitIsTheSourcesAndToldOnce) {
    if (!HasTool("zip")) GTEST_SKIP() << "zip is not installed";
    for (const char* name : {"a", "b", "c"}) temp.Write(name, ToBytes(name));
    ASSERT_TRUE(Run("zip -q one.zip a b && zip -q two.zip c a b"));
    temp.Write("both", Compose({ReadFileBytes(temp.path() + "one.zip"),
                                ReadFileBytes(temp.path() + "two.zip")}));
    struct Names final : EntryScanner {
        std::vector<std::string> seen;
        void ScanEntry(SourceFile&, std::span<const std::string> inside) override {
            seen.push_back(inside.back());
        }
    } names;
    struct Failures final : ScanSink {
        std::vector<std::string> told;
        void ContainerFailed(const ContainerFailure& f) override {
            told.push_back(std::string(f.where) + ": " + std::to_string(f.why.value()));
        }
    } failures;
    std::error_code error;
    auto source = NativeFileSystem().OpenSource(temp.path() + "both", error);
    ASSERT_TRUE(source);
    WalkLimits limits;
    limits.bytes = 1000;
    limits.entries = 3;
    ContainerWalk walk("both", limits, failures, stop, names);
    walk.Run(*source, source->Length());
    EXPECT_EQ(names.seen, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(failures.told, std::vector<std::string>{"both: 1013"});
    // Folders are entries too: a tar of nothing but folders is not read past the limit.
    ASSERT_TRUE(Run("mkdir d1 d2 d3 && tar cf dirs.tar d1 d2 d3 a"));
    source = NativeFileSystem().OpenSource(temp.path() + "dirs.tar", error);
    ASSERT_TRUE(source);
    names.seen.clear(), failures.told.clear();
    ContainerWalk("dirs", limits, failures, stop, names).Run(*source, source->Length());
    EXPECT_TRUE(names.seen.empty());
    EXPECT_EQ(failures.told, std::vector<std::string>{"dirs: 1013"});
}

// The scratch files open now that lie in `folder`.
[[maybe_unused]] int ScratchFilesIn(const std::string& folder) {
    int found = 0;
#ifdef __linux__
    for (const auto& link : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(link.path(), error).string();
        found += target.starts_with(folder + ".morvane-scratch-") ? 1 : 0;
    }
#endif
    return found;
}

// Entries share one memory allowance; one that would pass it moves to a scratch file in the
// folder it is given, reads back the same, and gives the allowance back when it goes.
TEST(EntryBufferTest, AnEntryPastTheAllowanceMovesToAScratchFile) {
    TempFolder temp;
    UnpackBudget budget(INT64_MAX, 100);
    const Bytes bytes = Filler(250, 7);
    {
        EntryBuffer small(budget, temp.path()), large(budget, temp.path());
        ASSERT_FALSE(small.Append(bytes.data(), 60));
        EXPECT_EQ(budget.memoryLeft(), 40);
        for (std::size_t at = 0; at < bytes.size(); at += 50)
            ASSERT_FALSE(large.Append(bytes.data() + at, 50));
        EXPECT_EQ(budget.memoryLeft(), 40);  // the large one holds none of it
#ifdef __linux__
        EXPECT_EQ(ScratchFilesIn(temp.path()), 1);
#endif
        Bytes back(bytes.size() + 10);
        const ReadResult got = large.ReadAt(0, back.data(), back.size());
        EXPECT_EQ(Bytes(back.begin(), back.begin() + static_cast<std::ptrdiff_t>(got.bytes)),
                  bytes);
        EXPECT_EQ(large.ReadAt(240, back.data(), 20).bytes, 10u);
        EXPECT_EQ(small.ReadAt(59, back.data(), 5).bytes, 1u);
    }
    EXPECT_EQ(budget.memoryLeft(), 100);
}

// Pictures stored in a zip as they are lie in its bytes: each is written once, from the zip, with
// or without distinct items, checked or not; a second copy of one, stored elsewhere in the zip, is
// an item of its own.
TEST_F(ContainerTest, AnEntryStoredAsItIsGivesNoItemTwice) {
    if (!HasTool("zip")) GTEST_SKIP() << "zip is not installed";
    temp.Write("a.png", png);
    temp.Write("b.gif", MakeGif());
    temp.Write("c.png", png);
    ASSERT_TRUE(Run("zip -q -0 two.zip a.png b.gif && zip -q -0 three.zip a.png b.gif c.png"));
    int run = 0;
    for (const bool checked : {false, true}) {
        for (const bool distinct : {false, true}) {
            for (const auto& [zip, files] : {std::pair{"two.zip", 2}, std::pair{"three.zip", 3}}) {
                const std::string out = temp.path() + "out" + std::to_string(++run) + "/";
                observer = {};
                const ScanOptions options{
                    .checkItems = checked, .distinctItems = distinct, .unpackContainers = true};
                ScanEngine({out}).ScanFile(temp.path() + zip, options, observer, stop);
                // Told once each; the copy in three.zip is not written again in a distinct run.
                EXPECT_EQ(observer.items.size(), static_cast<std::size_t>(files)) << zip;
                EXPECT_EQ(ListTree(out).size(),
                          static_cast<std::size_t>(files - (distinct && files == 3)))
                    << zip << checked << distinct << testing::PrintToString(ListTree(out));
            }
        }
    }
}

// An entry is searched as it is and its items measured by their structure, whatever the scan: a
// picture that is a whole entry comes out whole, with no byte that is not in it.
TEST_F(ContainerTest, APictureThatIsAWholeEntryComesOutWhole) {
    if (!HasTool("zip")) GTEST_SKIP() << "zip is not installed";
    const Bytes photo = MakeExifJpeg(5000), picture = MakePng(64, 64);
    temp.Write("p.jpg", photo);
    temp.Write("q.png", picture);
    ASSERT_TRUE(Run("zip -q -9 d.zip p.jpg q.png"));  // both deflated
    for (const bool checked : {false, true}) {
        observer = {};
        const ScanOptions options{.checkItems = checked, .unpackContainers = true};
        ScanEngine({root}).ScanFile(temp.path() + "d.zip", options, observer, stop);
        std::vector<Bytes> written;
        for (const RecordedItem& item : observer.items)
            written.push_back(ReadFileBytes(item.output));
        EXPECT_EQ(written, (std::vector<Bytes>{photo, picture})) << checked;
    }
}

// Each signature, and where its container starts from it.
struct Planted {
    std::string_view bytes;
    ContainerFormat format;
    std::int64_t start;
};
const Planted kPlanted[] = {
    {{"PK\3\4", 4}, ContainerFormat::Zip, 0},
    {{"PK\5\6", 4}, ContainerFormat::ZipEnd, 0},
    {{"7z\xBC\xAF\x27\x1C", 6}, ContainerFormat::SevenZip, 0},
    {{"MSCF\0\0\0\0", 8}, ContainerFormat::Cabinet, 0},
    {{"Rar!\x1A\x07", 6}, ContainerFormat::Rar, 0},
    {{"\1CD001\1", 7}, ContainerFormat::Iso, -0x8000},
    {{"ustar\0", 6}, ContainerFormat::Tar, -257},
    {{"\x1F\x8B\x08\0", 4}, ContainerFormat::Gzip, 0},
    {{"BZh9\x31\x41\x59\x26\x53\x59", 10}, ContainerFormat::Bzip2, 0},
    {{"\xFD"
      "7zXZ\0",
      6},
     ContainerFormat::Xz,
     0},
    {{"\x28\xB5\x2F\xFD\0", 5}, ContainerFormat::Zstd, 0},
    {{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8}, ContainerFormat::CompoundFile, 0},
    {{"\xEF\xBE\xAD\xDENullsoftInst", 16}, ContainerFormat::Nsis, -4},
};

void Plant(Bytes& bytes, std::size_t at, std::string_view signature) {
    std::copy(signature.begin(), signature.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// Every signature is found wherever it lies against the vectors and the end of the bytes.
TEST(ContainerFinderTest, EachSignatureIsFoundAtEveryPosition) {
    constexpr std::int64_t kBase = 0x10000;
    for (const Planted& planted : kPlanted) {
        for (std::size_t at = 0; at + planted.bytes.size() <= 200; ++at) {
            Bytes bytes(200, 0);
            Plant(bytes, at, planted.bytes);
            std::vector<ContainerCandidate> found;
            FindCandidates(bytes, bytes.size(), kBase, found);
            const ContainerCandidate want{kBase + static_cast<std::int64_t>(at) + planted.start,
                                          planted.format};
            EXPECT_EQ(found, std::vector<ContainerCandidate>{want}) << planted.bytes << " " << at;
        }
    }
}

// What a search finds of containers on its way is what the walk would find itself: across chunk
// edges, at the end of the chunks searched and at the end of the bytes.
TEST(ContainerFinderTest, TheSearchFindsTheCandidatesTheWalkWouldFind) {
    const auto chunk = static_cast<std::size_t>(kChunkSize);
    for (std::size_t split = 1; split <= 16; split += 3) {
        Bytes bytes = Filler(2 * chunk + 300);
        Plant(bytes, chunk - split, kPlanted[split % std::size(kPlanted)].bytes);
        Plant(bytes, 2 * chunk - split, kPlanted[(split + 6) % std::size(kPlanted)].bytes);
        for (std::size_t i = 0; i < std::size(kPlanted); ++i)
            Plant(bytes, 2 * chunk + 20 * i, kPlanted[i].bytes);
        Plant(bytes, 0, "070701");
        Plant(bytes, bytes.size() - 5, "ustar");  // a tar only if a zero byte followed
        UnpackBudget budget(INT64_MAX, INT64_MAX);
        EntryBuffer own(budget, "");
        ASSERT_FALSE(own.Append(bytes.data(), bytes.size()));
        for (const std::int64_t cap : {1, 2, 3}) {
            ScanOptions options;
            options.unpackContainers = true;
            options.chunkCap = cap;
            const std::int64_t end = ContainerSearchEnd(own.Length(), options);
            std::vector<ContainerCandidate> walk, search;
            ASSERT_FALSE(FindContainers(own, end, walk));
            SignatureTableCache tables;
            for (const ChunkFindings& found :
                 PageSearch().Search({own, own.Length(), options, *tables.For(options), 0,
                                      ChunkCount(own.Length(), options), false, end}))
                AddCandidates(search, found.containers);
            OrderCandidates(search);
            EXPECT_EQ(search, walk) << split << " " << cap;
            EXPECT_GE(walk.size(), cap == 3 ? 13u : 1u) << split << " " << cap;
        }
    }
}

}  // namespace
}  // namespace morvane
