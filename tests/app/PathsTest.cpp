// Paths the window program works out: the command line's path, the parent folder, the volume
// that holds a path, where it writes (beside the program, else in the user's data folder), and
// the browser chain on real folders, with the drive list falling back from a volume it cannot
// show.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "CommandLine.h"
#include "OutputRootChoice.h"
#include "SourceBrowser.h"
#include "TempFolder.h"
#include "Volumes.h"
#include "frmAbout.h"

using namespace morvane;

class PathsTest : public QObject {
    Q_OBJECT

  private slots:
    void commandLinesParentsAndVolumes() {
        const std::pair<const char*, const char*> quoted[] = {
            {"\"/tmp/my folder/a.dll\"", "/tmp/my folder/a.dll"},
            {"/tmp/my folder/a b", "/tmp/my folder/a b"},
            {"/tmp/a\"", "/tmp/a"},
            {"\"/tmp/a", "/tmp/a"},
            {"\"\"/tmp/a\"\"", "\"/tmp/a\""},  // one quote off each end
            {"\"", ""},
            {" \"/tmp/a\" ", " \"/tmp/a\" "}};
        for (const auto& [text, path] : quoted) QCOMPARE(CleanCommandLinePath(text), path);
        const QString sep = QDir::separator();
        QCOMPARE(ParentFolder(sep + "a" + sep + "b.dll"), sep + "a");
        QCOMPARE(ParentFolder(sep + "b.dll"), QString());
        QCOMPARE(ParentFolder("b.dll"), QString());
        QCOMPARE(ParentFolder(sep + "a" + sep + "b" + sep), sep + "a" + sep + "b");
#ifndef _WIN32
        char program[] = "morvane", first[] = "/tmp/my", second[] = "folder/x.dll";
        char* argv[] = {program, first, second, nullptr};
        QCOMPARE(CommandLineText(3, argv), QStringLiteral("/tmp/my folder/x.dll"));
        QCOMPARE(CommandLineText(1, argv), QString());
        const QStringList volumes{"/", "/media/usb", "/media/usb2"};
        QStringList found;
        for (const char* path :
             {"/home/user/x", "/media/usb/a/b", "/media/usb2", "/media/usbx/a", "relative/x"})
            found << VolumeOfPath(path, volumes);
        QCOMPARE(found, QStringList({"/", "/media/usb", "/media/usb2", "/", ""}));
        const QStringList listed = ListVolumes();
        QVERIFY(!listed.isEmpty() && listed.first() == u"/" &&
                listed.count(QStringLiteral("/")) == 1);
#endif
    }

    // A writable program folder keeps everything and the probe leaves nothing behind; one that
    // cannot be written (a folder under a file, which even root cannot make) falls back to the
    // user folder, and the about box says so.
    void whereTheItemsGo() {
        test::TempFolder program, user;
        const QString userFolder = QString::fromStdString(user.path()) + "Pellam/Morvane";
        const OutputRootChoice kept = ChooseOutputRoot(program.path(), userFolder);
        QCOMPARE(kept.root, program.path());
        QVERIFY(!kept.fellBack && !QDir(userFolder).exists());
        QVERIFY(test::ListTree(program.path()).empty());
        QVERIFY(OutputFolderNote(kept, QStringLiteral("Default")).isEmpty());

        const OutputRootChoice choice = ChooseOutputRoot(
            program.Write("program", {1}) + QDir::separator().toLatin1(), userFolder);
        QVERIFY(choice.fellBack && QDir(userFolder).exists());
        QCOMPARE(QString::fromStdString(choice.root), QDir::toNativeSeparators(userFolder + u'/'));
        const QString english = OutputFolderNote(choice, QStringLiteral("/x/English.ini"));
        QCOMPARE(english, "Extracted files and LOG.txt are written to " +
                              QString::fromStdString(choice.root));
        QVERIFY(OutputFolderNote(choice, QStringLiteral("Default")).contains(u"LOG.txt"));
        frmAbout about(QStringLiteral("Default"), QStringLiteral("Morvane"), QIcon());
        about.ShowOutputFolder(english);
        QVERIFY(about.lblOutputFolder()->isVisibleTo(&about));
        QCOMPARE(about.lblOutputFolder()->text().remove(QChar(0x200B)), english);
    }

    // The folder list shows the way down and the sub-folders; activating one moves both lists, a
    // folder that is not there changes nothing; the drive list returns to a volume's last folder,
    // and one that cannot be shown gives way to the current volume.
    void theBrowserChain() {
#ifdef _WIN32
        QSKIP("The volumes here are folders of a POSIX tree.");
#endif
        test::TempFolder temp;
        for (const char* file : {"A/one.bin", "A/b/two.dll", "A/C/three.exe", "A/.hid/x.bin"})
            temp.Write(file, test::Bytes{1});
        const QString volume = QString::fromStdString(temp.path()).chopped(1);
        const auto path = [&](const char* relative) { return volume + u'/' + relative; };
        QComboBox drive1, combo1;
        QListWidget dir1, file1;
        SourceBrowser browser{drive1, dir1, file1, combo1, {"/", volume, volume + "/no-medium"}};
        const auto chooseDrive = [&](const QString& name) {
            drive1.setCurrentIndex(drive1.findData(name));
            browser.Drive1_Change();
        };

        QVERIFY(browser.SetFolder(path("A")));
        const int rows = dir1.count();
        QStringList texts;
        for (int i = 0; i < rows; ++i) texts << dir1.item(i)->text().trimmed();
        QCOMPARE(texts.first(), QStringLiteral("/"));
        QCOMPARE(texts.mid(rows - 3), QStringList({"A", "b", "C"}));
        QCOMPARE(dir1.currentRow(), rows - 3);
        dir1.show();  // a sub-folder's row is as tall as those of the way down
        QCOMPARE(dir1.visualItemRect(dir1.item(rows - 1)).height(),
                 dir1.visualItemRect(dir1.item(0)).height());
        QCOMPARE(browser.Drive(), volume);
        QCOMPARE(browser.FileFolder(), path("A"));
        QCOMPARE(browser.Files(), QStringList({"one.bin"}));
        emit dir1.itemActivated(dir1.item(rows - 1));
        QTRY_COMPARE(browser.Folder(), path("A/C"));
        QCOMPARE(browser.Files(), QStringList({"three.exe"}));
        emit dir1.itemActivated(dir1.item(dir1.count() - 2));
        QTRY_COMPARE(browser.Folder(), path("A"));
        QVERIFY(browser.SetFolder(path("A/b")));
        QVERIFY(!browser.SetFolder(path("A/none")));
        QVERIFY(!browser.SetFolder(path("A/one.bin")));
        QCOMPARE(browser.Folder(), path("A/b"));
        QCOMPARE(browser.Files(), QStringList({"two.dll"}));

        chooseDrive(QStringLiteral("/"));
        QCOMPARE(browser.Folder(), QStringLiteral("/"));
        chooseDrive(volume);
        QCOMPARE(browser.Folder(), path("A/b"));
        chooseDrive(volume + "/no-medium");
        QCOMPARE(browser.Folder(), path("A/b"));
        QCOMPARE(browser.Drive(), volume);
        // Setting the drive alone does not move the folder list.
        QVERIFY(browser.SetDrive(QStringLiteral("/")));
        QCOMPARE(browser.Folder(), path("A/b"));
        QVERIFY(!browser.SetDrive(QStringLiteral("/elsewhere")));
    }
};

QTEST_MAIN(PathsTest)
#include "PathsTest.moc"
