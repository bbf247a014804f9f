// The catalogue on real files, offscreen: tree, list, shared images, icon export, deleting and
// clearing; and the pictures a scan writes, opened with Qt's own readers.
#include <QtTest>
#include <QtWidgets>

#include "Catalogue.h"
#include "CategoryTree.h"
#include "FileMarks.h"
#include "Form2.h"
#include "Form4.h"
#include "IconFile.h"
#include "IconImages.h"
#include "ItemList.h"
#include "ItemPreview.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "MessageBoxes.h"
#include "NeWriter.h"
#include "PeWriter.h"
#include "RecordingShell.h"
#include "RecordingSink.h"
#include "ScanEngine.h"
#include "SourceNode.h"
#include "TempFolder.h"
#include "ToolbarImageList.h"

using namespace morvane;
using namespace morvane::test;
using K = ResourceKind;

namespace {
// A catalogue with an output folder of kind folders, a tree and a list of its own, boxes that
// answer as told and a shell that remembers what it opened.
class AnsweringBoxes final : public MessageBoxes {
  public:
    QStringList shown, critical, asked;  // texts of OK, critical and question boxes
    bool answer = true;
    void Show(const QString&, const QString& text) override { shown << text; }
    void Critical(const QString&, const QString& text) override { critical << text; }
    bool Ask(const QString&, const QString& text) override { return asked << text, answer; }
};

struct CatalogueFixture {
    CatalogueFixture() {
        session.messages = MessageTable::Builtin();
        tree->AddCategoryNodes(QStringLiteral("Category"));
        for (const ResourceKind kind : kAllKinds) QDir().mkpath(Folder(KindText(kind)));
    }

    // Writes an extracted file KIND/name into the output folder; returns its full path.
    QString Extracted(const QString& kind, const QString& name, const Bytes& bytes = Bytes(10, 7)) {
        return QString::fromStdString(output.Write((kind + u'/' + name).toStdString(), bytes));
    }
    // A source node of `count` items and its files name_1.KIND ... name_count.KIND.
    QTreeWidgetItem* Source(const QString& kind, const QString& name, int count,
                            const Bytes& bytes = Bytes(10, 7)) {
        QStringList files;
        for (int i = 1; i <= count; ++i)
            files << Extracted(kind, name + QString("_%1.").arg(i) + kind, bytes);
        auto* node = new SourceNode(tree->Node(kind));
        node->setData(0, Qt::UserRole, kind + u'#' + name);
        CategoryTree::SetFiles(*node, files);
        return node;
    }
    // Whether the list shows the files of the node selected in the tree, and none for a category.
    bool ListShowsSelection() const {
        const QTreeWidgetItem* node = treeView->currentItem();
        QStringList listed, held = node != nullptr ? CategoryTree::Files(*node) : QStringList();
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->data(kListItemKeyRole).toString();
        return listed == held;
    }
    // A click on the node, then on its item `file` if one is named; false when there is none.
    bool ClickNode(const QString& kind, const QString& name, const QString& file = {}) {
        treeView->setCurrentItem(tree->Node(kind + u'#' + name));
        emit treeView->itemClicked(treeView->currentItem(), 0);
        return file.isEmpty() || ClickItem(file);
    }
    // A click on the list item whose file name ends with `file`; false when none has it.
    bool ClickItem(const QString& file) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->data(kListItemKeyRole).toString().endsWith(file))
                return list->setCurrentRow(i), emit list->itemClicked(list->item(i)), true;
        return false;
    }
    QString Folder(const QString& kind) const {
        return QString::fromStdString(output.path()) + kind + QDir::separator();
    }
    QStringList ListedNames() const {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << QFileInfo(list->item(i)->data(kListItemKeyRole).toString()).fileName();
        return names.sort(), names;
    }

    TempFolder output;
    QWidget window;
    QListWidget* list = new QListWidget(&window);
    QLabel *panel1 = new QLabel(&window), *panel2 = new QLabel(&window);
    QTreeWidget* treeView = new QTreeWidget(&window);
    QMenu* itemMenu = new QMenu(&window);
    QAction* openEntry = itemMenu->addAction(QStringLiteral("Open"));
    std::array<QAction*, 3> exportEntries{itemMenu->addAction(QStringLiteral("48")),
                                          itemMenu->addAction(QStringLiteral("32")),
                                          itemMenu->addAction(QStringLiteral("16"))};
    ToolbarImageList images;
    std::unique_ptr<CategoryTree> tree = std::make_unique<CategoryTree>(*treeView, images);
    AnsweringBoxes boxes;
    RecordingShell shell;
    Session session{boxes, shell, QString(), output.path()};
    int& selected = session.selectedItem;
    Catalogue catalogue{
        session, {&window, list, panel1, panel2, itemMenu, openEntry, exportEntries, tree.get()}};
};

// "<number> - <description>" with a description.
bool IsErrorBoxText(const QString& text) {
    return QRegularExpression(QStringLiteral("^-?\\d+ - \\S.*$")).match(text).hasMatch();
}

// Every file under the output folder, relative to it.
QStringList AllFiles(const CatalogueFixture& f) {
    QStringList files;
    for (const std::string& file : ListTree(f.output.path())) files << QString::fromStdString(file);
    return files;
}

