// The language passes of the main window and of the export file dialog. The windows themselves
// live elsewhere; they call these from their own ApplyLanguage with the names of their
// captioned controls.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "MessageTable.h"

class QAction;
class QObject;

namespace morvane {

inline constexpr QStringView kMainWindowPrefix = u"Form1.";
inline constexpr QStringView kExportDialogPrefix = u"Form2.";

// One toolbar button and the menu entry whose caption becomes its tooltip.
struct ToolbarTooltip {
    QAction* button;
    QString menuEntry;
};

// Gives every button the current caption of its menu entry (a child of `Form1` of that name)
// as its tooltip. A button or entry that is missing is skipped.
void ApplyToolbarTooltips(const QObject& Form1, const QList<ToolbarTooltip>& tooltips);

// The main window's language pass, run once at start-up: with "Default" the designed captions
// and tooltips stay; otherwise the caption pass over `controls` (the names of the menus and
// menu entries, separators included, in menu order) and the toolbar tooltips from the new
// captions. Either way Qt's own texts follow the language, and the message table of the language
// is returned.
MessageTable ApplyMainWindowLanguage(QObject& Form1, const QStringList& controls,
                                     const QString& language,
                                     const QList<ToolbarTooltip>& tooltips);

// The names of the export file dialog's captioned controls.
QStringList ExportDialogControls();

// The export file dialog's language pass, run whenever the dialog opens: nothing with "Default",
// otherwise the caption pass of its two buttons. Its title comes from the message table.
void ApplyExportDialogLanguage(QObject& Form2, const QString& language);

}  // namespace morvane
