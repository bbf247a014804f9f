// The marks that hide a file or protect it, set each platform's own way. Outside Windows the
// leading "." HiddenName adds is what hides an entry; on Windows MarkHidden sets the attribute.
#pragma once

#include <string>

namespace morvane::test {

std::string HiddenName(const std::string& name);
void MarkHidden(const std::string& path);
void MarkReadOnly(const std::string& path);  // the read-only attribute on Windows
#ifdef _WIN32
void MarkSystem(const std::string& path);
#endif

}  // namespace morvane::test
