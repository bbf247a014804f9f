#include "MainToolbar.h"

#include <QAction>
#include <QToolBar>
#include <array>

#include "CommandTable.h"
#include "MainMenus.h"
#include "ToolbarImageList.h"

namespace morvane {

void FillToolbar1(QToolBar& Toolbar1, const ToolbarImageList& images, const MainMenus& menus) {
    Toolbar1.setIconSize(QSize(ToolbarImageList::kSize, ToolbarImageList::kSize));
    std::array<const Command*, kToolbarPositions> positions{};
    for (const Command& command : Commands())
        if (command.HasButton())
            positions.at(static_cast<size_t>(command.button.position)) = &command;
    for (const Command* command : positions) {
        if (command == nullptr) {
            Toolbar1.addSeparator();
            continue;
        }
        QAction* entry = menus.Entry(*command->id);
        QAction* button = entry != nullptr ? entry : new QAction(&Toolbar1);
        button->setIcon(images.Icon(command->button.image));
        button->setData(QString::fromLatin1(command->button.key));
        button->setToolTip(QString::fromUtf8(command->button.tooltip));
        Toolbar1.addAction(button);
    }
}

// A button keeps its key as its data.
QString ToolbarKey(const QAction& button) {
    return button.data().toString();
}

QAction* ToolbarButton(const QToolBar& Toolbar1, const QString& key) {
    for (QAction* button : Toolbar1.actions())
        if (!button->isSeparator() && ToolbarKey(*button) == key) return button;
    return nullptr;
}

QList<ToolbarTooltip> ToolbarTooltips(const QToolBar& Toolbar1) {
    QList<ToolbarTooltip> tooltips;
    for (const Command& command : Commands())
        if (command.HasButton())
            tooltips.append({ToolbarButton(Toolbar1, QString::fromLatin1(command.button.key)),
                             QString::fromLatin1(CommandOf(command.TooltipSource()).entry)});
    return tooltips;
}

}  // namespace morvane
