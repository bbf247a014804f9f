// Which files a PATH stands for, in the platform's own path form: in-process, so that it runs
// wherever the tool is built, Windows included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileMarks.h"
#include "PathHelpers.h"
#include "TempFolder.h"
#include "TerminalScan.h"

namespace morvane::cli {
namespace {

using Paths = std::vector<std::string>;

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

TEST(CollectSourcesTest, AFileIsScannedAloneNamedWithItsFolder) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(CollectSources(Options("x.dll")), Paths{"." + sep + "x.dll"});

    test::TempFolder temp;
    const std::string hidden = temp.Write(test::HiddenName("h.dll"), {1});
    test::MarkHidden(hidden);
    // Named on its own, a hidden file is scanned, whatever the pattern.
    EXPECT_EQ(CollectSources(Options(hidden, "*.exe")), Paths{hidden});

    const std::string nested = temp.Write("sub/x.dll", {1});
    const Paths sources = CollectSources(Options(WithSlashes(nested)));
    EXPECT_EQ(sources, Paths{nested});
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(FileNameOfPath(sources[0]), "x.dll");  // what the output names are made of
}

TEST(CollectSourcesTest, FolderMembersInNameOrderWithPatternAndRecursion) {
    test::TempFolder temp;
    for (const char* name : {"src/b.DLL", "src/a.dll", "src/c.exe", "src/sub/d.dll", "src/noext"})
        temp.Write(name, {1});
    test::MarkHidden(temp.Write("src/" + test::HiddenName("h.dll"), {1}));
    test::MarkHidden(temp.MakeFolder("src/" + test::HiddenName("dot")));
    temp.Write("src/" + test::HiddenName("dot") + "/e.dll", {1});
    const std::string src = temp.path() + "src";
    const std::string sep(1, kPathSeparator);

    EXPECT_EQ(CollectSources(Options(src, "*.dll")),
              (Paths{src + sep + "a.dll", src + sep + "b.DLL"}));
    const Paths all = CollectSources(Options(src, "*.*", true));
    EXPECT_EQ(all, (Paths{src + sep + "a.dll", src + sep + "b.DLL", src + sep + "c.exe",
                          src + sep + "noext", src + sep + "sub" + sep + "d.dll"}));
    EXPECT_EQ(CollectSources(Options(WithSlashes(src), "*.*", true)), all);
}

TEST(RunTerminalScanTest, AStopMadeBetweenTwoFilesScansNoFurtherFile) {
    test::TempFolder temp;
    temp.Write("src/a.dll", {1});
    CliOptions options = Options(temp.path() + "src");
    options.outputFolder = temp.path() + "out";
    StopToken stop;
    stop.RequestStop();  // Ctrl-C after the previous file ended
    EXPECT_EQ(RunTerminalScan(options, stdout, stderr, false, stop), kExitOk);
    EXPECT_TRUE(test::ReadFileBytes(temp.path() + "out" + kPathSeparator + "LOG.txt").empty());
}

}  // namespace
}  // namespace morvane::cli
