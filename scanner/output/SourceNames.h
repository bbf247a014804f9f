// Within one run every source has a name of its own, the stem of its output names, its tree node
// and its log lines. The first source of a file name keeps it; a source at another path with the
// same file name gets "name (2)", the next "name (3)", so that no source writes over the items of
// another. Scanning the same path again keeps its name, and so replaces its own items.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace morvane {

class SourceNames {
  public:
    // The name of the source at `path` (which names its folder), given the first time it is asked.
    std::string NameOf(const std::string& path);
    // The names `paths` would get if asked for in this order, none of them given.
    std::vector<std::string> Foresee(const std::vector<std::string>& paths) const;

  private:
    struct Names {
        std::unordered_map<std::string, std::string> byPath;
        std::unordered_set<std::string> taken;  // as the file system compares names
    };
    // Gives `path` a name in `added`, beside those `given` holds already.
    static std::string Give(const Names& given, Names& added, const std::string& path);

    Names names_;
};

}  // namespace morvane
