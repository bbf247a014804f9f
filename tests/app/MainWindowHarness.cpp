#include "MainWindowHarness.h"

#include <QtTest>
#include <QtWidgets>

#include "MediaSamples.h"

namespace morvane::test {

MainWindowHarness::MainWindowHarness()
    : settingsFile_(QString::fromStdString(app.path()) + QStringLiteral("settings.ini")) {
    QFile::copy(ShippedEnglishFile(), AppFolder() + QStringLiteral("English.ini"));
}

Form1& MainWindowHarness::Start(const QString& commandLine) {
    store_ = QSettingsStore::OpenFile(settingsFile_);
    window_ = std::make_unique<Form1>(
        session, Form1Setup{*store_, commandLine,
                            [this](const CatalogueParts& parts) -> CatalogueCommands& {
                                if (!realCatalogue) return commands;
                                catalogue_ = std::make_unique<Catalogue>(session, parts);
                                return *catalogue_;
                            },
                            commands});
    window_->Form_Load();
    return *window_;
}

QString MainWindowHarness::WriteSource(const std::string& relative) const {
    Bytes bytes = Filler(64);
    for (const Bytes& part : {MakeGif(), Filler(64, 2)}) Append(bytes, part);
    return QDir::toNativeSeparators(QString::fromStdString(sources.Write(relative, bytes)));
}

QString MainWindowHarness::WriteLargeSource(const std::string& relative) const {
    const QString path = WriteSource(relative);
    QFile file(path);
    const Bytes gif = MakeGif();
    if (!file.open(QIODevice::ReadWrite) || !file.resize(400LL << 20) ||
        !file.seek((400LL << 20) - 4096) ||
        file.write(reinterpret_cast<const char*>(gif.data()), static_cast<qint64>(gif.size())) < 0)
        return {};
    return path;
}

bool MainWindowHarness::ScanEnds() const {
    return QTest::qWaitFor([this] { return window_ != nullptr && !window_->IsScanning(); }, 60000);
}

QStringList MainWindowHarness::ScannedSources() const {
    QFile log(QString::fromStdString(output.path()) + QStringLiteral("LOG.txt"));
    if (!log.open(QIODevice::ReadOnly)) return {};
    QStringList scanned;
    for (const QString& line : QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n")))
        if (line.startsWith(QStringLiteral("Start: ")))
            scanned << QDir::fromNativeSeparators(
                line.mid(line.indexOf(QStringLiteral(" (")) + 2 + Source({}).size()).chopped(1));
    return scanned;
}

Form4* VisibleProgressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form4 = qobject_cast<Form4*>(widget); form4 != nullptr && form4->isVisible())
            return form4;
    return nullptr;
}

}  // namespace morvane::test
