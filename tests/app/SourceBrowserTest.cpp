// The browser chain on real folders: the folder list's entries, moving by activation, and the
// drive list falling back when a volume cannot be shown.
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include "MediaSamples.h"
#include "SourceBrowser.h"
#include "TempFolder.h"

using namespace morvane;

class SourceBrowserTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture {
        test::TempFolder temp;
        QString volume = QString::fromStdString(temp.path()).chopped(1);
        QString missingVolume = volume + QStringLiteral("/no-medium");
        QComboBox drive1, combo1;
        QListWidget dir1, file1;
        SourceBrowser browser{drive1, dir1, file1, combo1, {"/", volume, missingVolume}};

        Fixture() {
            for (const char* file : {"A/one.bin", "A/b/two.dll", "A/C/three.exe", "A/.hid/x.bin"})
                temp.Write(file, test::Bytes{1});
        }
        QString Path(const QString& relative) const { return volume + u'/' + relative; }
        QStringList Dir1Texts() const {
            QStringList texts;
            for (int i = 0; i < dir1.count(); ++i) texts << dir1.item(i)->text().trimmed();
            return texts;
        }
        void ChooseDrive(const QString& name) {
            drive1.setCurrentIndex(drive1.findData(name));
            browser.Drive1_Change();
        }
    };

  private slots:
    void initTestCase() {
#ifdef _WIN32
        QSKIP("The volumes here are folders of a POSIX tree.");
#endif
    }

    // The folder list shows the way down and the sub-folders; activating one moves both lists,
    // and a folder that is not there changes nothing.
    void theFolderListFollowsActivation() {
        Fixture f;
        QVERIFY(f.browser.SetFolder(f.Path("A")));
        QCOMPARE(f.Dir1Texts().first(), QStringLiteral("/"));
        QCOMPARE(f.Dir1Texts().mid(f.dir1.count() - 3), QStringList({"A", "b", "C"}));
        QCOMPARE(f.dir1.currentRow(), f.dir1.count() - 3);
        f.dir1.show();  // a sub-folder's row is as tall as those of the way down
        QCOMPARE(f.dir1.visualItemRect(f.dir1.item(f.dir1.count() - 1)).height(),
                 f.dir1.visualItemRect(f.dir1.item(0)).height());
        QCOMPARE(f.browser.Drive(), f.volume);
        QCOMPARE(f.browser.FileFolder(), f.Path("A"));
        QCOMPARE(f.browser.Files(), QStringList({"one.bin"}));
        emit f.dir1.itemActivated(f.dir1.item(f.dir1.count() - 1));
        QTRY_COMPARE(f.browser.Folder(), f.Path("A/C"));
        QCOMPARE(f.browser.Files(), QStringList({"three.exe"}));
        emit f.dir1.itemActivated(f.dir1.item(f.dir1.count() - 2));
        QTRY_COMPARE(f.browser.Folder(), f.Path("A"));

        QVERIFY(f.browser.SetFolder(f.Path("A/b")));
        QVERIFY(!f.browser.SetFolder(f.Path("A/none")));
        QVERIFY(!f.browser.SetFolder(f.Path("A/one.bin")));
        QCOMPARE(f.browser.Folder(), f.Path("A/b"));
        QCOMPARE(f.browser.Files(), QStringList({"two.dll"}));
    }

    void theDriveListReturnsToTheLastFolderOrGivesWay() {
        Fixture f;
        QVERIFY(f.browser.SetFolder(f.Path("A/b")));
        f.ChooseDrive(QStringLiteral("/"));
        QCOMPARE(f.browser.Folder(), QStringLiteral("/"));
        f.ChooseDrive(f.volume);
        QCOMPARE(f.browser.Folder(), f.Path("A/b"));

        // A volume that cannot be shown leaves the folder and shows the current volume again.
        f.ChooseDrive(f.missingVolume);
        QCOMPARE(f.browser.Folder(), f.Path("A/b"));
        QCOMPARE(f.browser.Drive(), f.volume);

        // Setting the drive alone does not move the folder list.
        QVERIFY(f.browser.SetDrive(QStringLiteral("/")));
        QCOMPARE(f.browser.Folder(), f.Path("A/b"));
        QVERIFY(!f.browser.SetDrive(QStringLiteral("/elsewhere")));
    }
};

QTEST_MAIN(SourceBrowserTest)
#include "SourceBrowserTest.moc"
