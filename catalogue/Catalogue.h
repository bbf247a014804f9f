// The results catalogue: the item list beside the category tree, and the commands that open,
// delete, clear and export its items. It is given the main window's controls and services, so
// that it never reaches into the window itself, and every command that can fail stops at its
// first error and reports it in one box.
#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "CatalogueCommands.h"
#include "ItemFiles.h"
#include "MessageTable.h"

class QLabel;
class QListWidget;
class QMenu;
class QTreeWidgetItem;

namespace morvane {

class CategoryTree;
class Form2;
class ItemList;
class MessageBoxes;
class ShellOpener;
class ToolbarImageList;
struct ScanSettings;

struct CatalogueParts {
    QWidget* mainWindow = nullptr;
    QListWidget* ListView1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QMenu* edit_menu = nullptr;
    CategoryTree* tree = nullptr;
    const ToolbarImageList* images = nullptr;
    MessageBoxes* boxes = nullptr;
    ShellOpener* shell = nullptr;
    // Ends with the path separator; the kind folders are under it.
    std::string outputRoot;
    // Read when used: start-up fills them after the catalogue is attached.
    std::function<QString()> appTitle;
    std::function<const MessageTable&()> messages;
    std::function<ScanSettings&()> settings;
    // SelectedItemIndex lives with the window, whose toolbar guard reads it too.
    std::function<int()> selectedItemIndex;
    std::function<void(int)> setSelectedItemIndex;
};

class Catalogue final : public QObject, public CatalogueCommands {
    Q_OBJECT

  public:
    Catalogue();
    ~Catalogue() override;

    // Takes the window's parts and listens to the tree and the list.
    void Attach(CatalogueParts parts);

    // Seams for tests: how a file is deleted, and how the export dialog is run.
    void SetFileRemover(ItemFileRemover remover) { remover_ = std::move(remover); }
    void SetExportDialogRunner(std::function<void(Form2&)> run) { runDialog_ = std::move(run); }

    ItemList& Items() const { return *items_; }
    bool SilentClear() const { return silentClear_; }
    // The canvas of the last export.
    const QImage& Picture3() const { return picture3_; }

    // Handlers of ListView1.
    void ListView1_ItemClick();
    void ListView1_Click();
    // The right button: the item menu, with the export entries enabled only for icons and
    // cursors; false when no item was clicked before, and no menu is shown.
    bool PrepareItemMenu();

    // Paints the picture of item `index` over Picture3, stretched to S×S.
    void RenderExportPicture(int size, int index);

    void OpenItem() override;
    void DeleteItem() override;
    void DeleteAllItems() override;
    void ExportIcon(int size) override;
    void RemoveNode() override;
    void ClearCategory() override;
    void ClearAllNodes() override;
    void DeleteOnExit() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ListSourceItems(const QString& kind, const QString& name);
    // Runs a command under the one error handler.
    void Run(const std::function<std::error_code()>& command);
    bool Ask(const QString& question) const;
    std::error_code DeleteListedItems(QString& lastPath);
    std::error_code ClearSourceNode(QTreeWidgetItem* node);
    std::error_code ClearSourceNodes(const QString& keyStart);
    std::error_code RemoveNodeOfKey(const QString& key);
    QString KindFolder(const QString& kind) const;
    QString Message(MessageId id) const;
    int Selected() const { return parts_.selectedItemIndex(); }

    CatalogueParts parts_;
    // Kept apart, as the list cannot be asked for it while it is being destroyed.
    QObject* listViewport_ = nullptr;
    std::unique_ptr<ItemList> items_;
    ItemFileRemover remover_ = RemoveItemFile;
    std::function<void(Form2&)> runDialog_;
    QImage picture3_;
    bool silentClear_ = false;
};

}  // namespace morvane
