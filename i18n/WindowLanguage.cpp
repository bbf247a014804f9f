#include "WindowLanguage.h"

#include <QAction>

#include "CaptionPass.h"
#include "LanguageText.h"
#include "QtTranslation.h"

namespace morvane {

void ApplyToolbarTooltips(const QObject& Form1, const QList<ToolbarTooltip>& tooltips) {
    for (const ToolbarTooltip& tooltip : tooltips) {
        const auto* entry = Form1.findChild<const QObject*>(tooltip.menuEntry);
        if (entry == nullptr || tooltip.button == nullptr) continue;
        tooltip.button->setToolTip(CaptionOf(*entry));
    }
}

MessageTable ApplyMainWindowLanguage(QObject& Form1, const QStringList& controls,
                                     const QString& language,
                                     const QList<ToolbarTooltip>& tooltips) {
    const LanguageText text(language);
    ApplyQtTranslation(text);
    if (!text.IsDefault()) {
        RunCaptionPass(Form1, kMainWindowPrefix, controls, text);
        // Every tooltip follows its menu entry, translated or not, once a file is in use.
        ApplyToolbarTooltips(Form1, tooltips);
    }
    return LoadMessageTable(language);
}

QStringList ExportDialogControls() {
    return {QStringLiteral("Command1"), QStringLiteral("Command2")};
}

void ApplyExportDialogLanguage(QObject& Form2, const QString& language) {
    const LanguageText text(language);
    if (text.IsDefault()) return;
    RunCaptionPass(Form2, kExportDialogPrefix, ExportDialogControls(), text);
}

}  // namespace morvane
