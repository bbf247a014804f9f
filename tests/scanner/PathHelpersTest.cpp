// Path text, wildcards, 8-bit text and the system opener.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AnsiText.h"
#include "PathHelpers.h"
#include "ProgramLocation.h"
#include "Wildcard.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "ShellOpen.h"
#include "TempFolder.h"
#endif

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
    // "*.*" is every name, with a dot or without; case never counts.
    for (auto [pattern, name, matches] : {std::tuple{"*.*", "README", true},
                                          {"*.DLL", "shell32.dll", true},
                                          {"*.exe", "a.b.EXE", true},
                                          {"a?c*", "abcdef", true},
                                          {"*", "", true},
                                          {"*a*b*c", "xxaxxbxxbxc", true},
                                          {"*.DLL", "shell32.dll.bak", false},
                                          {"a?c", "ac", false},
                                          {"*a*b*c", "xxaxxbxxbx", false}})
        EXPECT_EQ(WildcardMatch(pattern, name), matches) << pattern << " " << name;
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

#ifndef _WIN32
// A stand-in for xdg-open that, like a viewer in the foreground, runs until the test releases it
// (or ten seconds pass) and then writes down which of the two happened. Had the call waited for
// the opener, the opener would have timed out before the release.
TEST(ShellOpenTest, ReturnsWhileTheViewerRunsAndLeavesNoChildBehind) {
    test::TempFolder folder;
    const std::string opener = folder.path() + "xdg-open", target = folder.path() + "item.PNG";
    std::ofstream(opener) << "#!/bin/sh\ni=0\nwhile [ ! -e \"$1.release\" ] && [ $i -lt 200 ]; do\n"
                             "  sleep 0.05; i=$((i + 1))\ndone\n"
                             "[ -e \"$1.release\" ] && echo released >\"$1.done\" || "
                             "echo timeout >\"$1.done\"\n";
    chmod(opener.c_str(), 0755);
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "/usr/bin:/bin";
    setenv("PATH", (folder.path() + ":" + path).c_str(), 1);
    SystemShellOpener().Open(target);
    setenv("PATH", path.c_str(), 1);
    std::ofstream(target + ".release") << "go";
    std::string word = "never written";
    for (int i = 0; i < 400 && !(std::ifstream(target + ".done") >> word); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(word, "released");
    // The helper shell was waited for, and the opener is not this process's child.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}
#endif

}  // namespace
}  // namespace morvane
