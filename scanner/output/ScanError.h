// Failures the scanner reports itself, beside the operating system's own error codes.
#pragma once

#include <string>
#include <system_error>

namespace morvane {

enum class ScanErrc {
    SourceShrank = 1001,  // the source ended before the length it had when the scan began
    ShortWrite = 1002,    // the file system took fewer bytes than were written
    NotARegularFile = 1003,
    ResourceTableDamaged = 1004,  // part of a program's resource table points outside it
    ResourceSectionTooLarge = 1005,
    // What a container's entries can come to instead of being scanned.
    EntryEncrypted = 1006,
    EntryMethodUnknown = 1007,
    EntryTruncated = 1008,  // the part that was unpacked is scanned
    ContainerDamaged = 1009,
    ContainerHoldsItself = 1010,
    ContainersTooDeep = 1011,
    UnpackLimitReached = 1012,
    EntryLimitReached = 1013,
    UnpackUnavailable = 1014,
    ResourceItemsTooLarge = 1015,
    ResourceReadLimitReached = 1016,
};

const std::error_category& ScanCategory() noexcept;

inline std::error_code make_error_code(ScanErrc e) noexcept {
    return {static_cast<int>(e), ScanCategory()};
}

// "number - description": the form every failure takes in the scan log.
std::string FailureText(const std::error_code& error);

// The error code of the last failed C library or system call.
std::error_code LastSystemError() noexcept;

}  // namespace morvane

template <>
struct std::is_error_code_enum<morvane::ScanErrc> : std::true_type {};
