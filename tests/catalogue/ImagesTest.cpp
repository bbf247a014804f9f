// The shared image list (22 distinct 16×16 images, the kind keys, the categories' images) and
// icon files of several sizes (the preview takes the largest, an export the nearest size).
#include <QFile>
#include <QTest>

#include "IconFile.h"
#include "IconImages.h"
#include "TempFolder.h"
#include "ToolbarImageList.h"

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

class ImagesTest : public QObject {
    Q_OBJECT

  private slots:
    void twentyTwoDistinctDrawnImagesAndTheirKeys() {
        const ToolbarImageList images;
        for (int i = 1; i <= ToolbarImageList::kCount; ++i) {
            const QImage& image = images.Image(i);
            QCOMPARE(image.size(), QSize(16, 16));
            int painted = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
            QVERIFY2(painted >= 40, qPrintable(QStringLiteral("image %1 is nearly empty").arg(i)));
            for (int j = 1; j < i; ++j)
                QVERIFY2(images.Image(j) != image,
                         qPrintable(QStringLiteral("%1 = %2").arg(j).arg(i)));
        }
        // Keys are the kinds' names in capitals; the sound category's image has no kind key.
        QCOMPARE(ToolbarImageList::IndexOfKey(u"ICO").value_or(-1), 11);
        QVERIFY(!ToolbarImageList::IndexOfKey(u"ico") && !ToolbarImageList::IndexOfKey(u"EXE"));
        QCOMPARE(ToolbarImageList::CategoryImage(ResourceKind::ANI), 22);
        const int sound = ToolbarImageList::CategoryImage(ResourceKind::WAV);
        for (const auto& key :
             {u"BMP", u"CUR", u"GIF", u"JPG", u"ICO", u"WAV", u"AVI", u"PNG", u"MID", u"ANI"})
            QVERIFY(ToolbarImageList::IndexOfKey(key).value_or(sound) != sound);
    }

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
        QVERIFY(file.open(QIODevice::WriteOnly));  // one image: the plain preview and export
        file.write(IconFileBytes(Square(32, Qt::green)));
        file.close();
        QVERIFY(!LargestIconImage(path) && !NearestIconImage(path, 16));
    }
};

QTEST_MAIN(ImagesTest)
#include "ImagesTest.moc"
