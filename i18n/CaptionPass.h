// The caption pass that puts a window's controls into the language of a language file. A
// window's controls are designed with their Greek captions; the pass looks each one up under
// the window's prefix ("Form1.", "Form2.", "Form5.") and its object name, and replaces the
// caption only when the file has a text for it, so a file may translate as little as it likes.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QObject;

namespace morvane {

class LanguageText;

// The caption of a menu, menu entry, button, check box, label or frame; empty for anything that
// has no caption.
QString CaptionOf(const QObject& control);

// Sets the caption of a control that has one; false (and nothing changes) for any other.
bool SetCaption(QObject& control, const QString& caption);

// For each name of `controls`, in order: looks up `prefix` + name in `text` and, unless the
// answer is exactly "##", gives that text to the child of `window` with that object name. Names
// with no such child, or whose child has no caption, are passed over.
void RunCaptionPass(QObject& window, QStringView prefix, const QStringList& controls,
                    const LanguageText& text);

}  // namespace morvane
