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

QMimeData* Paths(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

}  // namespace

class DropTest : public QObject {
    Q_OBJECT

  private slots:
    void aDroppedFileIsScannedAlone() {
        test::MainWindowHarness h;
        const QString file = h.WriteSource("a/one.dll");
        h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        const std::unique_ptr<QMimeData> data(Paths({file}));
        QVERIFY(Drop(window, *data));
        QCOMPARE(h.ScannedSources(), QStringList{file});
    }

    void aDroppedFolderIsScannedAsABatch() {
        test::MainWindowHarness h;
        const QString one = h.WriteSource("a/one.dll");
        const QString two = h.WriteSource("a/two.dll");
        Form1& window = h.Start();
        const std::unique_ptr<QMimeData> data(Paths({h.Source("a")}));
        QVERIFY(Drop(window, *data));
        QCOMPARE(h.ScannedSources(), (QStringList{one, two}));
    }

    void aDropWithoutALocalPathIsRefused() {
        test::MainWindowHarness h;
        Form1& window = h.Start();
        QMimeData text;
        text.setText(QStringLiteral("C:\\not\\a\\drop"));
        QVERIFY(!Drop(window, text));
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.invalid/a.dll"))});
        QVERIFY(!Drop(window, web));
        QVERIFY(h.ScannedSources().isEmpty());
    }
};

QTEST_MAIN(DropTest)
#include "DropTest.moc"
