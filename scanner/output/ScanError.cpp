#include "ScanError.h"

#include <cerrno>

namespace morvane {

namespace {
class ScanErrorCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "morvane"; }
    std::string message(int value) const override {
        switch (static_cast<ScanErrc>(value)) {
            case ScanErrc::SourceShrank:
                return "The source file is shorter than when the scan began";
            case ScanErrc::ShortWrite:
                return "The disk took only part of the data (is it full?)";
            case ScanErrc::NotARegularFile:
                return "Not a regular file";
            case ScanErrc::ResourceTableDamaged:
                return "Part of a program's resource table could not be read";
            case ScanErrc::ResourceSectionTooLarge:
                return "A program's resource section is too large to read";
            case ScanErrc::EntryEncrypted:
                return "An encrypted entry was not unpacked";
            case ScanErrc::EntryMethodUnknown:
                return "An entry packed by a method this program cannot unpack was not read";
            case ScanErrc::EntryTruncated:
                return "An entry ends early; only its unpacked part was scanned";
            case ScanErrc::ContainerDamaged:
                return "A container is damaged; the rest of it was not read";
            case ScanErrc::ContainerHoldsItself:
                return "An entry holds its own container and was not opened again";
            case ScanErrc::ContainersTooDeep:
                return "A container nested more than 8 deep was not opened";
            case ScanErrc::UnpackLimitReached:
                return "The source's unpack limit was reached; its remaining entries were not read";
            case ScanErrc::EntryLimitReached:
                return "The source's containers hold more than 100000 entries; the rest were not "
                       "read";
            case ScanErrc::UnpackUnavailable:
                return "This build cannot unpack archives or packed installers; compound files "
                       "are still opened";
            case ScanErrc::ResourceItemsTooLarge:
                return "A program's resources name the same bytes over and over; the rest of its "
                       "items were not made";
            case ScanErrc::ResourceReadLimitReached:
                return "The source's programs name more resource bytes than its read limit; the "
                       "rest were not read";
        }
        return "Unknown scanner error";
    }
};
}  // namespace

const std::error_category& ScanCategory() noexcept {
    static const ScanErrorCategory category;
    return category;
}

std::string FailureText(const std::error_code& error) {
    std::string description = error.message();
    if (description.empty()) description = "Unknown error";
    return std::to_string(error.value()) + " - " + description;
}

std::error_code LastSystemError() noexcept {
    const int code = errno;
    return {code != 0 ? code : EIO, std::generic_category()};
}

}  // namespace morvane
