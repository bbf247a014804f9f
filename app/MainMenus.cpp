#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "CommandTable.h"

namespace morvane {

namespace {
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
    for (const Command& entry : Commands()) {
        if (entry.menu == nullptr) continue;
        QMenu* menu = menus.Menu(QString::fromLatin1(entry.menu));
        const QString caption = QString::fromUtf8(entry.caption);
        QAction* action = caption == u"-" ? menu->addSeparator() : menu->addAction(caption);
        if (action->isSeparator()) action->setText(caption);
        action->setObjectName(QString::fromLatin1(entry.entry));
        menus.entries_.insert(action->objectName(), action);
        menus.order_ << action->objectName();
    }
    // Only the log window's entry ever shows a check mark.
    menus.Entry(QStringLiteral("show_log_form_menu"))->setCheckable(true);
    return menus;
}

}  // namespace morvane
