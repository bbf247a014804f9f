#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "CommandTable.h"

namespace morvane {

QStringList MainMenus::MenuNames() const {
    QStringList names;
    for (const MenuHead& head : MenuHeads()) names << QString::fromLatin1(head.name);
    return names;
}

MainMenus MainMenus::Build(QMenuBar& bar) {
    MainMenus menus;
    for (const MenuHead& head : MenuHeads()) {
        QMenu* menu = bar.addMenu(QString::fromUtf8(head.caption));
        menu->setObjectName(QString::fromLatin1(head.name));
        menus.menus_.at(static_cast<std::size_t>(head.id)) = menu;
    }
    for (const Command& entry : Commands()) {
        if (!entry.menu) continue;
        QMenu* menu = menus.Menu(*entry.menu);
        // A separator's caption "-" only says what it is; given as its text, styles draw it
        // beside the line.
        QAction* action =
            entry.id ? menu->addAction(QString::fromUtf8(entry.caption)) : menu->addSeparator();
        action->setObjectName(QString::fromLatin1(entry.entry));
        if (entry.id) menus.entries_.at(static_cast<std::size_t>(*entry.id)) = action;
        menus.order_ << action->objectName();
    }
    for (const Command& command : Commands()) {
        if (!command.KeyOnly()) continue;
        auto* action = new QAction(&bar);
        action->setObjectName(QString::fromLatin1(command.entry));
        menus.entries_.at(static_cast<std::size_t>(*command.id)) = action;
    }
    // Only the log window's entry ever shows a check mark.
    menus.Entry(CommandId::ShowLogWindow)->setCheckable(true);
    return menus;
}

}  // namespace morvane
