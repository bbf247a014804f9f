// morvane-scan run as a user runs it: a real process, real files, its exit status and output.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "MediaSamples.h"
#include "NativePath.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using test::Bytes;
using test::Filler;

struct ToolRun {
    int status;
    std::string out;
};

// Runs the tool in `folder` with `arguments` (shell-quoted by the caller), after `environment`
// (e.g. "env LC_ALL=C "); stdout is captured.
ToolRun RunTool(const std::string& folder, const std::string& arguments,
                const std::string& environment = "") {
    const std::string command = "cd '" + folder + "' && " + environment +
                                "'" MORVANE_SCAN_PATH "' " + arguments + " 2>stderr.txt";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, got);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), out};
}

Bytes WithGif() {
    Bytes bytes = Filler(10);
    test::Append(bytes, test::MakeGif());
    test::Append(bytes, Filler(10));
    return bytes;
}

class TerminalToolTest : public ::testing::Test {
  protected:
    test::TempFolder temp;
    std::string ErrorText() const { return test::ReadFileText(temp.path() + "stderr.txt"); }
};

// Started without any locale (a bare container), names are still bytes passed through whole.
TEST_F(TerminalToolTest, BareFileNameScansIntoTheCurrentFolder) {
    temp.Write("δείγμα.dll", WithGif());
    const ToolRun run =
        RunTool(temp.path(), "--json δείγμα.dll", "env -u LANG -u LANGUAGE LC_ALL=C ");
    EXPECT_EQ(run.status, 0) << ErrorText();
    EXPECT_EQ(run.out,
              "{\"source\": \"./δείγμα.dll\", \"kind\": \"GIF\", \"position\": 11, \"size\": 36, "
              "\"output\": \"./GIF/δείγμα.dll_0.GIF\"}\n");
    EXPECT_EQ(test::ListTree(temp.path() + "GIF"), std::vector<std::string>{"δείγμα.dll_0.GIF"});
    const std::string text = test::ReadFileText(temp.path() + "LOG.txt");
    EXPECT_EQ(text.rfind("----------\r\nStart: ", 0), 0u);
    EXPECT_NE(text.find(" (./δείγμα.dll)\r\nGIF file found at offset: 11,  Size: 36\r\n1 found "
                        ".\r\nEnd: "),
              std::string::npos);
    for (const char* kind : {"ICO", "CUR", "ANI", "BMP", "JPG", "GIF", "PNG", "WAV", "MID", "AVI"})
        EXPECT_TRUE(std::filesystem::is_directory(ToFsPath(temp.path() + kind))) << kind;
}

TEST_F(TerminalToolTest, UsageErrorsWriteNothingAndExitTwo) {
    temp.Write("x.dll", WithGif());
    for (const char* arguments :
         {"-o out missing.dll", "-o out -k GIF,BAD x.dll", "-o out -l ten x.dll", "-o out"}) {
        const ToolRun run = RunTool(temp.path(), arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_FALSE(std::filesystem::exists(ToFsPath(temp.path() + "out"))) << arguments;
        EXPECT_FALSE(ErrorText().empty());
    }
    EXPECT_EQ(ErrorText(), "morvane-scan: no PATH given\nTry 'morvane-scan --help'.\n");
    EXPECT_EQ(RunTool(temp.path(), "--version").out, "morvane-scan " MORVANE_VERSION_TEXT "\n");
    EXPECT_EQ(RunTool(temp.path(), "--help").out.rfind("Usage: morvane-scan", 0), 0u);
}

TEST_F(TerminalToolTest, OutputLevelsAreMadeAndFailuresExitOne) {
    temp.Write("x.dll", WithGif());
    EXPECT_EQ(RunTool(temp.path(), "-q -o deep/er/out x.dll").status, 0);
    EXPECT_TRUE(test::FileExists(temp.path() + "deep/er/out/GIF/x.dll_0.GIF"));

    // An output root that is a file cannot hold the kind folders.
    temp.Write("blocker", {1});
    const ToolRun blocked = RunTool(temp.path(), "-o blocker x.dll");
    EXPECT_EQ(blocked.status, 1);
    EXPECT_NE(ErrorText().find("Cannot create the folder 'blocker/ANI"), std::string::npos);

    // An output file that cannot be replaced (a folder in its way) is a failure line.
    std::filesystem::create_directories(ToFsPath(temp.path() + "o/GIF/x.dll_0.GIF"));
    const ToolRun run = RunTool(temp.path(), "--json -o o x.dll");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(ErrorText().find("21 - Is a directory"), std::string::npos);
    EXPECT_NE(run.out.find("\"size\": 36"), std::string::npos);
}

}  // namespace
}  // namespace morvane
