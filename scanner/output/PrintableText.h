// Names come from the files scanned, and a file or an entry of an archive may be named with any
// bytes: a line break in a name would start a line of the log that the scan never wrote, and an
// escape sequence would drive the terminal. Wherever a name is shown or logged, its control
// characters are written out instead.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// `text` (UTF-8, or any bytes) with each control character as an escape: "\r", "\n", "\t", and
// "\xHH" for the other C0 controls and DEL; a C1 control, two bytes in UTF-8, as "\xC2\x9B".
// A backslash stays as it is: Windows paths are full of them.
std::string Printable(std::string_view text);

}  // namespace morvane