// What the scan of one file does to the tree: nodes, counted items, empty nodes gone.
QStringList Scan(CategoryTree& tree, const QString& name, const QList<K>& items,
                 bool anyKind = true) {
    ScanOptions options;
    if (!anyKind) options.enabled.fill(false);
    tree.AddSourceFileNodes(name, options);
    for (const K kind : items) tree.CountItem(kind, name, name + u'_' + KindText(kind));
    tree.RemoveEmptySourceNodes();
    return tree.SourceNodeKeys();
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

// Scans `path` with the resource pass, and the checks unless `resourcesOnly`. Returns each picture
// written (with `resourcesOnly`, from resource tables) as its kind and the size of every image it
// holds, "?" for one that does not decode; sorted.
QStringList OpenedPictures(const std::string& path, bool resourcesOnly = false) {
    TempFolder temp;
    RecordingSink observer;
    StopToken stop;
    ScanEngine({temp.path()})
        .ScanFile(path, {.checkItems = !resourcesOnly, .readResources = true}, observer, stop);
    QStringList opened;
    for (const RecordedItem& item : observer.items) {
        QString kind = QString::fromLatin1(KindName(item.kind));
        if (!QStringLiteral("ICO CUR BMP PNG GIF JPG").contains(kind) ||
            (resourcesOnly && !item.fromResource))
            continue;
        QImageReader reader(QString::fromStdString(item.output));
        reader.setDecideFormatFromContent(true);
        for (int i = 0; i < std::max(reader.imageCount(), 1); ++i) {
            const QImage image = reader.jumpToImage(i) || i == 0 ? reader.read() : QImage();
            kind += image.isNull() ? QStringLiteral(" ?")
                                   : QString(" %1x%2").arg(image.width()).arg(image.height());
        }
        opened << kind;
    }
    return opened.sort(), opened;
}

Bytes Encoded(const QImage& picture, const char* format) {
    QBuffer buffer;  // opened by the writer
    picture.save(&buffer, format);
    return Bytes(buffer.data().begin(), buffer.data().end());
}

// A picture whose left half is red and right half blue.
QImage RedBlue(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, width / 2, height, Qt::red);
    return picture;
}

// Whether `preview` shows RedBlue: red on the left of its middle row, blue on the right.
bool IsRedBlue(const QImage& preview) {
    const QRgb left = preview.pixel(8, 16), right = preview.pixel(24, 16);
    return qRed(left) > 200 && qBlue(left) < 60 && qBlue(right) > 200 && qRed(right) < 60;
}

// The kind's symbol as the list shows it: at the cell's size over the list's background.
QImage SymbolCell(const QListWidget& list, ResourceKind kind) {
    QImage cell(32, 32, QImage::Format_ARGB32_Premultiplied);
    cell.fill(list.palette().color(list.viewport()->backgroundRole()));
    QPainter(&cell).drawImage(0, 0, ToolbarImageList::KeyedImageAt(KindText(kind), 32));
    return cell;
}

