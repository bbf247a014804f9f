#include "SourceNames.h"

#include <algorithm>

#include "PathHelpers.h"

namespace morvane {

namespace {
// Two names are one output file on Windows when they differ only in letter case.
std::string Compared(std::string name) {
#ifdef _WIN32
    std::transform(name.begin(), name.end(), name.begin(), FoldLetterCase);
#endif
    return name;
}
}  // namespace

std::string SourceNames::Give(const Names& given, Names& added, const std::string& path) {
    for (const Names* names : {&given, static_cast<const Names*>(&added)})
        if (const auto known = names->byPath.find(path); known != names->byPath.end())
            return known->second;
    const auto taken = [&](const std::string& name) {
        const std::string compared = Compared(name);
        return given.taken.contains(compared) || added.taken.contains(compared);
    };
    const std::string file = FileNameOfPath(path);
    std::string name = file;
    for (int n = 2; taken(name); ++n) name = file + " (" + std::to_string(n) + ")";
    added.taken.insert(Compared(name));
    added.byPath.emplace(path, name);
    return name;
}

std::string SourceNames::NameOf(const std::string& path) {
    return Give({}, names_, path);
}

// Only what the plan adds is copied, so planning folder after folder costs no more than naming.
std::vector<std::string> SourceNames::Foresee(const std::vector<std::string>& paths) const {
    Names added;
    std::vector<std::string> foreseen;
    foreseen.reserve(paths.size());
    for (const std::string& path : paths) foreseen.push_back(Give(names_, added, path));
    return foreseen;
}

}  // namespace morvane
