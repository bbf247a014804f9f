#include "WrappingLabel.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace morvane {

namespace {
QTextOption Wrapping(Qt::Alignment alignment) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}
}  // namespace

int WrappingLabel::heightForWidth(int width) const {
    const int lineSpacing = fontMetrics().lineSpacing();
    int lines = 0;
    for (const QString& paragraph : text().split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(Wrapping(alignment()));
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++lines;
        }
        layout.endLayout();
    }
    return std::max(lines, 1) * lineSpacing;
}

void WrappingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRectF(contentsRect()), text(), Wrapping(alignment()));
}

}  // namespace morvane
