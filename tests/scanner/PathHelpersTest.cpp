// Path text, wildcards and folder listings.
#include <gtest/gtest.h>

#include "FileMarks.h"
#include "FileSystem.h"
#include "FolderListing.h"
#include "PathHelpers.h"
#include "ProgramLocation.h"
#include "TempFolder.h"
#include "Wildcard.h"

namespace morvane {
namespace {

// The examples of the helpers, written with this platform's separator.
std::string P(std::string path) {
    for (char& c : path)
        if (c == '\\') c = kPathSeparator;
    return path;
}

// A root of this platform's file system, as the system writes it.
#ifdef _WIN32
const std::string kRoot = "C:\\";
#else
const std::string kRoot = "/";
#endif

TEST(PathHelpersTest, FileNamesAfterTheLastSeparator) {
    EXPECT_EQ(FileNameOfPath(P("C:\\a\\b.dll")), "b.dll");
    EXPECT_EQ(FileNameOfPath("b.dll"), "");
    EXPECT_EQ(FileNameOfPath(P("C:\\a\\")), "");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\b.tar.gz"), false), "b.tar");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\b.tar.gz"), true), "b.tar.gz");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\readme"), false), "readme");
    EXPECT_EQ(FileNameFromPath("readme.txt", false), "");
}

TEST(PathHelpersTest, AppFolderEndsWithExactlyOneSeparator) {
    const std::string folder = AppFolder();
    ASSERT_GE(folder.size(), 2u);
    EXPECT_EQ(folder.back(), kPathSeparator);
    EXPECT_NE(folder[folder.size() - 2], kPathSeparator);
    EXPECT_EQ(WithTrailingSeparator(P("C:\\")), P("C:\\"));
    EXPECT_EQ(WithTrailingSeparator(P("C:\\x")), P("C:\\x\\"));
}

TEST(PathHelpersTest, ProgramAtARootLiesInThatRoot) {
    EXPECT_EQ(FolderOfProgramFile(kRoot + "morvane.exe"), kRoot);
    EXPECT_EQ(WithTrailingSeparator(FolderOfProgramFile(kRoot + "morvane.exe")), kRoot);
    EXPECT_EQ(FolderOfProgramFile(P("C:\\a\\b\\morvane.exe")), P("C:\\a\\b"));
}

TEST(WildcardTest, StarsQuestionMarksAndCase) {
    EXPECT_TRUE(WildcardMatch("*.*", "README"));  // every name, with a dot or without
    EXPECT_TRUE(WildcardMatch("*.DLL", "shell32.dll"));
    EXPECT_FALSE(WildcardMatch("*.DLL", "shell32.dll.bak"));
    EXPECT_TRUE(WildcardMatch("*.exe", "a.b.EXE"));
    EXPECT_TRUE(WildcardMatch("a?c*", "abcdef"));
    EXPECT_FALSE(WildcardMatch("a?c", "ac"));
    EXPECT_TRUE(WildcardMatch("*", ""));
    EXPECT_TRUE(WildcardMatch("*a*b*c", "xxaxxbxxbxc"));
    EXPECT_FALSE(WildcardMatch("*a*b*c", "xxaxxbxxbx"));
}

TEST(FolderListingTest, SortedVisibleEntriesAndPreOrderWalk) {
    test::TempFolder temp;
    for (const char* name : {"b.dll", "A.exe", "c.DLL", "sub2/x.dll", "sub1/deep/y.dll"})
        temp.Write(name, {1});
    EXPECT_EQ(ListFiles(temp.path(), "*.*"), (std::vector<std::string>{"A.exe", "b.dll", "c.DLL"}));
    EXPECT_EQ(ListFiles(temp.path(), "*.dll"), (std::vector<std::string>{"b.dll", "c.DLL"}));
    EXPECT_EQ(ListSubFolders(temp.path()), (std::vector<std::string>{"sub1", "sub2"}));
    const std::string root = temp.path().substr(0, temp.path().size() - 1);
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(CollectSubFolders(root),
              (std::vector<std::string>{root, root + sep + "sub1", root + sep + "sub1" + sep + "deep",
                                        root + sep + "sub2"}));
    EXPECT_TRUE(ListFiles(temp.path() + "missing", "*").empty());
}

// Hidden entries: a leading "." outside Windows, the hidden attribute on Windows. They are left
// out of listings but exist for the engine, as read-only files do.
TEST(FolderListingTest, HiddenEntriesAreNotListedButExist) {
    test::TempFolder temp;
    temp.Write("shown.dll", {1});
    const std::string hidden = temp.Write(test::HiddenName("hidden.dll"), {1});
    test::MarkHidden(hidden);
    const std::string readOnly = temp.Write("locked.dll", {1});
    test::MarkReadOnly(readOnly);
    const std::string hiddenFolder = temp.MakeFolder(test::HiddenName("cache"));
    temp.Write(test::HiddenName("cache") + "/inner.dll", {1});
    test::MarkHidden(hiddenFolder);
    temp.MakeFolder("plain");

    EXPECT_EQ(ListFiles(temp.path(), "*.*"), (std::vector<std::string>{"locked.dll", "shown.dll"}));
    EXPECT_EQ(ListFiles(temp.path(), "*.DLL"),
              (std::vector<std::string>{"locked.dll", "shown.dll"}));
    EXPECT_EQ(ListSubFolders(temp.path()), std::vector<std::string>{"plain"});
    const std::string root = temp.path().substr(0, temp.path().size() - 1);
    EXPECT_EQ(CollectSubFolders(root),
              (std::vector<std::string>{root, root + kPathSeparator + "plain"}));
    EXPECT_TRUE(IsHiddenEntry(hidden));
    EXPECT_TRUE(IsHiddenEntry(hiddenFolder));
    EXPECT_FALSE(IsHiddenEntry(readOnly));

    FileSystem& disk = NativeFileSystem();
    EXPECT_TRUE(disk.IsFile(hidden));
    EXPECT_TRUE(disk.IsFile(readOnly));
    EXPECT_TRUE(disk.IsFile(hiddenFolder + kPathSeparator + "inner.dll"));
    EXPECT_FALSE(disk.IsFile(hiddenFolder));  // a folder is no file, hidden or not
    EXPECT_FALSE(disk.IsFile(temp.path() + "shown"));
}

#ifdef _WIN32
// Only Windows has the system attribute: such files are hidden from listings like hidden ones.
TEST(FolderListingTest, SystemFilesAreNotListedButExist) {
    test::TempFolder temp;
    temp.Write("shown.dll", {1});
    const std::string system = temp.Write("system.dll", {1});
    test::MarkSystem(system);
    const std::string systemFolder = temp.MakeFolder("system");
    test::MarkSystem(systemFolder);

    EXPECT_EQ(ListFiles(temp.path(), "*"), std::vector<std::string>{"shown.dll"});
    EXPECT_TRUE(ListSubFolders(temp.path()).empty());
    EXPECT_TRUE(IsHiddenEntry(system));
    EXPECT_TRUE(NativeFileSystem().IsFile(system));
}
#endif

}  // namespace
}  // namespace morvane
