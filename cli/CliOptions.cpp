#include "CliOptions.h"

#include <charconv>
#include <limits>

#include "formats/FormatTable.h"

namespace morvane::cli {

namespace {
// "ICO,CUR,...": every kind's name in the order of the table.
std::string KindList() {
    std::string list;
    for (const FormatDescriptor& format : kFormats) {
        if (!list.empty()) list += ',';
        list += format.name;
    }
    return list;
}

std::optional<ScanOptions> ParseKinds(const std::string& list, std::string& error) {
    ScanOptions scan;
    scan.enabled.fill(false);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        const std::optional<ResourceKind> kind = ParseKind(name);
        if (!kind) {
            error = "unknown kind '" + name + "' (kinds: " + KindList() + ")";
            return std::nullopt;
        }
        scan.Enable(*kind, true);
        start = comma + 1;
    }
    return scan;
}

std::optional<std::int32_t> ParseLimit(const std::string& text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || stop != end) return std::nullopt;
    return value;
}
}  // namespace

std::string UsageText() {
    return "Usage: morvane-scan [-o DIR] [-k KINDS] [-l MIB] [-r] [-p PATTERN] [-R] [-C] [-U] "
           "[-D] [-j N] [--json] [-q] PATH\n"
           "Carves icons, cursors, animated cursors, bitmaps, JPEG, GIF and PNG pictures, wave\n"
           "sounds, AVI videos and MIDI songs out of PATH (a file, or every file of a folder).\n"
           "\n"
           "  -o DIR      write the kind folders and LOG.txt under DIR (default: current folder)\n"
           "  -k KINDS    comma-separated kinds to look for (default: all ten):\n"
           "              " +
           KindList() +
           "\n"
           "  -l MIB      search only the first MIB mebibytes of each file (default: 500)\n"
           "  -r          with a folder, also scan every sub-folder\n"
           "  -p PATTERN  with a folder, scan only files matching PATTERN (e.g. '*.dll')\n"
           "  -C, --check write only whole items that open: each must pass a check of its\n"
           "              format's structure, which also gives its size (and no CR LF\n"
           "              follows it)\n"
           "  -R, --resources\n"
           "              also write whole icons, cursors and bitmaps from the resource tables\n"
           "              of programs and libraries (16-bit ones and .icl icon libraries too),\n"
           "              and icon files of several images\n"
           "  -D, --distinct\n"
           "              write each distinct item once in the run: an item whose bytes equal\n"
           "              one written before is logged with that file's name, not written\n"
           "  -j N, --threads N\n"
           "              search on N threads (default 0: one per processor); the output is\n"
           "              the same for any N\n"
           "  -U, --unpack\n"
           "              also open the containers found in each file, at its start or anywhere\n"
           "              inside it (zip and the documents and packages built on it, 7z, cab,\n"
           "              rar, ISO 9660, tar, cpio, gzip, bzip2, xz, zstd and lzma streams,\n"
           "              and OLE compound files such as MSI packages), and scan every file\n"
           "              they hold, opening containers inside containers up to 8 deep\n"
           "  --unpack-ratio N\n"
           "              unpack at most N times each file's size from it (default: 64)\n"
           "  --unpack-max MIB\n"
           "              and at most MIB mebibytes from each file (default: 4096)\n"
           "  --json      print one JSON object per extracted item on standard output\n"
           "  -q          no progress bar\n"
           "  --help      show this text\n"
           "  --version   show the version\n"
           "\n"
           "Exit status: 0 all went well, 1 a failure was logged, 2 wrong usage or no such PATH.\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::optional<std::string> path;
    bool limit = false;
    std::int32_t limitValue = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) return false;
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (path)
                return {std::nullopt, "more than one PATH given ('" + *path + "', '" + arg + "')"};
            path = arg;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "-r") {
            options.recursive = true;
        } else if (arg == "-q") {
            options.quiet = true;
        } else if (arg == "-C" || arg == "--check") {
            options.scan.checkItems = true;
        } else if (arg == "-R" || arg == "--resources") {
            options.scan.readResources = true;
        } else if (arg == "-D" || arg == "--distinct") {
            options.scan.distinctItems = true;
        } else if (arg == "-U" || arg == "--unpack") {
            options.scan.unpackContainers = true;
        } else if (arg == "--unpack-ratio" || arg == "--unpack-max") {
            if (!value(text)) return {std::nullopt, "option " + arg + " needs a value"};
            const std::optional<std::int32_t> number = ParseLimit(text);
            if (!number || *number < 1)
                return {std::nullopt,
                        "the value '" + text + "' of " + arg + " is not a whole number from 1 up"};
            if (arg == "--unpack-ratio")
                options.scan.unpackRatio = *number;
            else
                options.scan.unpackByteCap = std::int64_t{*number} << 20;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "-j" || arg == "--threads") {
            const std::optional<std::int32_t> threads =
                value(text) ? ParseLimit(text) : std::nullopt;
            if (!threads || *threads < 0 || *threads > kMostThreads)
                return {std::nullopt, "option " + arg + " needs a thread count from 0 to " +
                                          std::to_string(kMostThreads)};
            options.scan.threads = *threads;
        } else if (arg == "-o" || arg == "-k" || arg == "-l" || arg == "-p") {
            if (!value(text)) return {std::nullopt, "option " + arg + " needs a value"};
            if (arg == "-o") {
                options.outputFolder = text;
            } else if (arg == "-p") {
                options.pattern = text;
            } else if (arg == "-k") {
                std::string error;
                std::optional<ScanOptions> kinds = ParseKinds(text, error);
                if (!kinds) return {std::nullopt, error};
                options.scan.enabled = kinds->enabled;
            } else {
                std::optional<std::int32_t> mib = ParseLimit(text);
                if (!mib) return {std::nullopt, "the limit '" + text + "' is not a whole number"};
                limit = true;
                limitValue = *mib;
            }
        } else {
            return {std::nullopt, "unknown option " + arg};
        }
    }
    options.scan.chunkCap = ScanOptions::ChunkCapFor(limit, limitValue);
    if (options.help || options.version) return {options, {}};
    if (!path) return {std::nullopt, "no PATH given"};
    options.path = *path;
    return {options, {}};
}

}  // namespace morvane::cli
