#include "CommandLine.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "PathHelpers.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morvane {

#ifdef _WIN32
QString CommandLineText(int, char**) {
    const QString whole = QString::fromWCharArray(GetCommandLineW());
    qsizetype i = 0;
    if (whole.startsWith(u'"')) {
        const qsizetype closing = whole.indexOf(u'"', 1);
        i = closing < 0 ? whole.size() : closing + 1;
    } else {
        while (i < whole.size() && whole[i] != u' ' && whole[i] != u'\t') ++i;
    }
    while (i < whole.size() && (whole[i] == u' ' || whole[i] == u'\t')) ++i;
    return whole.mid(i);
}
#else
QString CommandLineText(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments.join(u' ');
}
#endif

QString CleanCommandLinePath(QString text) {
    if (text.endsWith(u'"')) text.chop(1);
    if (text.startsWith(u'"')) text.remove(0, 1);
    return text;
}

bool OpensForReading(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isDir()) return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

QString ParentFolder(const QString& path) {
    const qsizetype separator = path.lastIndexOf(QChar::fromLatin1(kPathSeparator));
    return separator < 0 ? QString() : path.left(separator);
}

}  // namespace morvane
