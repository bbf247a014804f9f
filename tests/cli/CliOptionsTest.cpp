// The terminal tool's command line.
#include <gtest/gtest.h>

#include "CliOptions.h"
#include "JsonText.h"

namespace morvane::cli {
namespace {

ParseResult Parse(std::vector<std::string> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CliOptionsTest, DefaultsAndEveryOption) {
    const ParseResult plain = Parse({"x.dll"});
    ASSERT_TRUE(plain.options);
    EXPECT_EQ(plain.options->path, "x.dll");
    EXPECT_EQ(plain.options->scan.chunkCap, 500);
    EXPECT_EQ(plain.options->pattern, "*");
    for (bool on : plain.options->scan.enabled) EXPECT_TRUE(on);
    EXPECT_FALSE(plain.options->scan.readResources);
    EXPECT_TRUE(Parse({"-R", "f"}).options->scan.readResources);
    EXPECT_TRUE(Parse({"f", "--resources"}).options->scan.readResources);

    const ParseResult full = Parse({"-o", "out", "-k", "gif,Png", "-l", "7", "-r", "-p", "*.DLL",
                                    "--json", "-q", "-C", "dir"});
    ASSERT_TRUE(full.options) << full.error;
    const CliOptions& o = *full.options;
    EXPECT_EQ(o.outputFolder, "out");
    EXPECT_EQ(o.scan.chunkCap, 7);
    EXPECT_TRUE(o.recursive && o.json && o.quiet && o.scan.checkItems);
    EXPECT_FALSE(plain.options->scan.checkItems);
    EXPECT_TRUE(Parse({"--check", "f"}).options->scan.checkItems);
    EXPECT_EQ(o.pattern, "*.DLL");
    EXPECT_TRUE(o.scan.IsEnabled(ResourceKind::GIF) && o.scan.IsEnabled(ResourceKind::PNG));
    EXPECT_FALSE(o.scan.IsEnabled(ResourceKind::ICO) || o.scan.IsEnabled(ResourceKind::AVI));

    EXPECT_EQ(Parse({"--", "-odd-name"}).options->path, "-odd-name");
    EXPECT_EQ(Parse({"-l", "-3", "f"}).options->scan.chunkCap, -3);
}

TEST(CliOptionsTest, UsageErrorsNameTheProblem) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{}, "no PATH given"},
        {{"-k", "GIF,XYZ", "f"},
         "unknown kind 'XYZ' (kinds: ICO,CUR,ANI,BMP,JPG,GIF,PNG,WAV,MID,AVI)"},
        {{"-l", "12.5", "f"}, "the limit '12.5' is not a whole number"},
        {{"-l", "99999999999", "f"}, "the limit '99999999999' is not a whole number"},
        {{"-o"}, "option -o needs a value"},
        {{"-x", "f"}, "unknown option -x"},
        {{"a", "b"}, "more than one PATH given ('a', 'b')"}};
    for (const auto& [arguments, error] : rows) EXPECT_EQ(Parse(arguments).error, error);
    EXPECT_EQ(Parse({"-k", "", "f"}).error.rfind("unknown kind ''", 0), 0u);
    EXPECT_TRUE(Parse({"--help"}).options->help);
}

TEST(JsonTextTest, QuotesEscapesAndRepairsText) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(JsonQuoted("Αρχεία"), "\"Αρχεία\"");
    EXPECT_EQ(JsonQuoted("bad\xff\xc3"), "\"bad\\ufffd\\ufffd\"");
}

}  // namespace
}  // namespace morvane::cli
