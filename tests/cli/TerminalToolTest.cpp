// morvane-scan run as a user runs it: a real process, real files, its exit status and output.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "FileMarks.h"
#include "MediaSamples.h"
#include "NativePath.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using namespace test;

class TerminalToolTest : public ::testing::Test {
  protected:
    TempFolder temp;
    const std::string& dir = temp.path();

    TerminalToolTest() {
        Bytes bytes = Filler(10);
        for (const Bytes& part : {MakeGif(), Filler(10)}) Append(bytes, part);
        temp.Write("x.dll", bytes);
    }
    // Runs the tool in the folder with `arguments` (shell-quoted by the caller), after
    // `environment` (e.g. "env LC_ALL=C "); returns the exit status and keeps stdout.
    int Run(const std::string& arguments, const std::string& environment = "") {
        const std::string command = "cd '" + dir + "' && " + environment +
                                    "'" MORVANE_SCAN_PATH "' " + arguments + " 2>stderr.txt";
        std::FILE* pipe = popen(command.c_str(), "r");
        out.clear();
        char buffer[4096];
        while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, got);
        return WEXITSTATUS(pclose(pipe));
    }
    std::string ErrorText() const { return ReadFileText(dir + "stderr.txt"); }
    std::string out;
};

// Started without any locale (a bare container), names are still bytes passed through whole.
TEST_F(TerminalToolTest, BareFileNameScansIntoTheCurrentFolder) {
    std::filesystem::rename(ToFsPath(dir + "x.dll"), ToFsPath(dir + "δείγμα.dll"));
    EXPECT_EQ(Run("--json δείγμα.dll", "env -u LANG -u LANGUAGE LC_ALL=C "), 0) << ErrorText();
    EXPECT_EQ(out,
              "{\"source\": \"./δείγμα.dll\", \"kind\": \"GIF\", \"position\": 11, \"size\": 36, "
              "\"output\": \"./GIF/δείγμα.dll_0.GIF\"}\n");
    EXPECT_EQ(ListTree(dir + "GIF"), std::vector<std::string>{"δείγμα.dll_0.GIF"});
    const std::string log = ReadFileText(dir + "LOG.txt");
    EXPECT_NE(log.find(" (./δείγμα.dll)\r\nGIF file found at offset: 11,  Size: 36\r\n1 found "
                       ".\r\nEnd: "),
              std::string::npos);
}

TEST_F(TerminalToolTest, UsageErrorsWriteNothingAndExitTwo) {
    for (const char* arguments :
         {"-o out missing.dll", "-o out -k GIF,BAD x.dll", "-o out -l ten x.dll", "-o out"}) {
        EXPECT_EQ(Run(arguments), 2) << arguments;
        EXPECT_TRUE(!std::filesystem::exists(ToFsPath(dir + "out")) && !ErrorText().empty())
            << arguments;
    }
    EXPECT_EQ(ErrorText(), "morvane-scan: no PATH given\nTry 'morvane-scan --help'.\n");
    EXPECT_TRUE(Run("--version") == 0 && out == "morvane-scan " MORVANE_VERSION_TEXT "\n");
    EXPECT_TRUE(Run("--help") == 0 && out.rfind("Usage: morvane-scan", 0) == 0) << out;
}

TEST_F(TerminalToolTest, OutputLevelsAreMadeAndFailuresExitOne) {
    EXPECT_TRUE(Run("-q -o deep/er/out x.dll") == 0 &&
                FileExists(dir + "deep/er/out/GIF/x.dll_0.GIF"));
    // An output root that is a file cannot hold the kind folders.
    temp.Write("blocker", {1});
    EXPECT_EQ(Run("-o blocker x.dll"), 1);
    EXPECT_NE(ErrorText().find("Cannot create the folder 'blocker/ANI"), std::string::npos);
    // An output file that cannot be replaced (a folder in its way) is a failure line.
    temp.MakeFolder("o/GIF/x.dll_0.GIF");
    EXPECT_EQ(Run("--json -o o x.dll"), 1);
    EXPECT_NE(ErrorText().find("21 - Is a directory"), std::string::npos);
    EXPECT_NE(out.find("\"size\": 36"), std::string::npos);
}

// A folder stands for its files that match the pattern, in any letter case, read-only ones too,
// in name order whatever the case; with -r, for those of its sub-folders as well.
TEST_F(TerminalToolTest, AFolderStandsForItsMatchingFiles) {
    const Bytes source = ReadFileBytes(dir + "x.dll");
    for (const char* name : {"src/A.dll", "src/b.DLL", "src/C.dll", "src/c.exe", "src/sub/d.dll"})
        temp.Write(name, source);
    MarkReadOnly(dir + "src/A.dll");
    EXPECT_EQ(Run("--json -o flat -p '*.dll' src"), 0) << ErrorText();
    const std::size_t a = out.find("/A.dll\""), b = out.find("/b.DLL\""), c = out.find("/C.dll\"");
    EXPECT_TRUE(a < b && b < c && c != std::string::npos) << out;
    EXPECT_EQ(ListTree(dir + "flat/GIF").size(), 3u);
    EXPECT_EQ(Run("-q -o deep -r src"), 0) << ErrorText();
    EXPECT_EQ(ListTree(dir + "deep/GIF"),
              (std::vector<std::string>{"A.dll_0.GIF", "C.dll_0.GIF", "b.DLL_0.GIF", "c.exe_0.GIF",
                                        "d.dll_0.GIF"}));
    // Distinct items on three threads: the first source's GIF is written, the others name it.
    EXPECT_EQ(Run("--json -D -j 3 -q -o once -r src"), 0) << ErrorText();
    EXPECT_EQ(ListTree(dir + "once/GIF"), std::vector<std::string>{"A.dll_0.GIF"});
    const auto count = [&](const std::string& text) {
        std::size_t found = 0;
        for (std::size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("\"same_as\": "), 4u) << out;
    EXPECT_EQ(count("A.dll_0.GIF\"}"), 5u) << out;  // its own line's output, and four others
    // Into a folder of the tree: its kind folders, which hold the items of the first run, are
    // passed over by the second; the sub-folder's d.dll keeps its name beside another d.dll.
    temp.Write("src/e/d.dll", source);
    for (int run = 0; run < 2; ++run) EXPECT_EQ(Run("-q -o src/sub -r src"), 0) << ErrorText();
    EXPECT_EQ(ListTree(dir + "src/sub/GIF"),
              (std::vector<std::string>{"A.dll_0.GIF", "C.dll_0.GIF", "b.DLL_0.GIF", "c.exe_0.GIF",
                                        "d.dll (2)_0.GIF", "d.dll_0.GIF"}));
}

}  // namespace
}  // namespace morvane
