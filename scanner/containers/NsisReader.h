// NSIS installers: the data block after the installer's stub, packed whole ("solid") or file by
// file, with LZMA or deflate. Files are named as the installer's script extracts them
// ("$PLUGINSDIR/System.dll"), or by their place in the data block when the script does not say.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "containers/ContainerReader.h"

namespace morvane {

// The installer whose first header starts at `offset` (its flags, then "\xEF\xBE\xAD\xDE"
// "NullsoftInst"), or none when that header is not one. `failure` is Unavailable when this build
// cannot unpack it, OverBudget when its header would unpack more than `budget` has left. The
// header's bytes and the names kept of it are drawn from `budget`; the names' memory is given
// back when the reader goes.
std::unique_ptr<ContainerReader> OpenNsis(SourceFile& source, std::int64_t length,
                                          std::int64_t offset, UnpackBudget& budget,
                                          OpenFailure& failure);

// A string of the installer's string table at `at` (UTF-16 units or bytes as `wide` says), with
// its variables written by name ("$PLUGINSDIR\System.dll").
std::string NsisString(std::span<const std::uint8_t> table, std::size_t at, bool wide);

}  // namespace morvane
