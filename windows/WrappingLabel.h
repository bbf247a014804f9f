// A label whose lines break at blanks where they can and anywhere else where they must, so that a
// long path, which has no blanks, still shows whole within the label's width; its height for a
// width says how many lines that takes.
#pragma once

#include <QLabel>

namespace morvane {

class WrappingLabel final : public QLabel {
  public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane
