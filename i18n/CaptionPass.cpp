#include "CaptionPass.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "LanguageText.h"

namespace morvane {

QString CaptionOf(const QObject& control) {
    if (const auto* menu = qobject_cast<const QMenu*>(&control)) return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(&control)) return action->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) return frame->title();
    return {};
}

bool SetCaption(QObject& control, const QString& caption) {
    // A menu's caption is its title, which it also gives the entry that opens it.
    if (auto* menu = qobject_cast<QMenu*>(&control)) {
        menu->setTitle(caption);
    } else if (auto* action = qobject_cast<QAction*>(&control)) {
        // A language file writes "-" for a separator, which then shows its line alone.
        action->setText(action->isSeparator() && caption == u"-" ? QString() : caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        frame->setTitle(caption);
    } else {
        return false;
    }
    return true;
}

void RunCaptionPass(QObject& window, QStringView prefix, const QStringList& controls,
                    const LanguageText& text) {
    const QString keyPrefix = prefix.toString();
    for (const QString& name : controls) {
        const QString caption = text.Lookup(keyPrefix + name);
        // "##" is both the answer for a missing key and a value a translator may write to
        // keep a control as designed.
        if (caption == kMissingText) continue;
        if (QObject* control = window.findChild<QObject*>(name)) SetCaption(*control, caption);
    }
}

}  // namespace morvane
