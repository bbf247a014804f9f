// A main window on real files (a program folder with English.ini, an output folder, a settings
// file, sources), its message boxes, shell and later commands recorded: nothing waits for a person.
#pragma once

#include <QtCore>
#include <functional>
#include <memory>

#include "Catalogue.h"
#include "CatalogueCommands.h"
#include "DialogCommands.h"
#include "Form1.h"
#include "Form4.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "QSettingsStore.h"
#include "RecordingShell.h"
#include "Session.h"
#include "TempFolder.h"

namespace morvane::test {

class RecordingMessageBoxes final : public MessageBoxes {
  public:
    QStringList shown;
    void Show(const QString&, const QString& text) override { shown << text; }
    void Critical(const QString&, const QString& text) override { shown << text; }
    bool Ask(const QString&, const QString& text) override { return (shown << text, false); }
};

class RecordingCommands final : public CatalogueCommands, public DialogCommands {
  public:
    QStringList calls;
    std::function<void()> onDeleteOnExit;

    void OpenItem() override { calls << "OpenItem"; }
    void DeleteItem() override { calls << "DeleteItem"; }
    void DeleteAllItems() override { calls << "DeleteAllItems"; }
    void ExportIcon(int size) override { calls << QStringLiteral("ExportIcon %1").arg(size); }
    void RemoveNode() override { calls << "RemoveNode"; }
    void ClearCategory() override { calls << "ClearCategory"; }
    void ClearAllNodes() override { calls << "ClearAllNodes"; }
    void DeleteOnExit(std::function<void()> done) override {
        calls << "DeleteOnExit";
        if (onDeleteOnExit) onDeleteOnExit();
        done();
    }
    void ShowOptions(QWidget&, const QString& title) override { calls << "ShowOptions " + title; }
    void ShowLanguages(QWidget&, const QString& title) override {
        calls << "ShowLanguages " + title;
    }
    void ShowHelp() override { calls << "ShowHelp"; }
    void ShowAbout(QWidget&, const std::optional<QString>& title) override {
        calls << (title ? "ShowAbout " + *title : QStringLiteral("ShowAbout"));
    }
};

class MainWindowHarness {
  public:
    MainWindowHarness();

    // A value in the settings file, before the start or as the file holds it now.
    void Store(const QString& key, const QString& value) {
        QSettings(settingsFile_, QSettings::IniFormat).setValue("Morvane/" + key, value);
    }
    QString Stored(const QString& key) const {
        return QSettings(settingsFile_, QSettings::IniFormat).value("Morvane/" + key).toString();
    }

    // Makes the main window and runs its start-up with `commandLine`.
    Form1& Start(const QString& commandLine = {});
    Form1* Window() const { return window_.get(); }  // nullptr before Start

    QString AppFolder() const { return QString::fromStdString(app.path()); }
    QString Source(const std::string& relative) const {
        return QDir::toNativeSeparators(QString::fromStdString(sources.path() + relative));
    }
    // Writes a small source holding one GIF picture; returns its path.
    QString WriteSource(const std::string& relative) const;
    // Writes a source of 400 MiB, mostly a hole that costs no disk, with a GIF picture in its
    // first MiB and one in its last: long enough to act while it is scanned. Returns its path.
    QString WriteLargeSource(const std::string& relative) const;
    // Lets the event loop run until the window's scan has ended; false if it does not end.
    bool ScanEnds() const;
    // The sources scanned so far, in order, from the scan log, relative to their folder.
    QStringList ScannedSources() const;

    TempFolder app, output, sources;
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    Session session{boxes, shell, AppFolder(), output.path()};
    RecordingCommands commands;
    // The window's own catalogue rather than the recorder, for the item commands: set before
    // Start.
    bool realCatalogue = false;

  private:
    QString settingsFile_;
    std::unique_ptr<QSettingsStore> store_;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<Form1> window_;
};

// The progress window on the screen, if any.
Form4* VisibleProgressWindow();

// Runs `poll` at every pass of the event loop while it lives: the way a test acts during a scan,
// as a user does between two of its yields.
class EveryEventLoopPass {
  public:
    explicit EveryEventLoopPass(std::function<void()> poll) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(poll));
        timer_.start(0);
    }

  private:
    QTimer timer_;
};

}  // namespace morvane::test
