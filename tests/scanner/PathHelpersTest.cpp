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

TEST(PathHelpersTest, FileNamesFoldersAndTheProgramFolder) {
    EXPECT_EQ(FileNameOfPath(P("C:\\a\\b.dll")), "b.dll");
    EXPECT_EQ(FileNameOfPath("b.dll"), "");
    EXPECT_EQ(FileNameOfPath(P("C:\\a\\")), "");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\b.tar.gz"), false), "b.tar");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\b.tar.gz"), true), "b.tar.gz");
    EXPECT_EQ(FileNameFromPath(P("C:\\a\\readme"), false), "readme");
    EXPECT_EQ(FileNameFromPath("readme.txt", false), "");
    // The program's folder ends with exactly one separator, even at a root.
    const std::string folder = AppFolder();
    ASSERT_GE(folder.size(), 2u);
    EXPECT_EQ(folder.back(), kPathSeparator);
    EXPECT_NE(folder[folder.size() - 2], kPathSeparator);
    EXPECT_EQ(WithTrailingSeparator(P("C:\\")), P("C:\\"));
    EXPECT_EQ(WithTrailingSeparator(P("C:\\x")), P("C:\\x\\"));
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

// Language files of 8-bit text are read in the system's ANSI code page where there is one.
TEST(AnsiText, DecodesWithTheActiveCodePage) {
#ifdef _WIN32
    if (GetACP() != 1252) GTEST_SKIP() << "written for code page 1252 (wine's default)";
    // French and German words as a Western European editor saves them.
    EXPECT_EQ(DecodeWithSystemCodePage("\xE9t\xE9 \xFC\x62\x65r \x80"), u"été über €");
    EXPECT_EQ(DecodeWithSystemCodePage(""), u"");
#else
    // No ANSI code page here: the caller keeps its own choice.
    EXPECT_FALSE(DecodeWithSystemCodePage("\xE9t\xE9").has_value());
#endif
}

}  // namespace
}  // namespace morvane
