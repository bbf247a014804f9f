#include "Catalogue.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidgetItem>

#include "CatalogueError.h"
#include "CategoryTree.h"
#include "CentreOver.h"
#include "Form2.h"
#include "Form4.h"
#include "IconFile.h"
#include "IconImages.h"
#include "ItemList.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "MessageBoxes.h"
#include "PrintableText.h"
#include "ScanSettings.h"
#include "ShellOpen.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace {
bool ShowsOwnPicture(ResourceKind kind) {
    return FormatOf(kind).listShowsItself;
}

// Every size is written as an icon, so the dialog lists the icons there: "*.ICO".
constexpr int kIconFilter = 0;
}  // namespace

Catalogue::Catalogue(Session& session, CatalogueParts parts)
    : session_(session),
      parts_(parts),
      items_(std::make_unique<ItemList>(*parts_.ListView1)),
      runDialog_([](Form2& dialog) { dialog.exec(); }) {
    // The bold default entry belongs to the pop-up; the same menu in the menu bar shows none.
    connect(parts_.itemMenu, &QMenu::aboutToHide, this,
            [this] { parts_.itemMenu->setDefaultAction(nullptr); });
    connect(parts_.tree, &CategoryTree::SourceNodeClicked, this, &Catalogue::ListSourceItems);
    connect(parts_.tree, &CategoryTree::SelectionMoved, this, &Catalogue::FollowSelection);
    connect(parts_.ListView1, &QListWidget::itemClicked, this, [this] {
        ListView1_ItemClick();
        ListView1_Click();
    });
    connect(parts_.ListView1, &QListWidget::itemDoubleClicked, this, &Catalogue::OpenItem);
    // The item the commands act on is always the one shown selected: a refill, a delete or the
    // keys that move the selection move it too.
    connect(parts_.ListView1, &QListWidget::itemSelectionChanged, this,
            [this] { session_.selectedItem = items_->SelectedIndex(); });
    listViewport_ = parts_.ListView1->viewport();
    listViewport_->installEventFilter(this);
}

Catalogue::~Catalogue() = default;

// The node's own files, those that are still there: a file removed behind the program's back
// is no item to show.
void Catalogue::ListSourceItems(ResourceKind kind, const QString& name) {
    const QString key = SourceNodeKey(kind, name);
    const QTreeWidgetItem* node = parts_.tree->Node(key);
    QStringList files;
    if (node != nullptr)
        for (const QString& file : CategoryTree::Files(*node))
            if (QFileInfo::exists(file)) files.append(file);
    listedKey_ = node != nullptr ? key : QString();
    parts_.Panel1->clear();
    parts_.Panel2->clear();
    if (ShowsOwnPicture(kind))
        items_->ListPictureItems(files, kind);
    else
        items_->ListGenericItems(files, kind);
}

void Catalogue::FollowSelection(QTreeWidgetItem* node) {
    const std::optional<SourceKey> key =
        node != nullptr ? SplitSourceKey(CategoryTree::Key(*node)) : std::nullopt;
    if (key)
        ListSourceItems(key->kind, key->name);
    else
        ClearList();
}

void Catalogue::ClearList() {
    listedKey_.clear();
    items_->Clear();
    session_.selectedItem = 0;
    parts_.Panel1->clear();
    parts_.Panel2->clear();
}

QTreeWidgetItem* Catalogue::ListedNode() const {
    return listedKey_.isEmpty() ? nullptr : parts_.tree->Node(listedKey_);
}

void Catalogue::ListView1_ItemClick() {
    session_.selectedItem = items_->SelectedIndex();
}

void Catalogue::ListView1_Click() {
    session_.selectedItem = 0;
    const int index = items_->SelectedIndex();
    session_.selectedItem = index;
    const QString path = items_->Path(index);
    if (path.isEmpty()) return;
    shownPath_ = path;
    parts_.Panel1->setText(QString::fromStdString(Printable(path.toStdString())));
    const QFileInfo file(path);
    parts_.Panel2->setText(
        file.exists() ? QLocale().toString(file.size()) + QStringLiteral(" bytes.") : QString());
}

