#include "CatalogueFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "ItemList.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "ResourceKind.h"

namespace morvane::test {

CatalogueFixture::CatalogueFixture()
    : list(new QListWidget(&window)),
      panel1(new QLabel(&window)),
      panel2(new QLabel(&window)),
      treeView(new QTreeWidget(&window)),
      editMenu(new QMenu(&window)),
      tree(std::make_unique<CategoryTree>(*treeView, images)) {
    for (const char* name : {"play_now_menu", "delete_item_menu", "delete_all_menu", "bmp_menu",
                             "ico_menu", "save_as_16_ico"})
        editMenu->addAction(QString::fromLatin1(name))->setObjectName(QString::fromLatin1(name));
    messages = MessageTable::Builtin();
    session.appTitle = QStringLiteral("Morvane");
    tree->AddCategoryNodes(QStringLiteral("Category"));
    for (const ResourceKind kind : kAllKinds) QDir().mkpath(Folder(KindText(kind)));
    window.resize(640, 480);
}

QString CatalogueFixture::Extracted(const QString& kind, const QString& name, const Bytes& bytes) {
    return QString::fromStdString(output.Write((kind + u'/' + name).toStdString(), bytes));
}

QTreeWidgetItem* CatalogueFixture::Node(const QString& kind, const QString& name, int count) {
    QTreeWidgetItem* category = tree->Node(kind);
    auto* node = new QTreeWidgetItem(category);
    node->setData(0, Qt::UserRole, kind + u'#' + name);
    CategoryTree::SetSourceCount(*node, count);
    return node;
}

QTreeWidgetItem* CatalogueFixture::Source(const QString& kind, const QString& name, int count,
                                          const Bytes& bytes) {
    for (int i = 1; i <= count; ++i)
        Extracted(kind, name + QStringLiteral("_%1.").arg(i) + kind, bytes);
    return Node(kind, name, count);
}

void CatalogueFixture::ClickNode(const QString& kind, const QString& name) {
    QTreeWidgetItem* node = tree->Node(kind + u'#' + name);
    treeView->setCurrentItem(node);
    emit treeView->itemClicked(node, 0);
}

bool CatalogueFixture::ClickItem(const QString& file) {
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (!item->data(kListItemKeyRole).toString().endsWith(file)) continue;
        list->setCurrentItem(item);
        emit list->itemClicked(item);
        return true;
    }
    return false;
}

QStringList CatalogueFixture::ListedNames() const {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << QFileInfo(list->item(i)->data(kListItemKeyRole).toString()).fileName();
    names.sort();
    return names;
}

}  // namespace morvane::test
