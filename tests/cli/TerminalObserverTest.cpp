// What the terminal tool prints while it works.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TerminalObserver.h"

namespace morvane::cli {
namespace {

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[512];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, got);
    return text;
}

TEST(TerminalObserverTest, ProgressLineOnlyWhenAskedAndFailuresAlways) {
    std::FILE* items = std::tmpfile();
    std::FILE* progress = std::tmpfile();
    TerminalObserver shown(items, progress, false, true);
    shown.Progress({"a.dll", 1048576, 4194304, 25, 3});
    shown.LogLine("13 - Permission denied", LogLineKind::Failure);
    shown.LogLine("GIF file found at offset: 1,  Size: 9", LogLineKind::Item);
    const std::string text = Contents(progress);
    EXPECT_NE(text.find("a.dll [######..................] 1,048,576 / 4,194,304 bytes, 3 items"),
              std::string::npos);
    // The failure clears the progress line first, then stands on a line of its own.
    EXPECT_NE(text.find("\r\x1b[Kmorvane-scan: 13 - Permission denied\n"), std::string::npos);
    EXPECT_EQ(text.find("GIF file found"), std::string::npos);
    EXPECT_TRUE(Contents(items).empty());  // no JSON asked for

    std::FILE* quiet = std::tmpfile();
    TerminalObserver silent(items, quiet, true, false);  // (JSON lines: TerminalToolTest)
    silent.Progress({"a.dll", 1, 2, std::nullopt, 0});
    EXPECT_TRUE(Contents(quiet).empty());
    for (std::FILE* file : {items, progress, quiet}) std::fclose(file);
}

}  // namespace
}  // namespace morvane::cli
