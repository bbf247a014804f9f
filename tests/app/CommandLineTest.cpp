// The command line's path, the parent folder of a path, and the volume that holds a path.
#include <QDir>
#include <QTest>

#include "CommandLine.h"
#include "TempFolder.h"
#include "Volumes.h"

using namespace morvane;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void quotesAreStrippedOnceAtEachEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted, blanks") << "\"/tmp/my folder/a file.dll\"" << "/tmp/my folder/a file.dll";
        QTest::newRow("blanks unquoted") << "/tmp/my folder/a b" << "/tmp/my folder/a b";
        QTest::newRow("closing only") << "/tmp/a\"" << "/tmp/a";
        QTest::newRow("opening only") << "\"/tmp/a" << "/tmp/a";
        QTest::newRow("doubled quotes") << "\"\"/tmp/a\"\"" << "\"/tmp/a\"";
        QTest::newRow("lone quote") << "\"" << "";
        QTest::newRow("outer blanks stay") << " \"/tmp/a\" " << " \"/tmp/a\" ";
    }
    void quotesAreStrippedOnceAtEachEnd() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QCOMPARE(CleanCommandLinePath(text), path);
    }

    void argumentsJoinIntoOneText() {
#ifndef _WIN32
        char program[] = "morvane", first[] = "/tmp/my", second[] = "folder/x.dll";
        char* argv[] = {program, first, second, nullptr};
        QCOMPARE(CommandLineText(3, argv), QStringLiteral("/tmp/my folder/x.dll"));
        QCOMPARE(CommandLineText(1, argv), QString());
#endif
    }

    void parentFolderIsTheTextBeforeTheLastSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("parent");
        const QString sep = QDir::separator();
        QTest::newRow("file in a folder") << sep + "a" + sep + "b.dll" << sep + "a";
        QTest::newRow("file in the root") << sep + "b.dll" << "";
        QTest::newRow("bare name") << "b.dll" << "";
        QTest::newRow("trailing separator") << sep + "a" + sep + "b" + sep << sep + "a" + sep + "b";
    }
    void parentFolderIsTheTextBeforeTheLastSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, parent);
        QCOMPARE(ParentFolder(path), parent);
    }

    void onlyFilesOpenForReading() {
        const test::TempFolder temp;
        const QString file = QString::fromStdString(temp.Write("x.bin", test::Bytes{1, 2, 3}));
        QVERIFY(OpensForReading(file));
        QVERIFY(!OpensForReading(QString::fromStdString(temp.path())));
        QVERIFY(!OpensForReading(QString::fromStdString(temp.path() + "missing.bin")));
        QVERIFY(!OpensForReading(QString()));
    }

#ifndef _WIN32
    void theLongestVolumeRootHoldsAPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("volume");
        QTest::newRow("root") << "/home/user/x" << "/";
        QTest::newRow("mounted") << "/media/usb/a/b" << "/media/usb";
        QTest::newRow("the mount itself") << "/media/usb2" << "/media/usb2";
        QTest::newRow("a longer name is not inside") << "/media/usbx/a" << "/";
        QTest::newRow("relative") << "relative/x" << "";
    }
    void theLongestVolumeRootHoldsAPath() {
        QFETCH(QString, path);
        QFETCH(QString, volume);
        const QStringList volumes{"/", "/media/usb", "/media/usb2"};
        QCOMPARE(VolumeOfPath(path, volumes), volume);
    }

    void theRootComesFirst() {
        const QStringList volumes = ListVolumes();
        QVERIFY(!volumes.isEmpty());
        QCOMPARE(volumes.first(), QStringLiteral("/"));
        QCOMPARE(volumes.count(QStringLiteral("/")), 1);
    }
#endif
};

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
