// The shared image list: 22 distinct 16×16 images, the kind keys and the categories' images.
#include <QTest>

#include "ToolbarImageList.h"

using morvane::ToolbarImageList;

class ToolbarImageListTest : public QObject {
    Q_OBJECT

  private slots:
    void twentyTwoDistinctDrawnImages() {
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
                         qPrintable(QStringLiteral("images %1 and %2 are alike").arg(j).arg(i)));
        }
    }

    // Keys are the kinds' names in capitals only; the sound category shows an image no kind key
    // names.
    void keysAndCategoryImages() {
        QCOMPARE(ToolbarImageList::IndexOfKey(u"ICO").value_or(-1), 11);
        QVERIFY(!ToolbarImageList::IndexOfKey(u"ico"));
        QVERIFY(!ToolbarImageList::IndexOfKey(u"EXE"));
        QCOMPARE(ToolbarImageList::CategoryImage(morvane::ResourceKind::ANI), 22);
        const int sound = ToolbarImageList::CategoryImage(morvane::ResourceKind::WAV);
        for (const auto& key :
             {u"BMP", u"CUR", u"GIF", u"JPG", u"ICO", u"WAV", u"AVI", u"PNG", u"MID", u"ANI"})
            QVERIFY(ToolbarImageList::IndexOfKey(key).value_or(sound) != sound);
    }
};

QTEST_MAIN(ToolbarImageListTest)
#include "ToolbarImageListTest.moc"
