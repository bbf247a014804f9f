// Path text, wildcards and folder listings.
#include <gtest/gtest.h>

#include "FolderListing.h"
#include "PathHelpers.h"
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
    for (const char* name : {"b.dll", "A.exe", "c.DLL", ".hidden.dll", "sub2/x.dll", "sub1/deep/y.dll"})
        temp.Write(name, {1});
    temp.MakeFolder(".git");
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

}  // namespace
}  // namespace morvane
