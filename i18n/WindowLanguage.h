// The language passes of the main window and of the export file dialog. The windows themselves
// live elsewhere; they call these from their own ApplyLanguage with the names of their
// captioned controls.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>

#include "MessageTable.h"

class QAction;
class QObject;

namespace morvane {

inline constexpr QStringView kMainWindowPrefix = u"Form1.";
inline constexpr QStringView kExportDialogPrefix = u"Form2.";

// One toolbar button and the menu entry whose caption becomes its tooltip.
struct TooltipSource {
    QStringView buttonKey;
    QStringView menuEntry;
};

// In the order the tooltips are set.
inline constexpr std::array<TooltipSource, 10> kToolbarTooltipSources = {{
    {u"ALL_FILES", u"show_all_files"},
    {u"run_file", u"play_now_menu"},
    {u"BMP", u"bmp_menu"},
    {u"ICO", u"ico_menu"},
    {u"dekaeji", u"save_as_16_ico"},
    {u"log_file", u"show_log_form_menu"},
    {u"INFO", u"about_form"},
    {u"EXIT", u"exit_menu"},
    {u"DELETE", u"delete_item_menu"},
    {u"DELETE_ALL", u"delete_all_menu"},
}};

// The toolbar button with a key; nullptr when there is none.
using ToolbarButtonOfKey = std::function<QAction*(const QString& key)>;

// Gives every toolbar button of the table the current caption of its menu entry (a child of
// `Form1` named as in the table) as its tooltip. A button or entry that is missing is skipped.
void ApplyToolbarTooltips(const QObject& Form1, const ToolbarButtonOfKey& buttonOfKey);

// The main window's language pass, run once at start-up: with "Default" the designed captions
// and tooltips stay; otherwise the caption pass over `controls` (the names of the menus and
// menu entries, separators included, in menu order) and the toolbar tooltips from the new
// captions. Either way the message table of the language is returned.
MessageTable ApplyMainWindowLanguage(QObject& Form1, const QStringList& controls,
                                     const QString& language,
                                     const ToolbarButtonOfKey& buttonOfKey);

// The names of the export file dialog's captioned controls.
QStringList ExportDialogControls();

// The export file dialog's language pass, run whenever the dialog opens: nothing with "Default",
// otherwise the caption pass of its two buttons. Its title comes from the message table.
void ApplyExportDialogLanguage(QObject& Form2, const QString& language);

}  // namespace morvane
