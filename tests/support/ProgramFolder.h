// A temporary program folder for the window code's tests: its path ends in a separator, as the
// program's own folder does, and small files (language files, help pages) are written into it.
#pragma once

#include <QtCore>

namespace morvane::test {

// The English language file as the build places it beside the programs, these tests among them.
inline QString ShippedEnglishFile() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/English.ini");
}

class ProgramFolder {
  public:
    QString Path() const { return QDir(dir_.path()).absolutePath() + u'/'; }

    // Writes `bytes` to `name` inside the folder and returns the file's path.
    QString Write(const QString& name, const QByteArray& bytes = {}) const {
        const QString path = Path() + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file %s", qPrintable(path));
        return path;
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace morvane::test