bool Catalogue::PrepareItemMenu() {
    if (Selected() < 1) return false;
    const QString path = items_->Path(Selected());
    if (path.isEmpty()) return false;
    const std::optional<ResourceKind> kind = KindOfItemFile(path);
    const bool picture = kind && FormatOf(*kind).exportsAsPicture;
    for (QAction* entry : parts_.exportEntries)
        if (entry != nullptr) entry->setEnabled(picture);
    parts_.itemMenu->setDefaultAction(parts_.openEntry);
    return true;
}

bool Catalogue::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || watched != listViewport_)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    // The press is kept from the list, so that the selection stays on the item last clicked.
    if (PrepareItemMenu()) parts_.itemMenu->popup(mouse->globalPosition().toPoint());
    return true;
}

// An index that names no item any more opens nothing.
void Catalogue::OpenItem() {
    if (Selected() <= 0) return;
    const QString path = items_->Path(Selected());
    if (!path.isEmpty()) session_.shell.Open(path.toStdString());
}

void Catalogue::ExportIcon(int size) {
    const int index = Selected();
    if (index == 0 || items_->Item(index) == nullptr) return;
    ScanSettings& settings = session_.settings;
    Form2 dialog({&session_.messages, &session_.boxes, session_.appTitle, settings.language,
                  &settings.lastFolder},
                 parts_.mainWindow);
    dialog.ExportFileName.clear();
    dialog.SaveKind = QStringLiteral("ico");
    dialog.SelectFilter(kIconFilter);
    runDialog_(dialog);
    if (dialog.ExportFileName.isEmpty()) return;
    RenderExportPicture(size, index);
    Run([&] { return WriteIconFile(dialog.ExportFileName, exportCanvas_); });
}

// The item's own picture, read again rather than taken from the list's shrunk one: of an icon
// of several sizes the one nearest the size asked for. The list's picture stands in only for a
// file that no longer reads.
void Catalogue::RenderExportPicture(int size, int index) {
    const QString path = items_->Path(index);
    QImage picture = NearestIconImage(path, size).value_or(QImage());
    if (picture.isNull() && !path.isEmpty()) picture = QImageReader(path).read();
    if (picture.isNull()) picture = items_->Picture(index);
    exportCanvas_ = StretchToSquare(picture, size);
}

// The progress window says what is going on while the tree's files are deleted on a thread of
// their own, from the node added last down to the first, as the clearing commands go; the
// window's thread goes on drawing. Whatever happens, the window goes and the program may end.
void Catalogue::DeleteOnExit(std::function<void()> done) {
    auto form4 = std::make_shared<Form4>(session_.appTitle);
    form4->HideBarAndButton();
    form4->Label3()->setText(QString());
    form4->Label1()->setText(QStringLiteral("Deleting Files..."));
    CentreOver(*form4, parts_.mainWindow);
    form4->show();
    silentClear_ = true;
    auto files = std::make_shared<std::vector<std::string>>();
    const QList<QTreeWidgetItem*> nodes = SourceNodesInAddedOrder(parts_.tree->TreeView1());
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        const QStringList own = CategoryTree::Files(**it);
        for (auto file = own.rbegin(); file != own.rend(); ++file)
            files->push_back(file->toStdString());
    }
    auto error = std::make_shared<std::error_code>();
    QThread* deleting = QThread::create(
        [files, error, remover = remover_] { *error = RemoveExistingFiles(*files, remover); });
    connect(deleting, &QThread::finished, this, [this, deleting, form4, error, done] {
        deleting->deleteLater();
        // The nodes go with their files; after a failure the tree still shows what is left.
        for (QTreeWidgetItem* node : SourceNodes(parts_.tree->TreeView1())) DropGoneFiles(node);
        if (ListedNode() == nullptr) ClearList();
        Run([&] { return *error; });
        form4->hide();
        if (done) done();
    });
    deleting->start();
}

QString Catalogue::Message(MessageId id) const {
    return session_.messages.Text(id);
}

}  // namespace morvane
