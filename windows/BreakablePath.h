// A path shown in a word-wrapped label: it has no blanks to break at, so it is given a place to
// break (a zero-width space) after each separator, and wraps rather than widening its window.
#pragma once

#include <QString>

namespace morvane {

// `text` with a zero-width space after every "/" and "\".
QString BreakablePath(QString text);

}  // namespace morvane
