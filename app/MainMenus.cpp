#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

namespace morvane {

namespace {
struct MenuEntry {
    const char* menu;
    const char* name;
    const char* caption;  // "-" is a separator
};

struct MenuHead {
    const char* name;
    const char* caption;
};

constexpr std::array<MenuHead, 5> kMenus = {{
    {"file_menu", "Αρχείο"},
    {"epiloges_menu", "Επιλογές"},
    {"edit_menu", "Επεξεργασία"},
    {"help_menu_up", "Βοήθεια"},
    {"hide_menu", "Κατηγορίες"},
}};

// The export captions hold three blanks after "ως".
constexpr std::array<MenuEntry, 23> kEntries = {{
    {"file_menu", "show_all_files", "Αναζήτηση σε όλα τα αρχεία στον κατάλογο"},
    {"file_menu", "sep_ektakto1", "-"},
    {"file_menu", "exit_menu", "Έξοδος"},
    {"epiloges_menu", "show_log_form_menu", "Διαχειριστής Γεγονότων"},
    {"epiloges_menu", "separator_ff22", "-"},
    {"epiloges_menu", "select_formats_menu", "Ρυθμίσεις"},
    {"epiloges_menu", "sep_ektakto2", "-"},
    {"epiloges_menu", "metafrash_menu", "Μετάφραση Προγράμματος"},
    {"epiloges_menu", "select_language_menu", "Language"},
    {"edit_menu", "play_now_menu", "Άνοιγμα"},
    {"edit_menu", "sep_some4", "-"},
    {"edit_menu", "delete_item_menu", "Διαγραφή"},
    {"edit_menu", "delete_all_menu", "Διαγραφή Όλων"},
    {"edit_menu", "sep_some44", "-"},
    {"edit_menu", "bmp_menu", "Αποθήκευση ως   48x48 Icon"},
    {"edit_menu", "ico_menu", "Αποθήκευση ως   32x32 Icon"},
    {"edit_menu", "save_as_16_ico", "Αποθήκευση ως   16x16 Icon"},
    {"help_menu_up", "help_menu", "Περιεχόμενα"},
    {"help_menu_up", "sep_ektakto3", "-"},
    {"help_menu_up", "about_form", "Περί..."},
    {"hide_menu", "remove_node_item", "Αφαίρεση"},
    {"hide_menu", "clear_node_category", "Αφαίρεση Κατηγορίας"},
    {"hide_menu", "clear_node", "Αφαίρεση Όλων"},
}};
}  // namespace

QStringList MainMenus::MenuNames() const {
    QStringList names;
    for (const MenuHead& head : kMenus) names << QString::fromLatin1(head.name);
    return names;
}

MainMenus MainMenus::Build(QMenuBar& bar) {
    MainMenus menus;
    for (const MenuHead& head : kMenus) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(head.caption));
        menu->setObjectName(QString::fromLatin1(head.name));
        menus.menus_.insert(menu->objectName(), menu);
    }
    for (const MenuEntry& entry : kEntries) {
        QMenu* menu = menus.Menu(QString::fromLatin1(entry.menu));
        const QString caption = QString::fromUtf8(entry.caption);
        QAction* action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
        if (action->isSeparator()) action->setText(caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        menus.entries_.insert(action->objectName(), action);
        menus.order_ << action->objectName();
    }
    // Only the log window's entry ever shows a check mark.
    menus.Entry(QStringLiteral("show_log_form_menu"))->setCheckable(true);
    return menus;
}

}  // namespace morvane
