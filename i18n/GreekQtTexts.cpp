#include "GreekQtTexts.h"

#include <cstring>

namespace morvane {

namespace {
struct QtText {
    const char* context;
    const char* source;
    const char* greek;
};

// The standard buttons as the generic and the GNOME platform themes name them, and the entries
// of the edit menus of one-line and many-line text fields. "OK" stays as Greek Windows writes it.
constexpr QtText kTexts[] = {
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Cancel", "Ακύρωση"},
    {"QPlatformTheme", "&Yes", "&Ναι"},
    {"QPlatformTheme", "&No", "Ό&χι"},
    {"QPlatformTheme", "Close", "Κλείσιμο"},
    {"QGnomeTheme", "&OK", "&OK"},
    {"QGnomeTheme", "&Cancel", "&Ακύρωση"},
    {"QGnomeTheme", "&Close", "&Κλείσιμο"},
    {"QLineEdit", "&Undo", "&Αναίρεση"},
    {"QLineEdit", "&Redo", "Ακύρωση α&ναίρεσης"},
    {"QLineEdit", "Cu&t", "Α&ποκοπή"},
    {"QLineEdit", "&Copy", "Α&ντιγραφή"},
    {"QLineEdit", "&Paste", "Ε&πικόλληση"},
    {"QLineEdit", "Delete", "Διαγραφή"},
    {"QLineEdit", "Select All", "Επιλογή όλων"},
    {"QWidgetTextControl", "&Copy", "Α&ντιγραφή"},
    {"QWidgetTextControl", "Select All", "Επιλογή όλων"},
};
}  // namespace

QString GreekQtTexts::translate(const char* context, const char* sourceText, const char*,
                                int) const {
    if (context == nullptr || sourceText == nullptr) return {};
    for (const QtText& text : kTexts)
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf8(text.greek);
    return {};
}

}  // namespace morvane
