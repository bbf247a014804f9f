// ScanFile over arbitrary whole files held in memory. The first byte picks a padding that puts
// the input near the 1 MiB and 2 MiB chunk boundaries, or (0x80 to 0xBF) a checked scan with the
// resource pass and containers; small inputs of the plain scan are also checked against the
// obvious search.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "MemoryFileSystem.h"
#include "ReferenceScan.h"
#include "ScanEngine.h"

using namespace morvane;

namespace {
class CollectingSink final : public ScanSink {
  public:
    std::vector<test::ReferenceItem> items;
    void ItemWritten(const FoundItem& item) override {
        items.push_back({item.position, item.size, item.kind});
    }
    void ItemFailed(const FoundItem& item, const ItemFailure&) override { ItemWritten(item); }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    test::Bytes file(data + 1, data + size);
    if (mode >= 0xC0) {
        // Place the input so it straddles a chunk boundary.
        const std::size_t boundary = (mode & 1) ? 2u << 20 : 1u << 20;
        const std::size_t before =
            boundary - std::min<std::size_t>(file.size(), (mode & 0x3E) * 4u);
        test::Bytes padded(before, 0xA5);
        test::Append(padded, file);
        file.swap(padded);
    }
    // One engine for the whole run: its buffers are made once.
    static test::MemoryFileSystem disk;
    static ScanEngine engine([] {
        disk.keepOutputs = false;
        ScanSetup setup;
        setup.outputRoot = "/out/";
        setup.fileSystem = &disk;
        return setup;
    }());
    disk.files["/in/source.bin"] = file;
    ScanOptions options;
    options.Enable(ResourceKind::ANI, (mode & 2) != 0);
    const bool whole = (mode & 0xC0) == 0x80;
    options.checkItems = options.readResources = options.unpackContainers = whole;
    CollectingSink observer;
    StopToken stop;
    engine.ScanFile("/in/source.bin", options, observer, stop);
    if (!whole && file.size() < 4096 && observer.items != test::ReferenceScan(file, options))
        std::abort();
    return 0;
}
