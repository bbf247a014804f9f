// A file or folder dropped on the main window is scanned as the command line would scan it;
// a drop that carries no local path is refused and scans nothing.
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "MainWindowHarness.h"

using namespace morvane;

namespace {
bool Drop(Form1& window, const QMimeData& data) {
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

bool DropUrl(Form1& window, const QUrl& url) {
    QMimeData data;
    data.setUrls({url});
    return Drop(window, data);
}
}  // namespace

class DropTest : public QObject {
    Q_OBJECT

  private slots:
    void aDroppedFileAloneThenTheFolderAsABatch() {
        test::MainWindowHarness h;
        const QString one = h.WriteSource("a/one.dll");
        const QString two = h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        QVERIFY(DropUrl(window, QUrl::fromLocalFile(one)));
        QCOMPARE(h.ScannedSources(), QStringList{one});
        QVERIFY(DropUrl(window, QUrl::fromLocalFile(h.Source("a"))));
        QCOMPARE(h.ScannedSources(), (QStringList{one, one, two}));
    }

    void aDropWithoutALocalPathIsRefused() {
        test::MainWindowHarness h;
        Form1& window = h.Start();
        QMimeData text;
        text.setText(QStringLiteral("C:\\not\\a\\drop"));
        QVERIFY(!Drop(window, text));
        QVERIFY(!DropUrl(window, QUrl(QStringLiteral("https://example.invalid/a.dll"))));
        QVERIFY(h.ScannedSources().isEmpty());
    }
};

QTEST_MAIN(DropTest)
#include "DropTest.moc"
