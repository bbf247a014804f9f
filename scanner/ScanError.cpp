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
