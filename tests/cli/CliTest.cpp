// The terminal tool in-process, so that it runs wherever the tool is built, Windows included: its
// command line, its output, and which files a PATH stands for in the platform's own path form.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "FileMarks.h"
#include "FolderListing.h"
#include "JsonText.h"
#include "PathHelpers.h"
#include "TempFolder.h"
#include "TerminalObserver.h"
#include "TerminalScan.h"

namespace morvane::cli {
namespace {

using Paths = std::vector<std::string>;

ParseResult Parse(std::vector<std::string> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CliOptionsTest, DefaultsAndEveryOption) {
    const ParseResult plain = Parse({"x.dll"});
    ASSERT_TRUE(plain.options);
    const CliOptions& p = *plain.options;
    EXPECT_EQ(p.path + " " + p.pattern + " " + std::to_string(p.scan.chunkCap), "x.dll * 500");
    for (bool on : p.scan.enabled) EXPECT_TRUE(on);
    EXPECT_FALSE(p.scan.readResources || p.scan.checkItems || p.recursive || p.json || p.quiet);

    const ParseResult full = Parse({"-o", "out", "-k", "gif,Png", "-l", "7", "-r", "-p", "*.DLL",
                                    "--json", "-q", "-C", "dir"});
    ASSERT_TRUE(full.options) << full.error;
    const CliOptions& o = *full.options;
    EXPECT_EQ(
        o.outputFolder + " " + o.pattern + " " + o.path + " " + std::to_string(o.scan.chunkCap),
        "out *.DLL dir 7");
    EXPECT_TRUE(o.recursive && o.json && o.quiet && o.scan.checkItems);
    EXPECT_TRUE(o.scan.IsEnabled(ResourceKind::GIF) && o.scan.IsEnabled(ResourceKind::PNG));
    EXPECT_FALSE(o.scan.IsEnabled(ResourceKind::ICO) || o.scan.IsEnabled(ResourceKind::AVI));

    EXPECT_TRUE(Parse({"-R", "f"}).options->scan.readResources);
    EXPECT_TRUE(Parse({"f", "--resources"}).options->scan.readResources);
    EXPECT_TRUE(Parse({"--check", "f"}).options->scan.checkItems);
    EXPECT_TRUE(Parse({"--help"}).options->help);
    EXPECT_EQ(Parse({"--", "-odd-name"}).options->path, "-odd-name");
    EXPECT_EQ(Parse({"-l", "-3", "f"}).options->scan.chunkCap, -3);
}

TEST(CliOptionsTest, UsageErrorsNameTheProblem) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{}, "no PATH given"},
        {{"-k", "GIF,XYZ", "f"},
         "unknown kind 'XYZ' (kinds: ICO,CUR,ANI,BMP,JPG,GIF,PNG,WAV,MID,AVI)"},
        {{"-l", "12.5", "f"}, "the limit '12.5' is not a whole number"},
        {{"-l", "99999999999", "f"}, "the limit '99999999999' is not a whole number"},
        {{"-o"}, "option -o needs a value"},
        {{"-x", "f"}, "unknown option -x"},
        {{"a", "b"}, "more than one PATH given ('a', 'b')"}};
    for (const auto& [arguments, error] : rows) EXPECT_EQ(Parse(arguments).error, error);
    EXPECT_EQ(Parse({"-k", "", "f"}).error.rfind("unknown kind ''", 0), 0u);
}

TEST(JsonTextTest, QuotesEscapesAndRepairsText) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonQuoted("Αρχεία"), "\"Αρχεία\"");
    EXPECT_EQ(JsonQuoted("bad\xff\xc3"), "\"bad\\ufffd\\ufffd\"");
}

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[512];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, got);
    std::fclose(file);
    return text;
}

TEST(TerminalObserverTest, ProgressLineOnlyWhenAskedAndFailuresAlways) {
    std::FILE *items = std::tmpfile(), *progress = std::tmpfile(), *quiet = std::tmpfile();
    TerminalObserver shown(items, progress, false, true);
    shown.Progress({"a.dll", 1048576, 4194304, 25, 3});
    shown.LogLine("13 - Permission denied", LogLineKind::Failure);
    shown.LogLine("GIF file found at offset: 1,  Size: 9", LogLineKind::Item);
    TerminalObserver silent(items, quiet, true, false);  // (JSON lines: TerminalToolTest)
    silent.Progress({"a.dll", 1, 2, std::nullopt, 0});
    // The failure clears the progress line first, then stands on a line of its own.
    EXPECT_EQ(Contents(progress),
              "\r\x1b[Ka.dll [######..................] 1,048,576 / 4,194,304 bytes, 3 items"
              "\r\x1b[Kmorvane-scan: 13 - Permission denied\n");
    EXPECT_EQ(Contents(quiet) + Contents(items), "");
}

CliOptions Options(const std::string& path, const std::string& pattern = "*",
                   bool recursive = false) {
    CliOptions options;
    options.path = path;
    options.pattern = pattern;
    options.recursive = recursive;
    return options;
}

// The same path written with "/" between its parts, as Windows accepts too.
std::string WithSlashes(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

// A file named on its own is scanned alone, hidden or not, whatever the pattern; a folder stands
// for its matching files in name order, read-only ones too (what listings leave out and their
// order are the window program's tests' business too), recursively on request.
TEST(CollectSourcesTest, AFileAloneOrFolderMembersInNameOrder) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(CollectSources(Options("x.dll")), Paths{"." + sep + "x.dll"});
    test::TempFolder temp;
    for (const char* name : {"src/b.DLL", "src/a.dll", "src/c.exe", "src/sub/d.dll"})
        temp.Write(name, {1});
    test::MarkReadOnly(temp.Write("src/locked.dll", {1}));
    const std::string hidden = temp.Write("src/" + test::HiddenName("h.dll"), {1});
    test::MarkHidden(hidden);
#ifdef _WIN32
    test::MarkSystem(temp.Write("src/system.dll", {1}));
#endif
    const std::string src = temp.path() + "src", nested = src + sep + "sub" + sep + "d.dll";
    EXPECT_EQ(CollectSources(Options(hidden, "*.exe")), Paths{hidden});
    EXPECT_EQ(CollectSources(Options(WithSlashes(nested))), Paths{nested});
    EXPECT_TRUE(ListFiles(temp.path() + "missing", "*").empty());
    EXPECT_EQ(CollectSources(Options(src, "*.dll")),
              (Paths{src + sep + "a.dll", src + sep + "b.DLL", src + sep + "locked.dll"}));
    const Paths all = {src + sep + "a.dll", src + sep + "b.DLL", src + sep + "c.exe",
                       src + sep + "locked.dll", nested};
    EXPECT_EQ(CollectSources(Options(WithSlashes(src), "*.*", true)), all);

    // A stop made between two files (Ctrl-C after the previous one ended) scans no further file.
    CliOptions options = Options(src);
    options.outputFolder = temp.path() + "out";
    StopToken stop;
    stop.RequestStop();
    EXPECT_EQ(RunTerminalScan(options, stdout, stderr, false, stop), kExitOk);
    EXPECT_TRUE(test::ReadFileBytes(temp.path() + "out" + sep + "LOG.txt").empty());
}

}  // namespace
}  // namespace morvane::cli
