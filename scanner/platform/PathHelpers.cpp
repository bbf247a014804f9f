#include "PathHelpers.h"

#include "ProgramLocation.h"

namespace morvane {

std::string AppFolder() {
    return WithTrailingSeparator(ProgramFolder());
}

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) folder.push_back(kPathSeparator);
    return folder;
}

std::string FileNameOfPath(std::string_view path) {
    const std::size_t separator = path.rfind(kPathSeparator);
    if (separator == std::string_view::npos) return {};
    return std::string(path.substr(separator + 1));
}

std::string FileNameFromPath(std::string_view path, bool keepExtension) {
    std::string name = FileNameOfPath(path);
    if (!keepExtension) {
        const std::size_t dot = name.rfind('.');
        if (dot != std::string::npos) name.resize(dot);
    }
    return name;
}

}  // namespace morvane
