// The command line's path, the parent folder of a path, and the volume that holds a path.
#include <QDir>
#include <QTest>

#include "CommandLine.h"
#include "Volumes.h"

using namespace morvane;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void quotesAreStrippedOnceAtEachEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted, blanks") << "\"/tmp/my folder/a.dll\""
                                        << "/tmp/my folder/a.dll";
        QTest::newRow("blanks unquoted") << "/tmp/my folder/a b"
                                         << "/tmp/my folder/a b";
        QTest::newRow("closing only") << "/tmp/a\""
                                      << "/tmp/a";
        QTest::newRow("opening only") << "\"/tmp/a"
                                      << "/tmp/a";
        QTest::newRow("doubled quotes") << "\"\"/tmp/a\"\""
                                        << "\"/tmp/a\"";
        QTest::newRow("lone quote") << "\""
                                    << "";
        QTest::newRow("outer blanks stay") << " \"/tmp/a\" "
                                           << " \"/tmp/a\" ";
    }
    void quotesAreStrippedOnceAtEachEnd() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QCOMPARE(CleanCommandLinePath(text), path);
    }

    void parentFolderIsTheTextBeforeTheLastSeparator() {
        const QString sep = QDir::separator();
        QCOMPARE(ParentFolder(sep + "a" + sep + "b.dll"), sep + "a");
        QCOMPARE(ParentFolder(sep + "b.dll"), QString());
        QCOMPARE(ParentFolder("b.dll"), QString());
        QCOMPARE(ParentFolder(sep + "a" + sep + "b" + sep), sep + "a" + sep + "b");
    }

#ifndef _WIN32
    void argumentsJoinIntoOneText() {
        char program[] = "morvane", first[] = "/tmp/my", second[] = "folder/x.dll";
        char* argv[] = {program, first, second, nullptr};
        QCOMPARE(CommandLineText(3, argv), QStringLiteral("/tmp/my folder/x.dll"));
        QCOMPARE(CommandLineText(1, argv), QString());
    }

    void theLongestVolumeRootHoldsAPath() {
        const QStringList volumes{"/", "/media/usb", "/media/usb2"};
        QCOMPARE(VolumeOfPath("/home/user/x", volumes), QStringLiteral("/"));
        QCOMPARE(VolumeOfPath("/media/usb/a/b", volumes), QStringLiteral("/media/usb"));
        QCOMPARE(VolumeOfPath("/media/usb2", volumes), QStringLiteral("/media/usb2"));
        QCOMPARE(VolumeOfPath("/media/usbx/a", volumes), QStringLiteral("/"));
        QCOMPARE(VolumeOfPath("relative/x", volumes), QString());
        const QStringList listed = ListVolumes();
        QVERIFY(!listed.isEmpty());
        QCOMPARE(listed.first(), QStringLiteral("/"));
        QCOMPARE(listed.count(QStringLiteral("/")), 1);
    }
#endif
};

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
