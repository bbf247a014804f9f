// Qt's own texts that the program's windows show (the buttons of message boxes, the edit menu of
// a text field) in Greek, for the built-in language on systems whose Qt translations have no
// Greek catalogue.
#pragma once

#include <QTranslator>

namespace morvane {

class GreekQtTexts final : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    // The Greek text of one of those texts; an empty text (no translation) for any other.
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

}  // namespace morvane
