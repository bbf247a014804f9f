#include "OutputRootChoice.h"

#include <QDir>
#include <QTemporaryFile>

#include "LanguageText.h"

namespace morvane {

namespace {
// Permission bits do not tell (root, access lists, a read-only mount), so a file is made.
bool CanWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("morvane-write-probe-XXXXXX"));
    return probe.open();
}
}  // namespace

OutputRootChoice ChooseOutputRoot(const std::string& programFolder, const QString& userFolder) {
    if (CanWriteIn(QString::fromStdString(programFolder))) return {programFolder, false};
    QDir().mkpath(userFolder);
    return {QDir::toNativeSeparators(QDir(userFolder).absolutePath() + u'/').toStdString(), true};
}

QString OutputFolderNote(const OutputRootChoice& choice, const QString& language) {
    if (!choice.fellBack) return {};
    const QString folder = QString::fromStdString(choice.root);
    if (language == kDefaultLanguage)
        return QStringLiteral("Τα αρχεία που εξάγονται και το LOG.txt γράφονται στο ") + folder;
    return QStringLiteral("Extracted files and LOG.txt are written to ") + folder;
}

}  // namespace morvane
