// Looking at a modal dialog that a function opens with exec(): the probe runs once the dialog's
// event loop does, hands the dialog to a check, and then closes it, so that the test never
// waits for a person.
#pragma once

#include <QtWidgets>
#include <functional>

namespace morvane::test {

// Arms a probe for the next modal dialog: `look` sees it (or nullptr when none is open), and
// every open dialog is rejected afterwards.
inline void ProbeNextModalDialog(QObject* context, std::function<void(QDialog*)> look) {
    QTimer::singleShot(0, context, [look = std::move(look)] {
        look(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
                dialog->reject();
    });
}

}  // namespace morvane::test
