#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace morvane {

namespace {
QMessageBox::StandardButton Run(QMessageBox::Icon icon, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
}  // namespace

void QtMessageBoxes::Show(const QString& title, const QString& text) {
    Run(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
}

void QtMessageBoxes::Critical(const QString& title, const QString& text) {
    Run(QMessageBox::Critical, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::Ask(const QString& title, const QString& text) {
    return Run(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace morvane
