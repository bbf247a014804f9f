// No caption of any window is cut off: every label, check box, button, tab and list entry of the
// main window and the dialogs fits its control, in the built-in Greek, in English and in a
// language whose texts are 40 % longer than the English ones.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>

#include "ApplicationIcon.h"
#include "Form2.h"
#include "Form5.h"
#include "Form7.h"
#include "MainWindowHarness.h"
#include "MessageSink.h"
#include "MessageTable.h"
#include "ScanSettings.h"
#include "frmAbout.h"

using namespace morvane;

namespace {

class IgnoredMessages final : public MessageSink {
  public:
    void ShowMessage(const QString&) override {}
};

// English.ini with every text made 40 % longer by repeating its start.
void WriteLongerLanguage(const QString& path) {
    QFile english(QStringLiteral(MORVANE_ENGLISH_INI));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromLatin1(english.readAll()).split(u'\n');
    for (QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u';') || equals < 0) continue;
        const QString text = line.mid(equals + 1).trimmed();
        if (text.size() > 1) line += text.left((text.size() * 2 + 4) / 5);
    }
    QFile longer(path);
    QVERIFY(longer.open(QIODevice::WriteOnly));
    longer.write(lines.join(u'\n').toLatin1());
}

int PushButtonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features =
        button.isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    const QSize chrome =
        button.style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), &button);
    return button.fontMetrics().horizontalAdvance(button.text()) + chrome.width();
}

// What shows less than its whole text, or the marker of a missing translation, as
// "window/control: text".
QStringList ClippedTexts(const QWidget& window) {
    QStringList clipped;
    const auto report = [&](const QWidget& control, const QString& text, int needed, int has) {
        if (needed > has || text.contains(u"##"))
            clipped << QStringLiteral("%1/%2: \"%3\" needs %4 px, has %5")
                           .arg(window.objectName(), control.objectName(), text)
                           .arg(needed)
                           .arg(has);
    };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(control);
            label && !label->text().isEmpty()) {
            if (label->wordWrap())
                report(*label, label->text(), label->heightForWidth(label->width()),
                       label->height());
            else
                report(*label, label->text(), label->sizeHint().width(), label->width());
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            report(*button, button->text(), PushButtonRoom(*button), button->width());
        } else if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
            report(*check, check->text(), check->sizeHint().width(), check->width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
            report(*tabs, tabs->tabText(0) + u'|' + tabs->tabText(1), tabs->sizeHint().width(),
                   tabs->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            const int popup = std::max(combo->width(), combo->view()->minimumWidth());
            QStyleOptionComboBox box;
            box.initFrom(combo);
            const int closed =
                combo->style()
                    ->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, combo)
                    .width();
            for (int i = 0; i < combo->count(); ++i) {
                report(*combo, combo->itemText(i),
                       combo->view()->sizeHintForIndex(combo->model()->index(i, 0)).width(), popup);
                // (The drive list's entries are the machine's mount points, not the program's
                // texts: its drop-down shows them whole.)
                if (combo->objectName() != u"Drive1")
                    report(*combo, QStringLiteral("(closed) ") + combo->itemText(i),
                           combo->fontMetrics().horizontalAdvance(combo->itemText(i)), closed);
            }
        }
    }
    return clipped;
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionFits_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Greek") << QStringLiteral("Default");
        QTest::newRow("English") << QStringLiteral("English.ini");
        QTest::newRow("40 % longer") << QStringLiteral("Longer.ini");
    }

    void everyCaptionFits() {
        QFETCH(QString, language);
        test::MainWindowHarness h;
        WriteLongerLanguage(h.AppFolder() + QStringLiteral("Longer.ini"));
        if (language != u"Default") language = h.AppFolder() + language;
        h.Store(QStringLiteral("Language"), language);
        QStringList clipped = ClippedTexts(h.Start());

        ScanSettings settings;
        settings.language = language;
        IgnoredMessages messages;
        Form5 options(settings, messages);
        options.show();
        clipped << ClippedTexts(options);
        options.TabStrip1()->setCurrentIndex(1);
        clipped << ClippedTexts(options);

        Form7 languages(settings, h.AppFolder(), messages);
        languages.SetTitle(QStringLiteral("Language"));
        languages.show();
        clipped << ClippedTexts(languages);

        frmAbout about(language, QStringLiteral("Morvane"), ApplicationIcon());
        about.show();
        clipped << ClippedTexts(about);

        const MessageTable table = LoadMessageTable(language);
        QString remembered;
        Form2 exportName({&table, &h.boxes, QStringLiteral("Morvane"), language, &remembered},
                         nullptr);
        exportName.show();
        clipped << ClippedTexts(exportName);

        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }
};

QTEST_MAIN(CaptionFitTest)
#include "CaptionFitTest.moc"
