// Which files a PATH stands for, in the platform's own path form, and so the folder listings
// under it: in-process, so that it runs wherever the tool is built, Windows included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileMarks.h"
#include "FolderListing.h"
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
    EXPECT_EQ(CollectSources(Options(WithSlashes(nested))), Paths{nested});
}

// Hidden entries (a leading "." outside Windows, the hidden or system attribute on Windows) are
// left out of listings; read-only files are not.
TEST(CollectSourcesTest, FolderMembersInNameOrderWithPatternAndRecursion) {
    test::TempFolder temp;
    for (const char* name : {"src/b.DLL", "src/a.dll", "src/c.exe", "src/sub1/deep/d.dll",
                             "src/sub2/e.dll", "src/noext"})
        temp.Write(name, {1});
    test::MarkReadOnly(temp.Write("src/locked.dll", {1}));
    test::MarkHidden(temp.Write("src/" + test::HiddenName("h.dll"), {1}));
    const std::string dot = temp.MakeFolder("src/" + test::HiddenName("dot"));
    test::MarkHidden(dot);
    temp.Write("src/" + test::HiddenName("dot") + "/f.dll", {1});
#ifdef _WIN32
    test::MarkSystem(temp.Write("src/system.dll", {1}));
    test::MarkSystem(temp.MakeFolder("src/system"));
#endif
    const std::string src = temp.path() + "src", sep(1, kPathSeparator);
    EXPECT_TRUE(ListFiles(temp.path() + "missing", "*").empty());

    EXPECT_EQ(CollectSources(Options(src, "*.dll")),
              (Paths{src + sep + "a.dll", src + sep + "b.DLL", src + sep + "locked.dll"}));
    const Paths all = CollectSources(Options(src, "*.*", true));
    EXPECT_EQ(all, (Paths{src + sep + "a.dll", src + sep + "b.DLL", src + sep + "c.exe",
                          src + sep + "locked.dll", src + sep + "noext",
                          src + sep + "sub1" + sep + "deep" + sep + "d.dll",
                          src + sep + "sub2" + sep + "e.dll"}));
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
