// Path text and wildcards.
#include <gtest/gtest.h>

#include <algorithm>

#include "PathHelpers.h"
#include "ProgramLocation.h"
#include "Wildcard.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

// The examples written with this platform's separator.
std::string P(std::string path) {
    std::replace(path.begin(), path.end(), '\\', kPathSeparator);
    return path;
}

TEST(PathHelpersTest, FileNamesFoldersAndTheProgramFolder) {
#ifdef _WIN32
    const std::string root = "C:\\";  // a root of this file system, as the system writes it
#else
    const std::string root = "/";
#endif
    EXPECT_EQ(
        (Lines{FileNameOfPath(P("C:\\a\\b.dll")), FileNameOfPath("b.dll"),
               FileNameOfPath(P("C:\\a\\")), FileNameFromPath(P("C:\\a\\b.tar.gz"), false),
               FileNameFromPath(P("C:\\a\\b.tar.gz"), true),
               FileNameFromPath(P("C:\\a\\readme"), false), FileNameFromPath("readme.txt", false)}),
        (Lines{"b.dll", "", "", "b.tar", "b.tar.gz", "readme", ""}));
    EXPECT_EQ((Lines{WithTrailingSeparator(P("C:\\")), WithTrailingSeparator(P("C:\\x")),
                     FolderOfProgramFile(root + "morvane.exe"),
                     WithTrailingSeparator(FolderOfProgramFile(root + "morvane.exe")),
                     FolderOfProgramFile(P("C:\\a\\b\\morvane.exe"))}),
              (Lines{P("C:\\"), P("C:\\x\\"), root, root, P("C:\\a\\b")}));
    // The program's folder ends with exactly one separator.
    const std::string folder = AppFolder();
    ASSERT_GE(folder.size(), 2u);
    EXPECT_EQ(folder.back(), kPathSeparator);
    EXPECT_NE(folder[folder.size() - 2], kPathSeparator);
}

TEST(WildcardTest, StarsQuestionMarksAndCase) {
    // Pattern, a space, name. "*.*" is every name, with a dot or without; case never counts; a
    // pattern's first letter counts as much as any other.
    std::string matched;
    for (std::string row : {"*.* README", "*.DLL shell32.dll", "*.exe a.b.EXE", "a?c* abcdef", "* ",
                            "*a*b*c xxaxxbxxbxc", "*.DLL shell32.dll.bak", "a?c ac",
                            "*a*b*c xxaxxbxxbx", "shell*.dll xhell32.dll", "b?c* abcdef"}) {
        const std::size_t space = row.find(' ');
        matched += WildcardMatch(row.substr(0, space), row.substr(space + 1)) ? 'y' : 'n';
    }
    EXPECT_EQ(matched, "yyyyyynnnnn");
}

}  // namespace
}  // namespace morvane
