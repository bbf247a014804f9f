// Language files of 8-bit text are read in the system's ANSI code page where there is one.
#include <gtest/gtest.h>

#include "AnsiText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {
namespace {

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