// An icon with nothing to show, as libraries carry: a 32×32 image of 32 bits, all zero, its mask
// all set, and a 256×256 PNG of one bit whose only colour in use is transparent.
Bytes BlankIcon() {
    Bytes dib = MakeDib(32, 32, 32, false, true);
    std::fill(dib.begin() + 40, dib.end(), 0);
    std::fill(dib.end() - 128, dib.end(), 0xFF);
    QImage blank(256, 256, QImage::Format_Mono);
    blank.setColorTable({qRgb(255, 255, 255), qRgba(0, 0, 0, 0)});
    blank.fill(1);
    Bytes file = MakeIconFile(1, {dib, Encoded(blank, "PNG")});
    file[22] = file[23] = 0;  // 256 pixels
    return file;
}

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

    ToolbarImageList images_;

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Nodes for every enabled kind, kept with their counts when they yielded. A rescan replaces
    // them; a longer name beginning with it is another source, and so is the name in another
    // letter case where the file system tells the two apart.
    void categoryTree() {
        // Twenty-two distinct drawn images; the sound category's is no kind's.
        for (int i = 1; i <= ToolbarImageList::kCount; ++i) {
            QVERIFY2(Painted(images_.Image(i)).first >= 40, qPrintable(QString::number(i)));
            for (int j = 1; j < i; ++j) QVERIFY(images_.Image(j) != images_.Image(i));
        }
        const int sound = ToolbarImageList::CategoryImage(K::WAV);
        for (const ResourceKind kind : kAllKinds)
            QVERIFY(ToolbarImageList::IndexOfKey(KindText(kind)).value_or(sound) != sound);
        QTreeWidget widget;
        CategoryTree tree(widget, images_);
        tree.AddCategoryNodes(QStringLiteral("Αρχεία"));
        for (int i = 0; i < 10; ++i) widget.topLevelItem(i)->setExpanded(true);
        tree.AddSourceFileNodes(QStringLiteral("shell32.dll"), ScanOptions());
        QCOMPARE(tree.SourceNodeKeys().size(), 10);
        // Adding a scan's nodes closes every category; after the scan ICO to WAV open.
        QString open;
        for (int i = 0; i < 20; ++i) {
            if (i == 10) tree.ExpandScannedCategories();
            open += widget.topLevelItem(i % 10)->isExpanded() ? u'1' : u'0';
        }
        QCOMPARE(open, QStringLiteral("0000000000") + "1111111100");
        for (const K kind : {K::ICO, K::ICO, K::ICO, K::BMP})
            tree.CountItem(kind, "shell32.dll",
                           "f" + QString::number(tree.SourceNodeKeys().size()));
        tree.RemoveEmptySourceNodes();
        QCOMPARE(tree.SourceNodeKeys(), QStringList({"ICO#shell32.dll", "BMP#shell32.dll"}));
        QCOMPARE(QStringList({tree.Node("ICO#shell32.dll")->text(0),
                              tree.Node("BMP#shell32.dll")->text(0),
                              tree.Node("ICO#shell32.dll")->parent()->text(0)}),
                 QStringList({"shell32.dll(3)", "shell32.dll(1)", "Αρχεία ICO"}));
        QCOMPARE(Scan(tree, "shell32.dll", {K::GIF}), QStringList({"GIF#shell32.dll"}));
        QVERIFY(Scan(tree, "shell32.dll", {}, false).isEmpty());
        Scan(tree, "a.dll.bak", {K::ICO});
        Scan(tree, "b#file.dll", {K::ICO});
        QCOMPARE(Scan(tree, "a.dll", {K::BMP}),
                 QStringList({"ICO#a.dll.bak", "ICO#b#file.dll", "BMP#a.dll"}));
        QCOMPARE(Scan(tree, "A.DLL", {K::JPG}).contains("BMP#a.dll"),
                 kFileNameCase == Qt::CaseSensitive);

        // A left click on a source node names it (a "#" in the name stays in it), on a category
        // nothing; a right click selects the node under the pointer, or none beside every node,
        // lists nothing, and shows the entries that selection allows.
        QMenu hideMenu;
        QAction* removeNode = hideMenu.addAction(QStringLiteral("remove"));
        QAction* clearCategory = hideMenu.addAction(QStringLiteral("clear category"));
        tree.SetPopupMenu(&hideMenu, removeNode, clearCategory,
                          hideMenu.addAction(QStringLiteral("clear all")));
        tree.ExpandScannedCategories();
        widget.resize(300, 700);  // room below the last node
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy clicked(&tree, &CategoryTree::SourceNodeClicked);
        const auto click = [&](const char* key, Qt::MouseButton button = Qt::LeftButton) {
            QTest::mouseClick(widget.viewport(), button, {},
                              widget.visualItemRect(tree.Node(key)).center());
        };
        for (const char* key : {"ICO#b#file.dll", "CUR"}) click(key);
        QCOMPARE(QList<QVariantList>(clicked),
                 QList<QVariantList>({{QVariant::fromValue(K::ICO), QString("b#file.dll")}}));
        QString shown;  // the entries visible after each right click
        for (const auto& [selected, key] : {std::pair{"", "ICO"},
                                            {"ICO#b#file.dll", "CUR"},
                                            {"GIF", "ICO#b#file.dll"},
                                            {"GIF", ""}}) {
            widget.setCurrentItem(*selected ? tree.Node(selected) : nullptr);
            if (*key)
                click(key, Qt::RightButton);
            else
                QTest::mouseClick(widget.viewport(), Qt::RightButton, {},
                                  QPoint(5, widget.viewport()->height() - 2));
            [&] { QTRY_VERIFY(hideMenu.isVisible()); }();
            hideMenu.hide();
            for (QAction* entry : hideMenu.actions()) shown += entry->isVisible() ? u'1' : u'0';
            QCOMPARE(widget.selectedItems(),
                     *key ? QList<QTreeWidgetItem*>{tree.Node(key)} : QList<QTreeWidgetItem*>{});
        }
        QCOMPARE(shown, QStringLiteral("011") + "011" + "101" + "001");
        QCOMPARE(clicked.size(), 1);
    }

    // a.dll's node lists exactly the files it holds (not a.dll.bak's, nor a file named like its
    // items that no scan of this run wrote), in the order they were found; icons, bitmaps and JPEGs
    // without a caption, the other kinds with the name. Every picture kind shows its own picture
    // (an animated cursor its first frame), sounds and videos the kind symbol. Export entries are
    // enabled for icons and cursors only; a CUR item is exported as its own picture, also after an
    // item before it was deleted. A file that does not decode (no picture, a cut icon) shows its
    // kind's symbol, never the picture of an item listed before it, nor one of the list before; the
    // list is refilled, not added to.
    void everyKindsListing() {
        const Bytes redBlueIcon = Encoded(RedBlue(32, 32), "ICO");
        for (const ResourceKind kind : kAllKinds) {
            const QString k = KindText(kind);
            const bool named = k != u"ICO" && k != u"BMP" && k != u"JPG";
            const bool own = k != u"WAV" && k != u"MID" && k != u"AVI";
            // Qt writes no GIF: that one is a black pixel.
            const Bytes bytes = kind == K::ANI   ? MakeAni({redBlueIcon, MakeIcon32()})
                                : kind == K::GIF ? MakeGif()
                                                 : Encoded(RedBlue(32, 32), qPrintable(k));
            CatalogueFixture f;
            QPalette palette = f.list->palette();
            palette.setColor(QPalette::Base, Qt::green);
            f.list->setPalette(palette);
            f.Source(k, "a.dll", 2, bytes);
            for (const QString name :
                 {"a.dll.bak_1.", "b.dll_1.", "a.dll_10.", "a.dll_x.", "a.dll_."})
                f.Extracted(k, name + k, bytes);
            f.ClickNode(k, "a.dll");
            QStringList listed;
            for (int i = 1; i <= f.list->count(); ++i)
                listed << QFileInfo(f.catalogue.Items().Path(i)).fileName();
            QCOMPARE(listed, (QStringList{"a.dll_1." + k, "a.dll_2." + k}));
            const QListWidgetItem* item = f.catalogue.Items().Item(2);
            QCOMPARE(item->text(),
                     named ? QFileInfo(item->data(Qt::UserRole).toString()).fileName() : QString());
            const QImage picture = f.catalogue.Items().Picture(2);
            QCOMPARE(picture.size(), QSize(32, 32));
            const bool itself = kind == K::GIF ? picture.pixel(15, 15) == qRgb(0, 0, 0) &&
                                                     picture.pixel(0, 0) == qRgb(0, 255, 0)
                                               : IsRedBlue(picture);
            QVERIFY2(own ? itself : picture == SymbolCell(*f.list, kind), qPrintable(k));
            QVERIFY(f.ClickItem("a.dll_1." + k));
            f.catalogue.DeleteItem();
            QVERIFY(f.ClickItem("a.dll_2." + k) && f.catalogue.PrepareItemMenu());
            for (const QAction* entry : f.exportEntries)
                QCOMPARE(entry->isEnabled(), kind == K::ICO || kind == K::CUR);
            f.catalogue.RenderExportPicture(48, f.selected);
            if (kind == K::CUR)
                QCOMPARE(f.catalogue.ExportCanvas(),
                         StretchToSquare(QImage(f.Folder(k) + "a.dll_2.CUR"), 48));
        }
        Bytes cutIcon = MakeIconFile(1, {MakeIconImage32(32)});
        cutIcon.resize(cutIcon.size() / 2);
        for (const auto& [k, good, bad] :
             {std::tuple{"BMP", MakeBmp(4, 4), Bytes(30, 1)}, {"ICO", redBlueIcon, cutIcon}}) {
            CatalogueFixture f;
            const ResourceKind kind = *ParseKind(k);
            f.Source(k, "p", 2, good);
            f.Extracted(k, QStringLiteral("p_2.") + k, bad);
            f.ClickNode(k, "p");
            QVERIFY(f.list->count() == 2 &&
                    f.catalogue.Items().Picture(1) != SymbolCell(*f.list, kind));
            QCOMPARE(f.catalogue.Items().Picture(2), SymbolCell(*f.list, kind));
            QFile::remove(f.Folder(k) + "p_1." + k);
            f.ClickNode(k, "p");
            QVERIFY(f.list->count() == 1 &&
                    f.catalogue.Items().Picture(1) == SymbolCell(*f.list, kind));
        }
    }

    // An animated cursor's first frame is read only from bytes that hold it whole: cut anywhere
    // before its frame's end, or with a size that reaches past its container, it gives nothing.
    void animatedCursorFrames() {
        const Bytes first = Encoded(RedBlue(16, 8), "ICO");
        const Bytes ani = MakeAni({first, MakeIcon32()});
        const auto frame = [](const Bytes& bytes) {
            return FirstAnimationFrame(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size())));
        };
        QCOMPARE(frame(ani).size(), QSize(16, 8));
        const std::size_t frameEnd = 12 + 44 + 12 + 8 + first.size();
        for (std::size_t cut = 0; cut < frameEnd; ++cut)
            QVERIFY2(frame(Bytes(ani.begin(), ani.begin() + static_cast<long>(cut))).isNull(),
                     qPrintable(QString::number(cut)));
        for (const std::size_t field : {4u, 16u, 60u, 72u}) {  // RIFF, anih, LIST, icon sizes
            Bytes overstated = ani;
            std::fill_n(overstated.begin() + static_cast<long>(field), 4, 0xFF);
            QCOMPARE(frame(overstated).isNull(), field != 4);
        }
        Bytes wrongForm = ani;
        wrongForm[8] = 'X';
        QVERIFY(frame(wrongForm).isNull() && frame(MakeRiff("ACON", Filler(64))).isNull());
    }

    // The status bar shows the path and the size in the user's own digit grouping; a double
    // click opens the clicked item, an index that names no item nothing. A refilled list has
    // no item menu; a right click shows it after an item click and keeps the selection; the
    // bold default entry is the pop-up's alone.
    void clickShowsPathAndSizeAndDoubleClickOpens() {
        CatalogueFixture f;
        f.Source("WAV", "s", 2, Bytes(2238, 0));
        const QString path = f.Folder("WAV") + "s_2.WAV";
        f.ClickNode("WAV", "s");
        QLocale::setDefault(QLocale(QLocale::German));
        QVERIFY(f.ClickItem("s_2.WAV"));
        QCOMPARE(f.panel1->text() + u' ' + f.panel2->text(), path + " 2.238 bytes.");
        emit f.list->itemDoubleClicked(f.list->currentItem());
        f.selected = 5;
        f.catalogue.OpenItem();
        QCOMPARE(f.shell.opened, std::vector<std::string>{path.toStdString()});
        f.ClickNode("WAV", "s");
        QVERIFY(!f.catalogue.PrepareItemMenu());
        f.window.show();
        QVERIFY(f.ClickItem("s_2.WAV"));
        const int index = f.selected;  // not the item under the right click, the first
        QTest::mouseClick(f.list->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(f.itemMenu->isVisible());
        QCOMPARE(f.itemMenu->defaultAction(), f.openEntry);
        f.itemMenu->hide();
        QVERIFY(f.selected == index && f.itemMenu->defaultAction() == nullptr);
    }

    // The preview takes an icon file's largest image, an export the nearest size, the larger
    // of two as near; a file of one image has neither.
    void largestForThePreviewNearestForAnExport() {
        TempFolder temp;
        const std::uint8_t sizes[] = {16, 48, 32};
        std::vector<Bytes> images;
        for (const int size : sizes) images.push_back(MakeDib(size, size, 32, false, true));
        Bytes file = MakeIconFile(1, images);
        for (int i = 0; i < 3; ++i) file[6 + 16 * i] = file[7 + 16 * i] = sizes[i];
        const QString path = QString::fromStdString(temp.Write("group.ICO", file));
        QCOMPARE(
            QList<int>({LargestIconImage(path)->width(), NearestIconImage(path, 16)->width(),
                        NearestIconImage(path, 32)->width(), NearestIconImage(path, 40)->width()}),
            QList<int>({48, 16, 32, 48}));
        temp.Write("group.ICO", MakeIcon32());
        QVERIFY(!LargestIconImage(path) && !NearestIconImage(path, 16));
    }

    // The name gets the extension unless it ends with it in any letter case, and the file reads
    // back as an icon of exactly the size asked for, with the item's pixels: a cursor's own
    // picture, not the symbol the list shows for it. The dialog offers the icons' filter at every
    // size and shows its folder and that folder's volume, whatever the volume list showed
    // before, the root volume too. Cancel (no name typed), or a name in a folder that does not
    // exist (the dialog stays and says so), writes nothing and keeps the remembered folder.
    void exportIcon() {
        const auto shows = [](const Form2& dialog) {
            return dialog.FolderLabel()->text().remove(QChar(0x200B)) + u'|' +
                   dialog.Drive1()->currentText();
        };
        const auto expected = [](const QString& place) {
            return QDir::toNativeSeparators(QDir::cleanPath(place)) + u'|' +
                   QDir::toNativeSeparators(QStorageInfo(place).rootPath());
        };
        for (const auto& [kind, size, typed, written] : {std::tuple{"ICO", 48, "logo", "logo.ICO"},
                                                         {"ICO", 48, "info48.ico", "info48.ico"},
                                                         {"ICO", 16, "logo.bmp", "logo.bmp.ICO"},
                                                         {"ICO", 32, "a.Ico", "a.Ico"},
                                                         {"ICO", 32, "", ""},
                                                         {"ICO", 48, "missing/logo", ""},
                                                         {"CUR", 48, "arrow", "arrow.ICO"}}) {
            CatalogueFixture f;
            const QString item = QStringLiteral("logo.dll_1.") + kind;
            f.Source(kind, "logo.dll", 1, *kind == 'C' ? MakeCursor32() : MakeIcon32());
            QVERIFY(f.ClickNode(kind, "logo.dll", item));
            const QString folder = QString::fromStdString(f.output.MakeFolder("saved"));
            f.session.settings.lastFolder = "unchanged";
            int shownFilter = -1;
            QStringList shown;
            f.catalogue.SetExportDialogRunner([&](Form2& dialog) {
                shownFilter = dialog.Combo1()->currentIndex();
                for (const QString& place : {QDir::rootPath(), folder}) {
                    dialog.Drive1()->setCurrentIndex(-1);
                    dialog.SetFolder(place);
                    shown << shows(dialog);
                }
                dialog.Text1()->setText(*typed ? typed : "never");
                *typed ? dialog.Command1_Click() : dialog.CancelButton()->click();
            });
            f.catalogue.ExportIcon(size);
            QCOMPARE(shownFilter, 0);
            QCOMPARE(shown, QStringList({expected(QDir::rootPath()), expected(folder)}));
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                     *written ? QStringList{written} : QStringList());
            QCOMPARE(f.boxes.critical + f.boxes.asked,
                     QStringList(QString(typed).contains(u'/'),
                                 f.session.messages.Text(MessageId::AskValidFileName)));
            QCOMPARE(QDir::cleanPath(f.session.settings.lastFolder),
                     *written ? QDir::cleanPath(folder) : "unchanged");
            if (!*written) continue;
            const QImage icon =
                QImage(folder + QDir::separator() + written).convertToFormat(QImage::Format_ARGB32);
            const QImage picture = StretchToSquare(
                *kind == 'C' ? QImage(f.Folder(kind) + item) : f.catalogue.Items().Picture(1),
                size);
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(icon.pixel(size / 2, size / 2), picture.pixel(size / 2, size / 2));
            if (*kind == 'C') QCOMPARE(icon, picture);
        }
    }

    // The dialog opens in the remembered folder (or the current one when that is gone) and its
    // filter decides which files are listed. A double click on x.ICO names x.ICO; only an
    // existing name is asked about, and No keeps it; a blank name is refused, and the dialog
    // stays; Enter in the name acts as OK.
    void exportDialog() {
        CatalogueFixture f;
        const QString folder = QString::fromStdString(f.output.MakeFolder("saved"));
        for (const char* name : {"x.ICO", "b.BMP", "c.txt", "x.ICO.ICO"})
            f.output.Write("saved/" + std::string(name), ToBytes(name));
        QString gone = folder + "/gone", remembered = folder;
        const Form2 other({&f.session.messages, &f.boxes, "Morvane", "Default", &gone}, nullptr);
        QCOMPARE(QDir::cleanPath(other.Folder()), QDir::cleanPath(QDir::currentPath()));
        Form2 dialog({&f.session.messages, &f.boxes, "Morvane", "Default", &remembered}, nullptr);
        QCOMPARE(QDir::cleanPath(dialog.Folder()), QDir::cleanPath(folder));
        QStringList listed;  // each filter's files
        for (const int filter : {1, 2, 0}) {
            dialog.SelectFilter(filter);
            for (auto* file : dialog.File1()->findItems("*", Qt::MatchWildcard))
                listed << file->text();
            listed << "|";
        }
        QCOMPARE(listed.join(' '), "b.BMP | b.BMP c.txt x.ICO x.ICO.ICO | x.ICO x.ICO.ICO |");
        dialog.SaveKind = "ico";
        f.boxes.answer = false;
        emit dialog.File1()->itemClicked(dialog.File1()->item(0));
        emit dialog.File1()->itemDoubleClicked(dialog.File1()->item(0));
        const QString name = QDir::toNativeSeparators(folder + "/x.ICO");
        QCOMPARE(f.boxes.asked,
                 QStringList{name + " " + f.session.messages.Text(MessageId::AskReplaceFile)});
        QVERIFY(dialog.result() == QDialog::Rejected &&
                ReadFileBytes(name.toStdString()) == ToBytes("x.ICO"));
        for (const char* blank : {"", "  "}) {
            dialog.Text1()->setText(blank);
            dialog.Command1_Click();
        }
        QCOMPARE(f.boxes.critical,
                 QStringList(2, f.session.messages.Text(MessageId::AskValidFileName)));
        QVERIFY(dialog.result() == QDialog::Rejected && dialog.ExportFileName.isEmpty() &&
                QDir(folder).entryList(QDir::Hidden | QDir::Files).size() == 4);
        dialog.show();
        dialog.Text1()->setText("typed");
        QTest::keyClick(dialog.Text1(), Qt::Key_Return);
        QCOMPARE(dialog.ExportFileName, QDir::toNativeSeparators(folder + "/typed.ICO"));
        // Accepted, and the probe of the new name leaves nothing behind.
        QVERIFY(dialog.result() == QDialog::Accepted && !QFile::exists(dialog.ExportFileName));
    }

    // Every picture a checked scan writes from planted media opens whole.
    void scannedPicturesOpenWhole() {
        TempFolder temp;
        Bytes source = Filler(64);
        for (const Bytes& item : {MakeIcon32(), MakeCursor32(), MakeBmp(5, 3), MakePng(), MakeGif(),
                                  Encoded(RedBlue(7, 7), "JPG"), MakeIconImage32(4),
                                  MakeIconImage32(24), MakeIconImage32(32)}) {
            Append(source, item);
            Append(source, {0, 0});  // what the plain JPEG rule wants after its end
            Append(source, Filler(64));
        }
        QCOMPARE(OpenedPictures(temp.Write("planted.bin", source)),
                 QStringList({"BMP 5x3", "CUR 32x32", "GIF 1x1", "ICO 32x32", "ICO 32x32",
                              "ICO 32x32", "ICO 32x32", "JPG 7x7", "PNG 2x2"}));
        // A 16-bit program (its cursor group in Wine's form) and a bare icon library: each file
        // built from their tables opens at every size.
        Bytes cursor = {5, 0, 9, 0};
        Append(cursor, MakeDib(48, 48, 4, false, true));
        const std::vector<PeResource> icons = {
            {kRtIcon, "", 1, 0, MakeDib(16, 16, 4, false, true)},
            {kRtIcon, "", 2, 0, MakePng(32, 32)},
            {kRtGroupIcon, "", 1, 0, MakeGroupDirectory(false, {{16, 4, 1, 0}, {32, 32, 2, 0}}),
             "A"}};
        std::vector<PeResource> program = icons;
        program.push_back({kRtCursor, "", 3, 0, cursor});
        program.push_back(
            {kRtGroupCursor, "", 1, 0, MakeGroupDirectory(true, {{48, 4, 3, 0}}, true)});
        program.push_back({kRtBitmap, "", 1, 0, MakeDib(5, 3, 8)});
        Bytes win16 = MakeNe(program);
        Append(win16, MakeNe(icons, {9, false}));
        QCOMPARE(OpenedPictures(temp.Write("win16.exe", win16), true),
                 QStringList({"BMP 5x3", "CUR 48x48", "ICO 16x16 32x32", "ICO 16x16 32x32"}));
        // And those of a real library, also those built from its resource tables alone.
        const char* const library = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";
        if (!QFile::exists(library)) QSKIP("no Windows library here");
        for (const bool resourcesOnly : {false, true}) {
            const QStringList opened = OpenedPictures(library, resourcesOnly);
            QVERIFY(opened.size() > 10);
            QCOMPARE(opened.filter(QStringLiteral("?")), QStringList());
        }
    }

    // An index into an empty list, or a file deleted elsewhere: the error box, and the count
    // stays. Delete takes one file (a read-only one too) unasked and counts down; the last item
    // takes the node. a.dll's list shows its own items only: Delete all asks, naming the node,
    // takes them and the node, and leaves a.dll.bak's. The list always shows the node selected.
    void deletingItemsAndNodes() {
        CatalogueFixture f;
        f.selected = 1;
        f.catalogue.DeleteAllItems();
        f.catalogue.DeleteItem();
        QTreeWidgetItem* node = f.Source("CUR", "c", 2);
        QVERIFY(f.ClickNode("CUR", "c", "c_1.CUR"));
        QFile::remove(f.Folder("CUR") + "c_1.CUR");
        f.catalogue.DeleteItem();
        QVERIFY(f.boxes.shown.size() == 2 && node->text(0) == "c(2)" && f.list->count() == 2);
        for (const QString& text : f.boxes.shown) QVERIFY2(IsErrorBoxText(text), qPrintable(text));

        node = f.Source("GIF", "x.exe", 3);
        MarkReadOnly((f.Folder("GIF") + "x.exe_2.GIF").toStdString());
        QVERIFY(f.ClickNode("GIF", "x.exe", "x.exe_2.GIF") &&
                f.panel1->text().endsWith("x.exe_2.GIF"));
        f.catalogue.DeleteItem();
        QCOMPARE(f.ListedNames() << node->text(0),
                 (QStringList{"x.exe_1.GIF", "x.exe_3.GIF", "x.exe(2)"}));
        // No item is picked after a delete, and the status bar names no deleted file: a second
        // Delete does nothing. A refill also leaves none picked.
        QVERIFY(f.selected == 0 && f.list->selectedItems().isEmpty() &&
                f.panel1->text().isEmpty() && f.panel2->text().isEmpty());
        f.catalogue.DeleteItem();
        QVERIFY(f.list->count() == 2 && f.ClickItem("x.exe_3.GIF"));
        f.ClickNode("GIF", "x.exe");
        QCOMPARE(f.selected, 0);
        f.Source("ICO", "one", 1);
        QVERIFY(f.ClickNode("ICO", "one", "one_1.ICO"));
        f.catalogue.DeleteItem();
        // Nothing asked: Delete all had no node to name.
        QVERIFY(!f.tree->Node("ICO#one") && f.boxes.asked.isEmpty() && f.boxes.shown.size() == 2);
        QVERIFY(f.ListShowsSelection());

        f.Source("ICO", "a.dll", 1);
        f.Source("ICO", "a.dll.bak", 1);
        QVERIFY(f.ClickNode("ICO", "a.dll", "a.dll_1.ICO"));
        f.catalogue.DeleteAllItems();
        QCOMPARE(f.boxes.asked, QStringList("Είστε σίγουρος για την διαγραφή του ICO a.dll(1)"));
        QCOMPARE(AllFiles(f), (QStringList{"CUR/c_2.CUR", "GIF/x.exe_1.GIF", "GIF/x.exe_3.GIF",
                                           "ICO/a.dll.bak_1.ICO"}));
        QVERIFY(f.tree->Node("ICO#a.dll") == nullptr && f.ListShowsSelection());
        QCOMPARE(f.tree->Node("ICO#a.dll.bak")->text(0), "a.dll.bak(1)");

        // No to any question leaves everything; Yes to removing a node deletes its files, whatever
        // the list shows, and empties the list only when it showed them.
        const QStringList left = AllFiles(f);
        f.boxes.asked.clear();
        f.Source("JPG", "shell32.dll", 2);
        QVERIFY(f.ClickNode("JPG", "shell32.dll", "shell32.dll_1.JPG"));
        f.boxes.answer = false;
        f.catalogue.DeleteAllItems();
        f.treeView->setCurrentItem(f.tree->Node("JPG"));
        f.catalogue.ClearCategory();
        f.catalogue.ClearAllNodes();
        f.treeView->setCurrentItem(f.tree->Node("JPG#shell32.dll"));
        f.catalogue.RemoveNode();
        QVERIFY(f.boxes.asked.size() == 4 && QFile::exists(f.Folder("JPG") + "shell32.dll_1.JPG") &&
                f.list->count() == 2);
        // Selecting a category shows no items, and the status bar names none.
        QVERIFY(f.ClickNode("JPG", "shell32.dll", "shell32.dll_1.JPG") &&
                !f.panel1->text().isEmpty());
        f.treeView->setCurrentItem(f.tree->Node("JPG"));
        QVERIFY(f.list->count() == 0 && f.panel1->text().isEmpty() && f.ListShowsSelection());
        f.boxes.answer = true;
        f.treeView->setCurrentItem(f.tree->Node("JPG#shell32.dll"));
        f.catalogue.RemoveNode();
        QCOMPARE(f.boxes.asked.last(), "Είστε σίγουρος για την διαγραφή του JPG shell32.dll(2)");
        // The tree selects another node, and the list follows it.
        QVERIFY(!f.tree->Node("JPG#shell32.dll") && AllFiles(f) == left && f.ListShowsSelection());
        f.treeView->setCurrentItem(f.tree->Node("ICO#a.dll.bak"));
        f.catalogue.RemoveNode();
        QVERIFY(f.ListShowsSelection() && !QFile::exists(f.Folder("ICO") + "a.dll.bak_1.ICO"));
        f.treeView->setCurrentItem(f.tree->Node("JPG"));  // a category is no node to remove
        f.catalogue.RemoveNode();
        QCOMPARE(f.boxes.asked.size(), 6);
    }

    // The category's name takes three characters from the question's first "%"; without one,
    // the error box comes before any question. Only the category's own nodes go, not those of
    // a source named with its letters.
    void categoryQuestion() {
        const QStringList rows[] = {{"Είστε σίγουρος για την διαγραφή όλων των %%% αρχείων;",
                                     "Είστε σίγουρος για την διαγραφή όλων των BMP αρχείων;"},
                                    {"Delete them all?", ""}};
        for (const QStringList& row : rows) {
            CatalogueFixture f;
            f.session.messages.SetText(MessageId::AskDeleteCountFiles, row[0]);
            f.Source("BMP", "q.exe", 1);
            f.Source("ICO", "BMP.exe", 1);
            MarkReadOnly((f.Folder("BMP") + "q.exe_1.BMP").toStdString());
            f.ClickNode("BMP", "q.exe");
            f.treeView->setCurrentItem(f.tree->Node("BMP"));
            f.catalogue.ClearCategory();
            const bool asked = !row[1].isEmpty();
            QCOMPARE(f.boxes.asked, asked ? QStringList{row[1]} : QStringList());
            QVERIFY(asked ? f.boxes.shown.isEmpty()
                          : f.boxes.shown.size() == 1 && IsErrorBoxText(f.boxes.shown[0]));
            QCOMPARE(QList<int>({QFile::exists(f.Folder("BMP") + "q.exe_1.BMP"),
                                 f.tree->Node("BMP#q.exe") != nullptr, f.ListShowsSelection()}),
                     QList<int>({!asked, !asked, true}));
            QVERIFY(QFile::exists(f.Folder("ICO") + "BMP.exe_1.ICO") &&
                    f.tree->Node("ICO#BMP.exe") != nullptr);
        }
    }

    // Clearing starts from the last added node: a failure at b.dll's ICO node stops before a.dll
    // and the list. On exit it asks nothing and works under the progress window.
    void clearingFollowsTheOrderNodesWereAdded() {
        for (const bool onExit : {false, true}) {
            CatalogueFixture f;
            for (const QString source : {"a.dll", "b.dll"}) {
                f.tree->AddSourceFileNodes(source, ScanOptions());
                for (const QString kind : {"ICO", "BMP", "GIF", "AVI"}) {
                    f.tree->CountItem(*ParseKind(kind.toStdString()), source,
                                      f.Extracted(kind, source + "_1." + kind));
                }
            }
            f.tree->RemoveEmptySourceNodes();
            f.ClickNode("ICO", "a.dll");
            // The visible progress window's text, if any, and whether it is drawn and in the
            // middle of the main window.
            const auto progressText = [&f] {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* shown = qobject_cast<Form4*>(window); shown && shown->isVisible())
                        return shown->Label1()->text() +
                               (shown->windowHandle()->isExposed() ? "" : " (not drawn)") +
                               ((shown->frameGeometry().center() -
                                 f.window.frameGeometry().center())
                                            .manhattanLength() <= 8
                                    ? ""
                                    : " (elsewhere)");
                return QString();
            };
            std::atomic<int> removals = 0;  // on exit, off the window's thread
            f.catalogue.SetFileRemover([&](const std::string& path) -> std::error_code {
                ++removals;
                if (path.ends_with("b.dll_1.ICO"))
                    return std::make_error_code(std::errc::text_file_busy);
                return RemoveItemFile(path);
            });
            // Another source whose name begins with b.dll's keeps its files.
            for (const char* other : {"GIF/b.dll.old_1.GIF", "BMP/b.dll2_1.BMP"})
                f.output.Write(other, Bytes(3, 1));
            QStringList left = AllFiles(f);
            for (const QString kind : {"BMP", "GIF"}) left.removeAll(kind + "/b.dll_1." + kind);
            bool done = !onExit;
            if (onExit) {
                f.catalogue.DeleteOnExit([&] { done = true; });
                QCOMPARE(progressText().remove(" (not drawn)"), "Deleting Files...");
            } else {
                f.catalogue.ClearAllNodes();
            }
            QTRY_VERIFY(done);
            QCOMPARE(f.boxes.asked.size(), onExit ? 0 : 1);
            QCOMPARE(removals.load(), 3);
            QVERIFY(progressText().isEmpty() && f.boxes.shown.size() == 1 &&
                    IsErrorBoxText(f.boxes.shown[0]));
            QCOMPARE(f.boxes.shown[0].section(' ', 0, 0), QString::number(ETXTBSY));
            QCOMPARE(AllFiles(f), left);
            QCOMPARE(f.tree->SourceNodeKeys(),
                     QStringList({"ICO#a.dll", "ICO#b.dll", "BMP#a.dll", "GIF#a.dll", "AVI#a.dll",
                                  "AVI#b.dll"}));
            QCOMPARE(f.list->count(), 1);
        }
    }

    // Every node takes exactly the files it holds: an earlier run's item of its name, or a file
    // of the user's named like one, stays; wildcard names take only their own.
    void clearingTouchesOnlyTheNamedFiles() {
        CatalogueFixture f;
        QStringList gone;
        for (const QString& name : QStringList{"*", "a?c", "[ab]", "..", "x.y", "a.dll"}) {
            f.Source("ICO", name, 1);
            gone << "ICO/" + name + "_1.ICO";
        }
        for (const char* decoy :
             {"abc_1.ICO", "a_c_1.ICO", "b_1.ICO", "xzy_1.ICO", "x.y_1.GIF", "b.dll_0.ICO",
              "a.dll.bak_0.ICO", "a.dll_7x.ICO", "a.dll_70.ICO", "a.dll_2.ico", "A.DLL_7.ico"})
            f.Extracted("ICO", decoy);
        f.Extracted("GIF", "*_1.GIF");
        for (const char* other : {"LOG.txt", "elsewhere/*_1.ICO", "*_1.ICO"})
            f.output.Write(other, Bytes(3, 1));
        QStringList expected = AllFiles(f);
        for (const QString& file : gone) expected.removeAll(file);
        f.catalogue.ClearAllNodes();
        QCOMPARE(AllFiles(f), expected);
        QVERIFY(f.tree->SourceNodeKeys().isEmpty() && f.treeView->topLevelItemCount() == 10 &&
                QDir(f.Folder("ICO")).exists());
    }

    // A picture shrinks to fit the cell keeping its aspect, centred; a smaller one keeps its
    // size. Every preview is drawn over the list's background, also a blank icon's (whose
    // 1-bit 256-pixel image a plain scaling turned black).
    void previewsFitOverTheListsBackground() {
        const auto tones = [](const QImage& preview, QRgb background) {
            QString seen;  // along the middle row, then above and below the middle
            for (const QPoint at : {QPoint(2, 16), QPoint(10, 16), QPoint(21, 16), QPoint(29, 16),
                                    QPoint(16, 3), QPoint(16, 28)}) {
                const QRgb pixel = preview.pixel(at);
                const bool same = std::abs(qRed(pixel) - qRed(background)) < 40 &&
                                  std::abs(qGreen(pixel) - qGreen(background)) < 40 &&
                                  std::abs(qBlue(pixel) - qBlue(background)) < 40;
                seen += qAlpha(pixel) < 255  ? u't'
                        : same               ? u'_'
                        : qRed(pixel) > 128  ? u'r'
                        : qBlue(pixel) > 128 ? u'b'
                                             : u'k';
            }
            return seen;
        };
        const std::tuple<const char*, Bytes, const char*> rows[] = {
            {"BMP", Encoded(RedBlue(64, 32), "BMP"), "rrbb__"},
            {"JPG", Encoded(RedBlue(64, 32), "JPG"), "rrbb__"},
            {"BMP", Encoded(RedBlue(16, 8), "BMP"), "_rb___"},
            {"ICO", BlankIcon(), "______"},
            {"WAV", Bytes(10, 0), ""}};
        for (const auto& [kind, bytes, expected] : rows) {
            CatalogueFixture f;
            QPalette palette = f.list->palette();
            palette.setColor(QPalette::Base, Qt::green);
            f.list->setPalette(palette);
            f.Source(kind, "p", 1, bytes);
            f.ClickNode(kind, "p");
            const QImage preview = f.catalogue.Items().Picture(1);
            if (*expected) QCOMPARE(tones(preview, qRgb(0, 255, 0)), QString(expected));
            QCOMPARE(Painted(preview).first, 32 * 32);  // nothing left transparent
        }
    }

    // The mask of an exported icon is set exactly where a pixel is fully transparent (readers
    // that ignore the alpha draw by it), rows from the bottom, each padded to 32 bits.
    void exportedIconMaskMarksTheTransparentPixels() {
        QImage image(33, 2, QImage::Format_ARGB32);
        QString expected, bits;  // top row first
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 33; ++x) {
                image.setPixel(x, y, qRgba(9, 9, 9, (x + y) % 3 == 0 ? 0 : x % 2 ? 255 : 1));
                expected += (x + y) % 3 == 0 ? u'1' : u'0';
            }
        const QByteArray bytes = IconFileBytes(image);
        const int mask = 6 + 16 + 40 + 4 * 33 * 2, stride = 8;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 33; ++x)
                bits +=
                    quint8(bytes[mask + (1 - y) * stride + x / 8]) & (0x80 >> x % 8) ? u'1' : u'0';
        QCOMPARE(bits, expected);
        QCOMPARE(bytes.size(), mask + 2 * stride);
    }
};

QTEST_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
