// Writing small language files into a test's temporary folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

namespace morvane::test {

// Writes `bytes` to `name` in `folder` and returns the file's path.
inline QString WriteFile(const QTemporaryDir& folder, const QString& name,
                         const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write the test file %s", qPrintable(path));
    }
    return path;
}

}  // namespace morvane::test
