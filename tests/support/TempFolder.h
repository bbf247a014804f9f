// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

#include "MediaSamples.h"

namespace morvane::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const noexcept { return path_; }  // ends with the separator
    // Take `relative` with "/" between its parts; return path() + relative in the platform's own
    // form, with any missing folders made.
    std::string Write(const std::string& relative, const Bytes& bytes) const;
    std::string MakeFolder(const std::string& relative) const;

  private:
    std::string path_;
};

Bytes ReadFileBytes(const std::string& path);
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
// Every regular file under `folder`, as paths relative to it with "/" separators, sorted.
std::vector<std::string> ListTree(const std::string& folder);

}  // namespace morvane::test
