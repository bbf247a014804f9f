// Copies one accepted item out of the source into a file of its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "FileSystem.h"
#include "ResourceKind.h"

namespace morvane {

struct AcceptedItem {
    std::int64_t offset;  // 0-based offset of the signature
    std::int64_t size;
    ResourceKind kind;
    bool bareIcon;  // a bare 32x32 icon bitmap: an icon header goes in front
    // A whole resource: its file bytes were made from a program's resource table, not copied.
    std::shared_ptr<const std::vector<std::uint8_t>> built = nullptr;
    std::string resourceName = {};  // an icon library's group, by its name in the table
};

// The 22 bytes of an icon file header with one entry for a 32x32, 256-colour image of 2216 bytes.
inline constexpr std::array<std::uint8_t, 22> kIconHeader32 = {
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x20, 0x20, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0xA8, 0x08, 0x00, 0x00, 0x16, 0x00, 0x00, 0x00};

// outputRoot + KIND + separator + name + "_" + counter + "." + KIND.
std::string OutputName(const std::string& outputRoot, ResourceKind kind,
                       const std::string& sourceName, std::int64_t counter);

class ItemWriter {
  public:
    // `lineBreakAfter`: every item ends with CR LF, as the unchecked scan has always written
    // them; a checked item ends where its structure does, which strict readers ask for.
    ItemWriter(FileSystem& fileSystem, bool lineBreakAfter);

    // Writes the item's bytes (only those that exist before the end of the source, whose length
    // was `sourceLength` when it was searched), then CR LF if asked, replacing any file of that
    // name. On a failure no partial file is left behind.
    std::error_code Write(SourceFile* source, std::int64_t sourceLength, const AcceptedItem& item,
                          const std::string& outputPath);

    // The bytes Write would write, in `bytes`: for comparing an item before it is written.
    std::error_code Read(SourceFile* source, std::int64_t sourceLength, const AcceptedItem& item,
                         std::vector<std::uint8_t>& bytes);
    // Writes bytes Read gave, as they are.
    std::error_code WriteRead(const std::vector<std::uint8_t>& bytes,
                              const std::string& outputPath);

  private:
    std::error_code WriteBytes(const std::vector<std::uint8_t>& bytes, bool lineBreakAfter,
                               const std::string& outputPath);
    std::error_code WriteBuilt(const std::vector<std::uint8_t>& bytes,
                               const std::string& outputPath);
    std::error_code Copy(SourceFile& source, std::int64_t from, std::int64_t count,
                         OutputFile& out);

    std::error_code EndItem(OutputFile& out);

    FileSystem& fileSystem_;
    bool lineBreakAfter_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace morvane
