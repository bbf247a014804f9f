#include "Form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

#include "BoxMessageSink.h"
#include "CaptionFit.h"
#include "CatalogueCommands.h"
#include "CategoryTree.h"
#include "CommandLine.h"
#include "DropScanner.h"
#include "Form3.h"
#include "MainToolbar.h"
#include "MessageBoxes.h"
#include "ScanRunner.h"
#include "Session.h"
#include "SettingsPersistence.h"
#include "ShellOpen.h"
#include "SourceBrowser.h"
#include "StartSettings.h"
#include "ToolbarImageList.h"
#include "Volumes.h"
#include "WindowLanguage.h"
#include "WindowPlacement.h"

namespace morvane {

Form1::Form1(Session& session, Form1Setup setup)
    : session_(session),
      setup_(std::move(setup)),
      controls_(Form1Controls::Create(*this)),
      menus_(MainMenus::Build(*menuBar())),
      images_(std::make_unique<ToolbarImageList>()),
      tree_(new CategoryTree(*controls_.TreeView1, *images_)),
      browser_(new SourceBrowser(*controls_.Drive1, *controls_.Dir1, *controls_.File1,
                                 *controls_.Combo1, ListVolumes())),
      catalogue_(setup_.makeCatalogue(PartsForCatalogue())),
      geometry_(DesignGeometry()) {
    setObjectName(QStringLiteral("Form1"));
    // Help pages and language files open through the same shell as everything else here.
    SetShellOpener(&session_.shell);
    setWindowTitle(QStringLiteral("Morvane"));
    FillToolbar1(*controls_.Toolbar1, *images_, menus_);
    controls_.StatusBar1->setSizeGripEnabled(false);
    tree_->SetPopupMenu(menus_.Menu(MenuId::NodePopup), Entry(CommandId::RemoveNode),
                        Entry(CommandId::ClearCategory), Entry(CommandId::ClearAllNodes));
    ConnectControls();
    ConnectCommands();
    ConnectKeys();
    // Like a folder list that has just been made, the browser shows the current folder until
    // start-up moves it.
    browser_->SetFolder(QDir::currentPath());

    const TwipsScale scale = TwipsScale::Of(*this);
    resize(scale.ToPixelsX(kDesignClientWidth),
           scale.ToPixelsY(kDesignClientHeight) + menuBar()->sizeHint().height());
    ApplyGeometry();
}

CatalogueParts Form1::PartsForCatalogue() {
    return {this,
            controls_.ListView1,
            controls_.Panel1,
            controls_.Panel2,
            menus_.Menu(MenuId::Edit),
            Entry(CommandId::OpenItem),
            {Entry(CommandId::ExportIcon48), Entry(CommandId::ExportIcon32),
             Entry(CommandId::ExportIcon16)},
            tree_};
}

Form1::~Form1() {
    delete logWindow_.data();
}

void Form1::Form_Load() {
    menus_.Menu(MenuId::NodePopup)->menuAction()->setVisible(false);
    session_.appTitle = windowTitle();
    BoxMessageSink sink(session_.boxes, session_.appTitle);
    session_.settings = LoadStartSettings(setup_.store, sink, session_.appFolder);
    ApplyLanguage(session_.settings.language);
    loaded_ = true;

    ScanRunner::Setup scan;
    scan.mainWindow = this;
    scan.tree = tree_;
    scan.stopPicture = images_->Icon(CommandImage::Stop);
    scan.windows = {tree_, [this] { return LogWindow(); }, &session_.boxes, session_.appTitle,
                    &session_.messages};
    runner_ = std::make_unique<ScanRunner>(session_, std::move(scan));
    connect(runner_.get(), &ScanRunner::ScanStarted, this,
            [this] { EnableBlockedCommands(false); });
    connect(runner_.get(), &ScanRunner::ScanEnded, this, [this] { EnableBlockedCommands(true); });
    // A close asked for during a scan waits for the scan's end, and then for the event loop.
    connect(runner_.get(), &ScanRunner::ScanEnded, this, [this] {
        if (!closePending_) return;
        closePending_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });

    tree_->AddCategoryNodes(session_.messages.Text(MessageId::FilesWord));
    HideExportCanvas(geometry_);
    ApplyGeometry();
    browser_->FillFilters(session_.messages);
    FitSourceColumn();
    new DropScanner(*this, [this](const QString& path) {
        if (!IsScanning()) HandleCommandLine(path);  // a drop is scanned as a command line is
    });
    CentreOnScreen(*this);
    show();
    if (ReadShowLog(setup_.store)) {
        show_log_form_menu_Click();
        show();
        raise();
        activateWindow();
    }
    HandleCommandLine(setup_.commandLine);
}

// The captions of the menus and entries, the toolbar's tooltips from them, and the message
// table that the tree, the filter and the scans take their words from.
void Form1::ApplyLanguage(const QString& language) {
    session_.messages = ApplyMainWindowLanguage(*this, menus_.MenuNames() + menus_.EntryNames(),
                                                language, ToolbarTooltips(*controls_.Toolbar1));
}

// A language whose filter descriptions do not fit the designed source column widens the column,
// rather than cutting the chosen filter off in its box.
void Form1::FitSourceColumn() {
    const int missing = MissingEntryWidth(*controls_.Combo1);
    if (missing == 0) return;
    WidenSourceColumn(geometry_, TwipsScale::Of(*this).ToTwipsX(missing + 1));
    ApplyGeometry();
}

// What opens for reading is scanned as a file; anything else is taken for a folder. Moving the
// folder list also shows its volume in the drive list.
void Form1::HandleCommandLine(const QString& text) {
    if (text.isEmpty()) {
        browser_->SetFolder(session_.appFolder);
        return;
    }
    const QString path = CleanCommandLinePath(text);
    if (!OpensForReading(path)) {
        browser_->SetDrive(VolumeOfPath(path, browser_->Volumes()));
        browser_->SetFolder(path);
        runner_->ScanFolder(path, browser_->Pattern());
        return;
    }
    browser_->SetFolder(ParentFolder(path));
    controls_.Panel1->setText(path);
    runner_->ScanCommandLineFile(path);
}

Form3* Form1::LogWindow() const {
    return Entry(CommandId::ShowLogWindow)->isChecked() ? logWindow_.data() : nullptr;
}

bool Form1::IsScanning() const {
    return runner_ != nullptr && runner_->IsScanning();
}

void Form1::File1_Click() {
    const QString name = browser_->SelectedFile();
    if (name.isEmpty() || runner_ == nullptr) return;
    runner_->ScanSingleFile(browser_->FileFolder(), name);
}

void Form1::show_log_form_menu_Click() {
    QAction* entry = Entry(CommandId::ShowLogWindow);
    if (logWindow_ != nullptr) {
        logWindow_->close();  // its Unloading takes the mark away
        return;
    }
    auto* log = new Form3(this);
    logWindow_ = log;
    connect(log, &Form3::Unloading, this, [this, entry] {
        entry->setChecked(false);
        logWindow_.clear();
    });
    entry->setChecked(true);
    log->setWindowTitle(entry->text());
    log->Form_Load(frameGeometry(), screen()->availableGeometry(),
                   frameGeometry().height() - height());
    new LogWindowPlacer(*log, *this);  // again once the window manager has framed this window
    // A tool window of the main window: in front of it, which it may overlap at the bottom of the
    // screen, and never above the dialogs and message boxes it opens.
    log->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (IsScanning()) {
        closePending_ = true;
        runner_->RequestStop();
        event->ignore();
        return;
    }
    if (exitDeletion_ == ExitDeletion::Running) {
        event->ignore();
        return;
    }
    // The files go first, off the window's thread; the close comes again when they are gone.
    if (loaded_ && !unloaded_ && session_.settings.deleteOnExit &&
        exitDeletion_ == ExitDeletion::NotStarted) {
        exitDeletion_ = ExitDeletion::Running;
        event->ignore();
        catalogue_.DeleteOnExit([this] {
            exitDeletion_ = ExitDeletion::Done;
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        });
        return;
    }
    if (!unloaded_) {
        unloaded_ = true;
        Form_QueryUnload();
        Form_Unload();
    }
    event->accept();
}

void Form1::Form_QueryUnload() {
    // Without a completed start-up there is nothing of the user's to save, and writing the
    // empty record would overwrite the stored options.
    if (!loaded_) return;
    const bool logShown = Entry(CommandId::ShowLogWindow)->isChecked();
    if (const std::optional<QString> failure =
            SaveSettings(setup_.store, session_.settings, logShown))
        session_.boxes.Critical(session_.appTitle, *failure);
}

void Form1::Form_Unload() {
    if (logWindow_ != nullptr) logWindow_->close();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

// The outer size is measured as the client area plus the designed frame, so that the gaps the
// rules leave are those of the design whatever frame the window system draws.
void Form1::Form_Resize() {
    if (Entry(CommandId::ShowLogWindow)->isChecked() && logWindow_ != nullptr) {
        if (isMinimized())
            logWindow_->hide();
        else
            logWindow_->show();
    }
    const TwipsScale scale = TwipsScale::Of(*this);
    ApplyResizeRules(geometry_, scale.ToTwipsX(controls_.client->width()) + kDesignFrameWidth,
                     scale.ToTwipsY(controls_.client->height()) + kDesignFrameHeight);
    ApplyGeometry();
}

void Form1::ApplyGeometry() {
    const TwipsScale s = TwipsScale::Of(*this);
    const MainGeometry& g = geometry_;
    controls_.Toolbar1->setGeometry(s.ToPixels(g.Toolbar1));
    controls_.Drive1->setGeometry(s.ToPixels(g.Drive1));
    controls_.Dir1->setGeometry(s.ToPixels(g.Dir1));
    controls_.File1->setGeometry(s.ToPixels(g.File1));
    controls_.Combo1->setGeometry(s.ToPixels(g.Combo1));
    controls_.TreeView1->setGeometry(s.ToPixels(g.TreeView1));
    controls_.ListView1->setGeometry(s.ToPixels(g.ListView1));
    // A status bar lower than its texts would cut them: it grows upwards, keeping its bottom.
    QRect status = s.ToPixels(g.StatusBar1);
    const int needed = controls_.StatusBar1->sizeHint().height();
    if (needed > status.height()) status.setTop(status.bottom() + 1 - needed);
    controls_.StatusBar1->setGeometry(status);
    controls_.previewCanvas->setGeometry(s.ToPixels(g.previewCanvas));
    controls_.exportCanvas->setGeometry(s.ToPixels(g.exportCanvas));
    controls_.Panel1->setFixedWidth(s.ToPixelsX(g.panel1Width));
    controls_.Panel2->setFixedWidth(s.ToPixelsX(g.panel2Width));
}

QAction* Form1::Entry(CommandId id) const {
    return menus_.Entry(id);
}

}  // namespace morvane
