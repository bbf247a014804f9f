// The marks that hide a file or protect it, set each platform's own way, so that one test can
// say "a hidden file" on every platform.
#pragma once

#include <string>

namespace morvane::test {

// The name to give a file that is to be hidden: outside Windows the leading "." is what hides
// it; on Windows the name stays as it is and MarkHidden sets the attribute.
std::string HiddenName(const std::string& name);

// Hides the entry at `path`, named with HiddenName (nothing more to do outside Windows).
void MarkHidden(const std::string& path);

// Takes the write permission away (the read-only attribute on Windows).
void MarkReadOnly(const std::string& path);

#ifdef _WIN32
// Sets the system attribute, which only Windows has.
void MarkSystem(const std::string& path);
#endif

}  // namespace morvane::test
