// The item list: what a source node lists and how, the status bar after a click, opening, and
// the item menu's export entries.
#include <QAction>
#include <QListWidget>
#include <QLocale>
#include <QTest>

#include "CatalogueFixture.h"
#include "ItemList.h"
#include "MediaSamples.h"

using namespace morvane;
using namespace morvane::test;

class ItemListTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The source name is what lies between the last separator and the last underscore.
    void sourceNameOfItem() {
        const QString sep = QDir::separator();
        QCOMPARE(SourceNameOfItem(sep + "ICO" + sep + "my_file.dll_12.ICO"), "my_file.dll");
        QCOMPARE(SourceNameOfItem(sep + "ICO" + sep + "plain.ICO"), "plain.ICO");
        QCOMPARE(SourceNameOfItem("my_file.dll_12.ICO"), QString());
    }

    // a.dll's node lists a.dll.bak's items too; icons show their own opaque pixels.
    void pictureKindsListOwnPicturesWithoutCaptions() {
        CatalogueFixture f;
        f.Node("ICO", "a.dll", 2);
        f.Extracted("ICO", "a.dll_1.ICO", MakeIcon32());
        f.Extracted("ICO", "a.dll_2.ICO", MakeIcon32());
        f.Extracted("ICO", "a.dll.bak_1.ICO", MakeIcon32());
        f.Extracted("ICO", "b.dll_1.ICO", MakeIcon32());
        f.ClickNode("ICO", "a.dll");
        QCOMPARE(f.ListedNames(), (QStringList{"a.dll.bak_1.ICO", "a.dll_1.ICO", "a.dll_2.ICO"}));
        for (int i = 0; i < f.list->count(); ++i) QVERIFY(f.list->item(i)->text().isEmpty());
        const QImage picture = f.catalogue.Items().Picture(1);
        QCOMPARE(picture.size(), QSize(32, 32));
        QCOMPARE(qAlpha(picture.pixel(31, 31)), 255);
    }

    void genericKindsListTheKindSymbolWithTheName_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"CUR", "GIF", "PNG", "WAV", "AVI", "MID", "ANI"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    // The symbol fills the 32×32 cell, not a corner of it.
    void genericKindsListTheKindSymbolWithTheName() {
        QFETCH(QString, kind);
        CatalogueFixture f;
        f.Node(kind, "x.exe", 1);
        f.Extracted(kind, "x.exe_1." + kind, MakeGif());
        f.ClickNode(kind, "x.exe");
        QCOMPARE(f.list->count(), 1);
        QCOMPARE(f.list->item(0)->text(), "x.exe_1." + kind);
        const QImage symbol = f.catalogue.Items().Picture(1);
        QCOMPARE(symbol.size(), QSize(32, 32));
        int right = -1;
        int bottom = -1;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(symbol.pixel(x, y)) > 0) right = std::max(right, x), bottom = y;
        QVERIFY2(right >= 24 && bottom >= 24, qPrintable(QString("%1,%2").arg(right).arg(bottom)));
    }

    // A file that is no picture shows the picture before it; the list is refilled, not added to.
    void unreadablePictureTakesThePreviousOne() {
        CatalogueFixture f;
        f.Node("BMP", "p", 2);
        f.Extracted("BMP", "p_1.BMP", MakeBmp(4, 4));
        f.ClickNode("BMP", "p");
        const QImage loaded = f.catalogue.Items().Picture(1);
        f.Extracted("BMP", "p_2.BMP", Bytes(30, 1));
        QFile::remove(f.Folder("BMP") + "p_1.BMP");
        f.ClickNode("BMP", "p");
        QCOMPARE(f.list->count(), 1);
        QCOMPARE(f.catalogue.Items().Picture(1), loaded);
    }

    void clickShowsPathAndSize() {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const std::tuple<QLocale, int, QString> rows[] = {
            {english, 2238, "2,238 bytes."},
            {QLocale(QLocale::German, QLocale::Germany), 2238, "2.238 bytes."},
            {english, 100, "100 bytes."}};
        for (const auto& [locale, size, text] : rows) {
            QLocale::setDefault(locale);
            CatalogueFixture f;
            f.Node("WAV", "s", 2);
            f.Extracted("WAV", "s_1.WAV");
            const QString path = f.Extracted("WAV", "s_2.WAV", Bytes(static_cast<size_t>(size), 0));
            f.ClickNode("WAV", "s");
            QVERIFY(f.ClickItem("s_2.WAV"));
            QCOMPARE(f.panel1->text(), path);
            QCOMPARE(f.panel2->text(), text);
            QCOMPARE(f.catalogue.Items().Item(f.selected)->data(Qt::UserRole).toString(), path);
        }
    }

    void doubleClickOpensTheRememberedItem() {
        CatalogueFixture f;
        f.Node("MID", "m", 1);
        const QString path = f.Extracted("MID", "m_1.MID");
        f.ClickNode("MID", "m");
        f.catalogue.OpenItem();
        QVERIFY(f.shell.opened.isEmpty());  // nothing clicked yet
        QVERIFY(f.ClickItem("m_1.MID"));
        emit f.list->itemDoubleClicked(f.list->item(0));
        QCOMPARE(f.shell.opened, QStringList{path});
        // A refill keeps the index; an index that names no item opens nothing.
        f.selected = 5;
        f.catalogue.OpenItem();
        QCOMPARE(f.shell.opened.size(), 1);
    }

    void itemMenuEnablesExportForIconsAndCursors() {
        for (const QString kind : {"ICO", "CUR", "ANI", "BMP"}) {
            CatalogueFixture f;
            QVERIFY(!f.catalogue.PrepareItemMenu());  // no item clicked: no menu
            f.Node(kind, "z", 1);
            f.Extracted(kind, "z_1." + kind.toLower());
            f.ClickNode(kind, "z");
            QVERIFY(f.ClickItem("z_1." + kind.toLower()));
            QVERIFY(f.catalogue.PrepareItemMenu());
            for (const char* name : {"bmp_menu", "ico_menu", "save_as_16_ico"})
                QCOMPARE(f.editMenu->findChild<QAction*>(name)->isEnabled(),
                         kind == u"ICO" || kind == u"CUR");
        }
    }

    // A right click shows the menu only after an item click and keeps the selection; the bold
    // default entry is the pop-up's alone.
    void rightClickShowsTheItemMenu() {
        CatalogueFixture f;
        f.window.show();
        f.Node("ICO", "k", 1);
        f.Extracted("ICO", "k_0.ICO", MakeIcon32());
        f.ClickNode("ICO", "k");
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!f.editMenu->isVisible());
        QVERIFY(f.ClickItem("k_0.ICO"));
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(f.editMenu->isVisible());
        QVERIFY(f.editMenu->findChild<QAction*>("ico_menu")->isEnabled());
        QCOMPARE(f.editMenu->defaultAction()->objectName(), QString("play_now_menu"));
        f.editMenu->hide();
        QCOMPARE(f.selected, 1);
        QVERIFY(f.editMenu->defaultAction() == nullptr);
        QVERIFY(f.editMenu->findChild<QAction*>("ico_menu")->isEnabled());
    }
};

QTEST_MAIN(ItemListTest)
#include "ItemListTest.moc"
