// The terminal tool's command line and JSON text in-process, so that they run wherever the tool
// is built, Windows included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliOptions.h"
#include "JsonText.h"
#include "TerminalSink.h"

namespace morvane::cli {
namespace {

const auto Parse = &ParseCommandLine;

TEST(CliOptionsTest, DefaultsAndEveryOption) {
    const ParseResult plain = Parse({"x.dll"});
    ASSERT_TRUE(plain.options);
    const CliOptions& p = *plain.options;
    EXPECT_EQ(p.path + " " + p.pattern + " " + std::to_string(p.scan.chunkCap), "x.dll * 500");
    for (bool on : p.scan.enabled) EXPECT_TRUE(on);
    EXPECT_FALSE(p.scan.readResources || p.scan.checkItems || p.recursive || p.json || p.quiet ||
                 p.scan.distinctItems);
    EXPECT_EQ(p.scan.threads, 0);  // one per processor
    EXPECT_FALSE(p.scan.readResources || p.scan.checkItems || p.scan.unpackContainers ||
                 p.recursive || p.json || p.quiet);
    EXPECT_EQ(p.scan.unpackRatio * 1000 + (p.scan.unpackByteCap >> 30), 64004);

    const ParseResult full = Parse({"-o", "out", "-k", "gif,Png", "-l", "7", "-r", "-p", "*.DLL",
                                    "--json", "-q", "-C", "-D", "-j", "3", "dir"});
    ASSERT_TRUE(full.options) << full.error;
    const CliOptions& o = *full.options;
    EXPECT_EQ(
        o.outputFolder + " " + o.pattern + " " + o.path + " " + std::to_string(o.scan.chunkCap),
        "out *.DLL dir 7");
    EXPECT_TRUE(o.recursive && o.json && o.quiet && o.scan.checkItems && o.scan.distinctItems);
    EXPECT_EQ(o.scan.threads, 3);
    EXPECT_EQ(Parse({"--threads", "256", "--distinct", "f"}).options->scan.threads, 256);
    EXPECT_TRUE(o.scan.IsEnabled(ResourceKind::GIF) && o.scan.IsEnabled(ResourceKind::PNG));
    EXPECT_FALSE(o.scan.IsEnabled(ResourceKind::ICO) || o.scan.IsEnabled(ResourceKind::AVI));

    EXPECT_TRUE(Parse({"-R", "f"}).options->scan.readResources &&
                Parse({"f", "--resources"}).options->scan.readResources &&
                Parse({"--check", "f"}).options->scan.checkItems &&
                Parse({"--help"}).options->help);
    EXPECT_EQ(Parse({"--", "-odd-name"}).options->path, "-odd-name");
    const ParseResult unpack = Parse({"-U", "--unpack-ratio", "3", "--unpack-max", "5", "f"});
    ASSERT_TRUE(unpack.options) << unpack.error;
    EXPECT_TRUE(unpack.options->scan.unpackContainers &&
                Parse({"--unpack", "f"}).options->scan.unpackContainers);
    EXPECT_EQ(unpack.options->scan.unpackRatio, 3);
    EXPECT_EQ(unpack.options->scan.unpackByteCap, 5 * 1024 * 1024);
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
        {{"-j", "257", "f"}, "option -j needs a thread count from 0 to 256"},
        {{"f", "--threads", "-1"}, "option --threads needs a thread count from 0 to 256"},
        {{"f", "-j"}, "option -j needs a thread count from 0 to 256"},
        {{"-x", "f"}, "unknown option -x"},
        {{"--unpack-ratio", "0", "f"},
         "the value '0' of --unpack-ratio is not a whole number from 1 up"},
        {{"--unpack-max"}, "option --unpack-max needs a value"},
        {{"a", "b"}, "more than one PATH given ('a', 'b')"}};
    for (const auto& [arguments, error] : rows) EXPECT_EQ(Parse(arguments).error, error);
    EXPECT_EQ(Parse({"-k", "", "f"}).error.rfind("unknown kind ''", 0), 0u);
}

TEST(JsonTextTest, QuotesEscapesAndRepairsText) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\n\x01") + JsonQuoted("Αρχεία") + JsonQuoted("bad\xff\xc3"),
              "\"a\\\"b\\\\c\\n\\u0001\"\"Αρχεία\"\"bad\\ufffd\\ufffd\"");
}

// An item from a container gives the path to it as a list, from the source's name inward.
TEST(JsonTextTest, ItemsFromContainersListTheirPath) {
    const std::vector<std::string> inside = {"data.cab", "pics/a \"b\".bmp"};
    FoundItem item{
        "d/setup.exe", "setup.exe", ResourceKind::BMP, 5, 9, {}, "o/BMP/setup.exe_3.BMP", {}, {},
        inside};
    EXPECT_EQ(TerminalSink::JsonLine(item),
              "{\"source\": \"d/setup.exe\", \"kind\": \"BMP\", \"position\": 5, \"size\": 9, "
              "\"output\": \"o/BMP/setup.exe_3.BMP\", \"inside\": [\"setup.exe\", \"data.cab\", "
              "\"pics/a \\\"b\\\".bmp\"]}");
    item.inside = {};
    EXPECT_EQ(TerminalSink::JsonLine(item).find("inside"), std::string::npos);
}

}  // namespace
}  // namespace morvane::cli
