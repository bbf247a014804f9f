// Exporting an item as an icon through the program's own file dialog: the names it makes, its
// questions, the remembered folder, and the icon file that is written.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CatalogueFixture.h"
#include "Form2.h"
#include "IconFile.h"
#include "ItemList.h"
#include "MediaSamples.h"

using namespace morvane;
using namespace morvane::test;

namespace {
// An icon item, clicked; returns an empty folder to export into.
QString PrepareIconItem(CatalogueFixture& f) {
    f.Source("ICO", "logo.dll", 1, MakeIcon32());
    f.ClickNode("ICO", "logo.dll");
    if (!f.ClickItem("logo.dll_1.ICO")) QTest::qFail("no item", __FILE__, __LINE__);
    return QString::fromStdString(f.output.MakeFolder("saved"));
}

// The dialog in `folder` with `name` typed and OK pressed.
std::function<void(Form2&)> TypeAndOk(const QString& folder, const QString& name) {
    return [folder, name](Form2& dialog) {
        dialog.SetFolder(folder);
        dialog.Text1()->setText(name);
        dialog.Command1_Click();
    };
}

QStringList Listed(const Form2& dialog) {
    QStringList names;
    for (int i = 0; i < dialog.File1()->count(); ++i) names << dialog.File1()->item(i)->text();
    return names;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}
}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

  private slots:
    // The name always gets the extension, and the file reads back as an icon of exactly the
    // size asked for, with the item's pixels; the dialog offers the filter of that size.
    void writtenIcon_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("48") << 48 << 1 << QString("logo") << QString("logo.ICO");
        QTest::newRow("32, with extension")
            << 32 << 0 << QString("logo.ico") << QString("logo.ico.ICO");
        QTest::newRow("16") << 16 << 1 << QString("out") << QString("out.ICO");
    }
    void writtenIcon() {
        QFETCH(int, size);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        CatalogueFixture f;
        const QString folder = PrepareIconItem(f);
        int shownFilter = -1;
        f.catalogue.SetExportDialogRunner([&](Form2& dialog) {
            shownFilter = dialog.Combo1()->currentIndex();
            TypeAndOk(folder, typed)(dialog);
        });
        f.catalogue.ExportIcon(size);
        QCOMPARE(shownFilter, filter);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{written});
        QCOMPARE(QDir::cleanPath(f.settings.lastFolder), QDir::cleanPath(folder));
        QVERIFY(f.boxes.asked.isEmpty());
        QImageReader reader(folder + QDir::separator() + written);
        QCOMPARE(reader.format(), QByteArray("ico"));
        const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage expected = StretchToSquare(f.catalogue.Items().Picture(1), size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixel(size / 2, size / 2), expected.pixel(size / 2, size / 2));
    }

    // Cancel, or a name in a folder that does not exist (the dialog stays and says so), writes
    // nothing and keeps the remembered folder.
    void aCancelOrAnUnusableNameWritesNothing() {
        for (const bool cancel : {true, false}) {
            CatalogueFixture f;
            const QString folder = PrepareIconItem(f);
            f.settings.lastFolder = "unchanged";
            f.catalogue.SetExportDialogRunner([&](Form2& dialog) {
                if (cancel) {
                    dialog.SetFolder(folder);
                    dialog.Text1()->setText("never");
                    return dialog.Command2()->click();
                }
                TypeAndOk(folder, "missing/logo")(dialog);
                QCOMPARE(dialog.result(), int(QDialog::Rejected));
            });
            f.catalogue.ExportIcon(32);
            const QString valid = f.messages.Text(MessageId::AskValidFileName);
            QCOMPARE(f.boxes.critical, cancel ? QStringList() : QStringList{valid});
            QCOMPARE(f.settings.lastFolder, QString("unchanged"));
            QVERIFY(
                QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        }
    }

    // A click on x.ICO names x.ICO.ICO; only an existing name is asked about; No keeps it.
    void existingNameIsAskedAbout() {
        CatalogueFixture f;
        const QString folder = PrepareIconItem(f);
        const QString name = Native(folder + "/x.ICO.ICO");
        f.output.Write("saved/x.ICO", Bytes(4, 1));
        f.output.Write("saved/x.ICO.ICO", Bytes(4, 2));
        f.boxes.answer = false;
        f.catalogue.SetExportDialogRunner([&](Form2& dialog) {
            dialog.SetFolder(folder);
            QCOMPARE(Listed(dialog), (QStringList{"x.ICO", "x.ICO.ICO"}));
            emit dialog.File1()->itemClicked(dialog.File1()->item(0));
            dialog.Command1_Click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        });
        f.catalogue.ExportIcon(32);
        QCOMPARE(f.boxes.asked,
                 QStringList{name + " " + f.messages.Text(MessageId::AskReplaceFile)});
        QCOMPARE(ReadFileBytes(name.toStdString()), Bytes(4, 2));
        f.boxes.answer = true;
        f.catalogue.SetExportDialogRunner(TypeAndOk(folder, "x.ICO"));
        f.catalogue.ExportIcon(16);
        QCOMPARE(QImageReader(name).size(), QSize(16, 16));
    }

    // A CUR item is exported as the picture it shows, the kind symbol, also after another item
    // before it was deleted.
    void exportUsesTheListedPicture() {
        CatalogueFixture f;
        f.Source("CUR", "c", 2, MakeCursor32());
        f.ClickNode("CUR", "c");
        QVERIFY(f.ClickItem("c_1.CUR"));
        f.catalogue.DeleteItem();
        QVERIFY(f.ClickItem("c_2.CUR"));
        f.catalogue.RenderExportPicture(48, f.selected);
        const QImage symbol = ToolbarImageList::KeyedImageAt(u"CUR", 32);
        QCOMPARE(f.catalogue.Picture3(), StretchToSquare(symbol, 48));
    }

    // The dialog opens in the remembered folder (or the current one when that is gone); the
    // filter decides which files are listed; Enter in the name and a double click on a file
    // both act as OK; the caption comes with the showing.
    void dialogControls() {
        CatalogueFixture f;
        const QString folder = QString::fromStdString(f.output.MakeFolder("saved"));
        for (const char* name : {"a.ico", "b.BMP", "c.txt"})
            f.output.Write("saved/" + std::string(name), {});
        QString gone = folder + "/gone", remembered = folder;
        const Form2 other({&f.messages, &f.boxes, "Morvane", "Default", &gone}, nullptr);
        QCOMPARE(QDir::cleanPath(other.Folder()), QDir::cleanPath(QDir::currentPath()));
        Form2 dialog({&f.messages, &f.boxes, "Morvane", "Default", &remembered}, nullptr);
        QCOMPARE(QDir::cleanPath(dialog.Folder()), QDir::cleanPath(folder));
        dialog.SaveKind = "bmp";
        QStringList seen;
        for (int filter : {0, 1, 2}) dialog.SelectFilter(filter), seen << Listed(dialog).join('+');
        QCOMPARE(seen, (QStringList{"a.ico", "b.BMP", "a.ico+b.BMP+c.txt"}));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), f.messages.Text(MessageId::FileDialogTitle));
        dialog.Text1()->setText("typed");
        QTest::keyClick(dialog.Text1(), Qt::Key_Return);
        QCOMPARE(dialog.ExportFileName, Native(folder + "/typed.BMP"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Form2 again({&f.messages, &f.boxes, "Morvane", "Default", &remembered}, nullptr);
        again.SaveKind = "ico";
        again.SelectFilter(2);
        QListWidgetItem* c = again.File1()->findItems("c.txt", Qt::MatchExactly).first();
        emit again.File1()->itemClicked(c);
        emit again.File1()->itemDoubleClicked(c);
        QCOMPARE(again.ExportFileName, Native(folder + "/c.txt.ICO"));
        QVERIFY(!QFile::exists(again.ExportFileName));  // the probe leaves nothing behind
    }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
