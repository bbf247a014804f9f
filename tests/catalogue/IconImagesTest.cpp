// An icon file of several sizes: the preview takes the largest, an export the nearest size.
#include <QFile>
#include <QTest>

#include "IconFile.h"
#include "IconImages.h"
#include "TempFolder.h"

using namespace morvane;

namespace {
QImage Square(int size, QColor colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// One icon file holding every image, each as the one-image writer stores it.
QByteArray SeveralImages(const QList<QImage>& images) {
    QByteArray directory("\0\0\1\0", 4), data;
    directory.append(char(images.size())).append('\0');
    const int dataStart = 6 + 16 * int(images.size());
    for (const QImage& image : images) {
        const QByteArray one = IconFileBytes(image);
        QByteArray entry = one.mid(6, 16);
        const quint32 offset = quint32(dataStart + data.size());
        for (int i = 0; i < 4; ++i) entry[12 + i] = char(offset >> (8 * i));
        directory += entry;
        data += one.mid(22);
    }
    return directory + data;
}
}  // namespace

class IconImagesTest : public QObject {
    Q_OBJECT

  private slots:
    void largestForThePreviewNearestForAnExport() {
        test::TempFolder temp;
        const QString path = QString::fromStdString(temp.path()) + "group.ICO";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            SeveralImages({Square(16, Qt::red), Square(48, Qt::blue), Square(32, Qt::green)}));
        file.close();

        QCOMPARE(LargestIconImage(path)->width(), 48);
        QCOMPARE(NearestIconImage(path, 16)->pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(NearestIconImage(path, 32)->pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(NearestIconImage(path, 40)->width(), 48);  // a tie goes to the larger

        // A one-image icon keeps the plain preview and export.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(IconFileBytes(Square(32, Qt::green)));
        file.close();
        QVERIFY(!LargestIconImage(path));
        QVERIFY(!NearestIconImage(path, 16));
    }
};

QTEST_MAIN(IconImagesTest)
#include "IconImagesTest.moc"
