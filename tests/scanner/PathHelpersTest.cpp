// Path text, wildcards and 8-bit text.
#include <gtest/gtest.h>

#include "AnsiText.h"
#include "PathHelpers.h"
#include "ProgramLocation.h"
#include "Wildcard.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

// The examples written with this platform's separator.
std::string P(std::string path) {
    for (char& c : path)
        if (c == '\\') c = kPathSeparator;
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
    // "*.*" is every name, with a dot or without; case never counts.
    const std::vector<std::pair<const char*, const char*>> matches = {
        {"*.*", "README"}, {"*.DLL", "shell32.dll"}, {"*.exe", "a.b.EXE"}, {"a?c*", "abcdef"},
        {"*", ""},         {"*a*b*c", "xxaxxbxxbxc"}};
    for (auto [pattern, name] : matches) EXPECT_TRUE(WildcardMatch(pattern, name)) << pattern;
    for (auto [pattern, name] :
         {std::pair{"*.DLL", "shell32.dll.bak"}, {"a?c", "ac"}, {"*a*b*c", "xxaxxbxxbx"}})
        EXPECT_FALSE(WildcardMatch(pattern, name)) << pattern << " " << name;
}

// Language files of 8-bit text are read in the system's ANSI code page where there is one.
TEST(AnsiText, DecodesWithTheActiveCodePage) {
#ifdef _WIN32
    if (GetACP() != 1252) GTEST_SKIP() << "written for code page 1252 (wine's default)";
    EXPECT_EQ(DecodeWithSystemCodePage("\xE9t\xE9 \xFC\x62\x65r \x80"), u"été über €");
    EXPECT_EQ(DecodeWithSystemCodePage(""), u"");
#else
    EXPECT_FALSE(DecodeWithSystemCodePage("\xE9t\xE9").has_value());  // the caller's choice stays
#endif
}

}  // namespace
}  // namespace morvane
