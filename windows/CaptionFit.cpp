#include "CaptionFit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <algorithm>

namespace morvane {

namespace {

// The room between a control and the right edge of its container, as the designs leave it.
constexpr int kRightMargin = 8;

// A push button's style asks for at least 80 pixels whatever its text; only the text counts.
int PushButtonWidth(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features =
        button.isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    const QSize chrome =
        button.style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), &button);
    return button.fontMetrics().horizontalAdvance(button.text()) + chrome.width();
}

// The width the control's caption needs, or 0 for controls without one.
int CaptionWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return PushButtonWidth(*button);
    if (qobject_cast<const QCheckBox*>(&control) != nullptr ||
        qobject_cast<const QTabBar*>(&control) != nullptr)
        return control.sizeHint().width();
    return 0;
}

void GrowContainers(QWidget& control, QWidget& window) {
    for (QWidget* child = &control; child != &window;) {
        QWidget* parent = child->parentWidget();
        if (parent == nullptr) return;
        const int needed = child->geometry().right() + 1 + kRightMargin;
        if (needed > parent->width()) {
            if (parent->minimumWidth() == parent->maximumWidth())
                parent->setFixedWidth(needed);
            else
                parent->resize(needed, parent->height());
        }
        child = parent;
    }
}

}  // namespace

void GrowToCaptions(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // (Controls hidden on purpose, such as a measuring label, keep their size.)
        const bool hiddenOnPurpose =
            control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden();
        if (control->isWindow() || hiddenOnPurpose) continue;
        const int needed = CaptionWidth(*control);
        if (needed > control->width()) {
            control->resize(needed, control->height());
            GrowContainers(*control, window);
        }
        if (auto* combo = qobject_cast<QComboBox*>(control)) FitPopupToEntries(*combo);
    }
}

void FitPopupToEntries(QComboBox& combo) {
    QAbstractItemView* view = combo.view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth());
}

int MissingEntryWidth(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    const int room =
        combo.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
            .width();
    int widest = 0;
    for (int i = 0; i < combo.count(); ++i)
        widest = std::max(widest, combo.fontMetrics().horizontalAdvance(combo.itemText(i)));
    return std::max(0, widest - room);
}

}  // namespace morvane
