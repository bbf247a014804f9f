// The command line of the window program: its whole argument text is one path, of a file or of
// a folder. There are no switches.
#pragma once

#include <QString>

namespace morvane {

// The argument text after the program's name: on Windows the process's own command line as
// typed; elsewhere the arguments joined by single blanks, so that a path with blanks needs no
// quoting there either.
QString CommandLineText(int argc, char** argv);

// The path in `text`: one double quote removed from its end, then one from its start. Blanks
// stay part of the path.
QString CleanCommandLinePath(QString text);

// Whether `path` names something that opens for reading as a file (folders never do).
bool OpensForReading(const QString& path);

// The text before the last path separator of `path`; empty when it has none.
QString ParentFolder(const QString& path);

}  // namespace morvane
