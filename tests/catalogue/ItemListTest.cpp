// The item list and its images: what a source node lists and how, the status bar after a click,
// opening, the item menu, the 22 shared images, and icon files of several sizes (the preview
// takes the largest, an export the nearest size).
#include <QAction>
#include <QBuffer>
#include <QLocale>
#include <QTest>

#include "CatalogueFixture.h"
#include "IconFile.h"
#include "IconImages.h"
#include "ItemList.h"
#include "KindText.h"
#include "MediaSamples.h"

using namespace morvane;
using namespace morvane::test;

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

// An opaque 32×32 picture in `format`, as Qt writes it.
Bytes QtPicture(const QString& format) {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, qPrintable(format));
    return Bytes(buffer.data().begin(), buffer.data().end());
}

// How many pixels are painted, and the far corner of the painted ones.
std::pair<int, QPoint> Painted(const QImage& image) {
    int count = 0;
    QPoint corner(-1, -1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++count, corner = QPoint(std::max(corner.x(), x), y);
    return {count, corner};
}
}  // namespace

class ItemListTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // a.dll's node lists a.dll.bak's items too; icons and bitmaps show their own opaque pixels
    // without a caption, the other kinds the kind symbol filling the 32×32 cell, with the name.
    void everyKindsListing() {
        for (const ResourceKind kind : kAllKinds) {
            const QString k = KindText(kind);
            const bool own = k == u"ICO" || k == u"BMP" || k == u"JPG";
            const Bytes bytes = kind == ResourceKind::ICO ? MakeIcon32() : QtPicture(k);
            CatalogueFixture f;
            f.Source(k, "a.dll", 2, bytes);
            f.Extracted(k, "a.dll.bak_1." + k, bytes);
            f.Extracted(k, "b.dll_1." + k, bytes);
            f.ClickNode(k, "a.dll");
            QCOMPARE(f.ListedNames(),
                     (QStringList{"a.dll.bak_1." + k, "a.dll_1." + k, "a.dll_2." + k}));
            const QListWidgetItem* item = f.catalogue.Items().Item(2);
            QCOMPARE(item->text(),
                     own ? QString() : QFileInfo(item->data(Qt::UserRole).toString()).fileName());
            const QImage picture = f.catalogue.Items().Picture(2);
            QCOMPARE(picture.size(), QSize(32, 32));
            const auto [count, corner] = Painted(picture);
            QVERIFY2(own ? count == 32 * 32 : corner.x() >= 24 && corner.y() >= 24, qPrintable(k));
        }
    }

    // A file that is no picture shows the picture before it; the list is refilled, not added to.
    void unreadablePictureTakesThePreviousOne() {
        CatalogueFixture f;
        f.Source("BMP", "p", 1, MakeBmp(4, 4));
        f.ClickNode("BMP", "p");
        const QImage loaded = f.catalogue.Items().Picture(1);
        f.Extracted("BMP", "p_2.BMP", Bytes(30, 1));
        QFile::remove(f.Folder("BMP") + "p_1.BMP");
        f.ClickNode("BMP", "p");
        QCOMPARE(f.list->count(), 1);
        QCOMPARE(f.catalogue.Items().Picture(1), loaded);
    }

    // The status bar shows the path and the size in the user's own digit grouping; a double
    // click opens the clicked item, an index that names no item nothing.
    void clickShowsPathAndSizeAndDoubleClickOpens() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const std::tuple<QLocale, int, QString> rows[] = {
            {english, 2238, "2,238 bytes."},
            {QLocale(QLocale::German, QLocale::Germany), 2238, "2.238 bytes."},
            {english, 100, "100 bytes."}};
        for (const auto& [locale, size, text] : rows) {
            QLocale::setDefault(locale);
            CatalogueFixture f;
            f.Source("WAV", "s", 1);
            const QString path = f.Extracted("WAV", "s_2.WAV", Bytes(size_t(size), 0));
            f.ClickNode("WAV", "s");
            f.catalogue.OpenItem();
            QVERIFY(f.shell.opened.isEmpty());  // nothing clicked yet
            QVERIFY(f.ClickItem("s_2.WAV"));
            QCOMPARE(QStringList({f.panel1->text(), f.panel2->text()}), QStringList({path, text}));
            emit f.list->itemDoubleClicked(f.list->currentItem());
            f.selected = 5;
            f.catalogue.OpenItem();
            QCOMPARE(f.shell.opened, QStringList{path});
        }
    }

    // Export entries are enabled for icons and cursors only; a right click shows the menu only
    // after an item click and keeps the selection; the bold default entry is the pop-up's alone.
    void itemMenu() {
        for (const QString kind : {"ICO", "CUR", "ANI", "BMP"}) {
            CatalogueFixture f;
            QVERIFY(!f.catalogue.PrepareItemMenu());  // no item clicked: no menu
            f.Source(kind, "z", 1);
            f.ClickNode(kind, "z");
            QVERIFY(f.ClickItem("z_1." + kind));
            QVERIFY(f.catalogue.PrepareItemMenu());
            for (const char* name : {"bmp_menu", "ico_menu", "save_as_16_ico"})
                QCOMPARE(f.editMenu->findChild<QAction*>(name)->isEnabled(),
                         kind == u"ICO" || kind == u"CUR");
        }
        CatalogueFixture f;
        f.window.show();
        f.Source("ICO", "k", 1, MakeIcon32());
        f.ClickNode("ICO", "k");
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!f.editMenu->isVisible());
        QVERIFY(f.ClickItem("k_1.ICO"));
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(f.editMenu->isVisible());
        QCOMPARE(f.editMenu->defaultAction()->objectName(), QString("play_now_menu"));
        f.editMenu->hide();
        QCOMPARE(f.selected, 1);
        QVERIFY(f.editMenu->defaultAction() == nullptr);
        QVERIFY(f.editMenu->findChild<QAction*>("ico_menu")->isEnabled());
    }

    // Keys are the kinds' names in capitals; the sound category's image has no kind key.
    void twentyTwoDistinctDrawnImagesAndTheirKeys() {
        const ToolbarImageList images;
        for (int i = 1; i <= ToolbarImageList::kCount; ++i) {
            QCOMPARE(images.Image(i).size(), QSize(16, 16));
            QVERIFY2(Painted(images.Image(i)).first >= 40, qPrintable(QString::number(i)));
            for (int j = 1; j < i; ++j) QVERIFY(images.Image(j) != images.Image(i));
        }
        QCOMPARE(ToolbarImageList::IndexOfKey(u"ICO").value_or(-1), 11);
        QVERIFY(!ToolbarImageList::IndexOfKey(u"ico") && !ToolbarImageList::IndexOfKey(u"EXE"));
        QCOMPARE(ToolbarImageList::CategoryImage(ResourceKind::ANI), 22);
        const int sound = ToolbarImageList::CategoryImage(ResourceKind::WAV);
        for (const ResourceKind kind : kAllKinds)
            QVERIFY(ToolbarImageList::IndexOfKey(KindText(kind)).value_or(sound) != sound);
    }

    void largestForThePreviewNearestForAnExport() {
        TempFolder temp;
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

QTEST_MAIN(ItemListTest)
#include "ItemListTest.moc"
