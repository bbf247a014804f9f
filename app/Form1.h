// Form1, the main window. It holds the controls and their handlers and wires them to the parts
// that do the work: the browser, the scan runner, the category tree, the settings and the log
// window. Its Form_Load is the program's whole start-up; closing it by any route saves the
// settings and closes the log window.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "Form1Controls.h"
#include "Form1Setup.h"
#include "MainLayout.h"
#include "MainMenus.h"

class QAction;

namespace morvane {

class CatalogueCommands;
class CategoryTree;
struct Command;
class Form3;
class ScanRunner;
class SourceBrowser;
struct Session;
class ToolbarImageList;

class Form1 final : public QMainWindow {
    Q_OBJECT

  public:
    Form1(Session& session, Form1Setup setup);
    ~Form1() override;

    // Start-up: settings and language, the category nodes, the filter, the window, the log
    // window when "Show_Log" says so, and last the command line, which may scan.
    void Form_Load();

    const Form1Controls& Controls() const { return controls_; }
    const MainMenus& Menus() const { return menus_; }
    CategoryTree& Tree() const { return *tree_; }
    SourceBrowser& Browser() const { return *browser_; }
    const ToolbarImageList& Images() const { return *images_; }
    const MainGeometry& Geometry() const { return geometry_; }
    // The log window while it is open, else nullptr.
    Form3* LogWindow() const;
    bool IsScanning() const;

    // Handlers of the controls.
    void File1_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void Form_Resize();

    // Handlers of the menu entries.
    void show_all_files_Click();
    void exit_menu_Click();
    void show_log_form_menu_Click();
    void select_formats_menu_Click();
    void metafrash_menu_Click();
    void select_language_menu_Click();
    void play_now_menu_Click();
    void delete_item_menu_Click();
    void delete_all_menu_Click();
    void bmp_menu_Click();
    void ico_menu_Click();
    void save_as_16_ico_Click();
    void help_menu_Click();
    void about_form_Click();
    void remove_node_item_Click();
    void clear_node_category_Click();
    void clear_node_Click();
    // The toolbar's own: the scan log, and the about box without a caption.
    void OpenScanLog();
    void ShowAboutFromToolbar();
    // The keyboard's own: the browser's file list read anew, for files made since it was shown.
    void RefreshFiles();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ConnectControls();
    void ConnectCommands();
    void ConnectKeys();
    void RunCommand(const Command& command);
    void EnableBlockedCommands(bool enabled);
    QAction* ActionOf(const Command& command) const;
    void ApplyLanguage(const QString& language);
    void FitSourceColumn();
    void HandleCommandLine(const QString& text);
    // Saves the options; the files to delete at exit are gone by then.
    void Form_QueryUnload();
    void Form_Unload();
    void ApplyGeometry();
    // Whether the toolbar's export buttons may act: a selected item listed without a caption
    // whose file ends in ".ico", in any letter case.
    bool ExportGuardPasses() const;
    QAction* Entry(CommandId id) const;
    CatalogueParts PartsForCatalogue();

    Session& session_;
    Form1Setup setup_;
    Form1Controls controls_;
    MainMenus menus_;
    std::unique_ptr<ToolbarImageList> images_;
    CategoryTree* tree_;
    SourceBrowser* browser_;
    CatalogueCommands& catalogue_;
    std::unique_ptr<ScanRunner> runner_;
    MainGeometry geometry_;
    QPointer<Form3> logWindow_;
    bool loaded_ = false;
    bool closePending_ = false;
    bool unloaded_ = false;
    enum class ExitDeletion { NotStarted, Running, Done };
    ExitDeletion exitDeletion_ = ExitDeletion::NotStarted;
};

}  // namespace morvane
