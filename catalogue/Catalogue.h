// The results catalogue: the item list beside the category tree, and the commands that open,
// delete, clear and export its items. It works on the session and on the main window's controls
// it is given, so that it never reaches into the window itself, and every command that can fail
// stops at its first error and reports it in one box.
#pragma once

#include <QImage>
#include <QObject>
#include <QTreeWidgetItem>
#include <functional>
#include <memory>
#include <system_error>

#include "CatalogueCommands.h"
#include "CatalogueParts.h"
#include "ItemFiles.h"
#include "MessageTable.h"
#include "Session.h"

class QLabel;
class QListWidget;
class QMenu;
class QTreeWidgetItem;

namespace morvane {

class Form2;
class ItemList;

class Catalogue final : public QObject, public CatalogueCommands {
    Q_OBJECT

  public:
    // Works on the window's controls in `parts`, and listens to its tree and list. The session's
    // words, title and settings are read when used: start-up fills them later.
    Catalogue(Session& session, CatalogueParts parts);
    ~Catalogue() override;

    // Seams for tests: how a file is deleted, and how the export dialog is run.
    void SetFileRemover(ItemFileRemover remover) { remover_ = std::move(remover); }
    void SetExportDialogRunner(std::function<void(Form2&)> run) { runDialog_ = std::move(run); }

    ItemList& Items() const { return *items_; }
    bool SilentClear() const { return silentClear_; }
    // The canvas of the last export.
    const QImage& ExportCanvas() const { return exportCanvas_; }

    // Handlers of ListView1.
    void ListView1_ItemClick();
    void ListView1_Click();
    // The right button: the item menu, with the export entries enabled only for icons and
    // cursors; false when no item was clicked before, and no menu is shown.
    bool PrepareItemMenu();

    // Paints the picture of item `index` (its file's own) over the export canvas, stretched to
    // S×S.
    void RenderExportPicture(int size, int index);

    void OpenItem() override;
    void DeleteItem() override;
    void DeleteAllItems() override;
    void ExportIcon(int size) override;
    void RemoveNode() override;
    void ClearCategory() override;
    void ClearAllNodes() override;
    void DeleteOnExit(std::function<void()> done) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ListSourceItems(ResourceKind kind, const QString& name);
    // Lists the items of the node now selected, or none, and clears the status bar.
    void FollowSelection(QTreeWidgetItem* node);
    void ClearList();
    // Forgets the node's files that are gone; the node goes when none is left.
    static void DropGoneFiles(QTreeWidgetItem* node);
    // The node whose items the list shows; nullptr when it shows none.
    QTreeWidgetItem* ListedNode() const;
    // Runs a command under the one error handler.
    void Run(const std::function<std::error_code()>& command);
    bool Ask(const QString& question) const;
    std::error_code ClearSourceNode(QTreeWidgetItem* node);
    std::error_code ClearSourceNodes(const QString& keyStart);
    QString NodeQuestion(const QTreeWidgetItem& node) const;
    QString Message(MessageId id) const;
    int Selected() const { return session_.selectedItem; }

    Session& session_;
    CatalogueParts parts_;
    // Kept apart, as the list cannot be asked for it while it is being destroyed.
    QObject* listViewport_ = nullptr;
    std::unique_ptr<ItemList> items_;
    ItemFileRemover remover_ = RemoveItemFile;
    std::function<void(Form2&)> runDialog_;
    QImage exportCanvas_;
    QString listedKey_;
    QString shownPath_;  // of the item the status bar names
    bool silentClear_ = false;
};

}  // namespace morvane
