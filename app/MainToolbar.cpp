#include "MainToolbar.h"

#include <QAction>
#include <QToolBar>
#include <array>

#include "ToolbarImageList.h"

namespace morvane {

namespace {
struct ToolbarPosition {
    const char* key;  // nullptr for a separator
    const char* tooltip;
    CommandImage image;
};

constexpr std::array<ToolbarPosition, 13> kPositions = {{
    {"ALL_FILES", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο", CommandImage::ScanFolder},
    {nullptr, nullptr, CommandImage::ScanFolder},
    {"run_file", "Άνοιγμα", CommandImage::Open},
    {"DELETE", "Διαγραφή", CommandImage::Delete},
    {"DELETE_ALL", "Διαγραφή Όλων", CommandImage::DeleteAll},
    {nullptr, nullptr, CommandImage::ScanFolder},
    {"BMP", "Αποθήκευση ως 48x48", CommandImage::Export48},
    {"ICO", "Αποθήκευση ως 32x32", CommandImage::Export32},
    {"dekaeji", "Αποθήκευση ως 16x16", CommandImage::Export16},
    {nullptr, nullptr, CommandImage::ScanFolder},
    {"log_file", "Εμφάνιση Αρχείου Γεγονότων", CommandImage::ScanLog},
    {"INFO", "Πληροφορίες Προγράμματος", CommandImage::About},
    {"EXIT", "Έξοδος Προγάμματος", CommandImage::Exit},
}};
}  // namespace

void FillToolbar1(QToolBar& Toolbar1, const ToolbarImageList& images) {
    Toolbar1.setIconSize(QSize(ToolbarImageList::kSize, ToolbarImageList::kSize));
    for (const ToolbarPosition& position : kPositions) {
        if (position.key == nullptr) {
            Toolbar1.addSeparator();
            continue;
        }
        const QString tooltip = QString::fromUtf8(position.tooltip);
        QAction* button = Toolbar1.addAction(images.Icon(position.image), tooltip);
        button->setData(QString::fromLatin1(position.key));
        button->setToolTip(tooltip);
    }
}

// A button keeps its key as its data.
QString ToolbarKey(const QAction& button) { return button.data().toString(); }

QAction* ToolbarButton(const QToolBar& Toolbar1, const QString& key) {
    for (QAction* button : Toolbar1.actions())
        if (!button->isSeparator() && ToolbarKey(*button) == key) return button;
    return nullptr;
}

}  // namespace morvane
