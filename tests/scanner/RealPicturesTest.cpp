// Real files from Debian's packages (phone and camera photos with Exif thumbnails, progressive,
// Adobe CMYK and restart-interval JPEGs, and pictures, icons, sounds and a video of the other
// kinds) placed alone, between random bytes, at a source's last byte and in zip entries: a checked
// scan writes each exactly once, byte for byte, and nothing else of its kind; a JPEG cut short, or
// whose scan runs into another picture's start, is not written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "RecordingSink.h"
#include "ScanEngine.h"
#include "TempFolder.h"

namespace morvane {
namespace {

using namespace test;

constexpr const char* kForensics = "/usr/share/forensics-samples/original-files/";
constexpr const char* kSdl = "/usr/libexec/installed-tests/SDL2_image/";

struct RealFile {
    const char* package;
    std::string path;
    ResourceKind kind;
};

const std::vector<RealFile>& RealFiles() {
    static const std::vector<RealFile> files = {
        // Exif APP1 first, holding a JPEG thumbnail; no JFIF segment (2,680,169 bytes).
        {"forensics-samples-files", kForensics + std::string("pic2/IMG_20200124_231153.jpg"),
         ResourceKind::JPG},
        // Progressive, JFIF (166,304 bytes).
        {"forensics-samples-files", kForensics + std::string("pic1/IMG-20191006-WA0002.jpg"),
         ResourceKind::JPG},
        // JFIF, then Exif with a thumbnail, ICC profile, progressive (689,275 bytes).
        {"forensics-samples-files", kForensics + std::string("pic1/IMG_1054.JPG"),
         ResourceKind::JPG},
        // JFIF, Exif with a thumbnail, Photoshop, XMP, Adobe APP14, restart interval 63.
        {"golang-github-rwcarlsen-goexif-dev",
         "/usr/share/gocode/src/github.com/rwcarlsen/goexif/exif/sample1.jpg", ResourceKind::JPG},
        // Adobe APP14 with four components, YCCK (6,920 bytes).
        {"ruby-prawn", "/usr/share/ruby-prawn/images/fractal.jpg", ResourceKind::JPG},
        // Exif with a thumbnail first, JFIF after it (2,679 bytes).
        {"jmagick6-docs",
         "/usr/share/doc/jmagick6-docs/examples/exif_orientation/exif_orientation_1.jpg",
         ResourceKind::JPG},
        {"libsdl2-image-tests", kSdl + std::string("sample.jpg"), ResourceKind::JPG},
        {"libsdl2-image-tests", kSdl + std::string("sample.png"), ResourceKind::PNG},
        {"libsdl2-image-tests", kSdl + std::string("palette.gif"), ResourceKind::GIF},
        {"libsdl2-image-tests", kSdl + std::string("sample.bmp"), ResourceKind::BMP},
        {"libsdl2-image-tests", kSdl + std::string("sample.ico"), ResourceKind::ICO},
        {"libsdl2-image-tests", kSdl + std::string("sample.cur"), ResourceKind::CUR},
        {"forensics-samples-files", kForensics + std::string("audio2/deleted.wav"),
         ResourceKind::WAV},
        {"forensics-samples-files", kForensics + std::string("movie2/movie-hello.avi"),
         ResourceKind::AVI},
    };
    return files;
}

// Seeded bytes of every value: markers and signatures may turn up in them, as in real data.
Bytes Random(std::size_t size, std::uint32_t seed) {
    std::mt19937 engine(seed);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(engine());
    return bytes;
}

// The file's bytes, or a failure naming the package that brings it.
Bytes Load(const RealFile& file) {
    if (!FileExists(file.path)) {
        ADD_FAILURE() << file.path << " is missing: install the package " << file.package
                      << " (scripts/install-deps --test)";
        return {};
    }
    return ReadFileBytes(file.path);
}

class RealPicturesTest : public ::testing::Test {
  protected:
    TempFolder temp;
    RecordingSink observer;
    StopToken stop;
    int scans = 0;

    // A checked scan of `bytes`, as they are or (`zip` its options) as the entry "e.bin" of a zip.
    void Scan(const Bytes& bytes, const std::string& zip = "") {
        const std::string name = "s" + std::to_string(++scans);
        if (zip.empty()) {
            temp.Write(name, bytes);
        } else {
            temp.Write("e.bin", bytes);
            ASSERT_EQ(std::system(("cd '" + temp.path() + "' && zip -q " + zip + " " + name +
                                   ".zip e.bin && mv " + name + ".zip " + name)
                                      .c_str()),
                      0);
        }
        observer = {};
        const ScanOptions options{.checkItems = true, .unpackContainers = !zip.empty()};
        ScanEngine({temp.path() + "out" + std::to_string(scans) + "/"})
            .ScanFile(temp.path() + name, options, observer, stop);
    }

    // Each written item of `kind`: "=" for one equal to `wanted`, else its offset and size.
    std::vector<std::string> Written(ResourceKind kind, const Bytes& wanted) const {
        std::vector<std::string> found;
        for (const RecordedItem& item : observer.items)
            if (item.kind == kind && item.written)
                found.push_back(ReadFileBytes(item.output) == wanted
                                    ? "="
                                    : item.inside + "@" + std::to_string(item.position) + "+" +
                                          std::to_string(item.size));
        return found;
    }
};

TEST_F(RealPicturesTest, EachRealFileIsWrittenOnceByteForByteWhereverItLies) {
    struct Placement {
        const char* name;
        std::size_t before, after;
        const char* zip;  // "" for the source itself
    };
    const std::vector<Placement> placements = {
        {"alone", 0, 0, ""},
        {"between random bytes", 3001, 2003, ""},
        {"at the source's last byte", 3001, 0, ""},
        {"ending a stored zip entry", 1999, 0, "-0"},
        {"inside a deflated zip entry", 1999, 777, "-6"},
    };
    for (const RealFile& file : RealFiles()) {
        const Bytes bytes = Load(file);
        if (bytes.empty()) continue;
        for (const Placement& at : placements) {
            Scan(Compose({Random(at.before, 7), bytes, Random(at.after, 8)}), at.zip);
            EXPECT_EQ(Written(file.kind, bytes), std::vector<std::string>{"="})
                << file.path << " " << at.name;
        }
    }
}

TEST_F(RealPicturesTest, AJpegCutShortOrRunningIntoAnotherPictureIsNotWritten) {
    const RealFile& progressive = RealFiles()[1];
    const RealFile& cmyk = RealFiles()[4];
    const RealFile& small = RealFiles()[6];
    const Bytes next = Load(small);
    for (const RealFile* file : {&progressive, &cmyk}) {
        const Bytes bytes = Load(*file);
        if (bytes.empty() || next.empty()) continue;
        for (std::size_t cut : {1, 2, 600}) {
            const Bytes shorter(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(cut));
            Scan(shorter);
            EXPECT_EQ(Written(ResourceKind::JPG, {}), std::vector<std::string>{})
                << file->path << " less its last " << cut << " bytes";
            Scan(Compose({Random(500, 9), shorter, Random(900, 10)}));
            EXPECT_EQ(Written(ResourceKind::JPG, {}), std::vector<std::string>{})
                << file->path << " less its last " << cut << " bytes, between random bytes";
            // The scan data runs into the start of a whole picture: only that one is written.
            Scan(Compose({shorter, next, Random(300, 11)}));
            EXPECT_EQ(Written(ResourceKind::JPG, next), std::vector<std::string>{"="})
                << file->path << " less its last " << cut << " bytes, then " << small.path;
        }
    }
}

}  // namespace
}  // namespace morvane
