// Controls are found by their names ("Form1." + name in the language files, and in tests), so
// every window makes its controls through this one helper.
#pragma once

#include <QString>
#include <QWidget>

namespace morvane {

template <typename Control>
Control* MakeNamed(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace morvane
