// OLE compound files (MSI packages, .doc, .xls, .ppt): every stream they hold, by its path of
// storages. MSI's packed stream names are read back to their table and file names.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "containers/ContainerReader.h"

namespace morvane {

// The compound file that starts at `offset`, or none when its header is not one; `parsedEnd`
// says how far into the source the opening read (its header, FAT and directory), whether or not
// it opened.
std::unique_ptr<ContainerReader> OpenCompoundFile(SourceFile& source, std::int64_t length,
                                                  std::int64_t offset, std::int64_t& parsedEnd);

// A directory entry's name (UTF-16LE, `units` code units without the terminator) as UTF-8, with
// MSI's packed names unpacked and control characters written as "#<number>".
std::string CompoundEntryName(std::span<const std::uint8_t> utf16, std::size_t units);

}  // namespace morvane
