#include "Form5.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <string_view>
#include <vector>

#include "CaptionFit.h"
#include "CaptionPass.h"
#include "CentreOver.h"
#include "LanguageText.h"
#include "LimitRow.h"
#include "LimitText.h"
#include "MessageSink.h"
#include "ScanOptions.h"
#include "ScanSettings.h"
#include "StoredForms.h"
#include "Twips.h"
#include "formats/FormatOrders.h"

namespace morvane {

namespace {

using FlagOf = bool& (*)(ScanSettings&);

bool& DeleteOnExit(ScanSettings& settings) {
    return settings.deleteOnExit;
}
bool& ScanSubFolders(ScanSettings& settings) {
    return settings.scanSubFolders;
}
bool& MakeFolderForEachFile(ScanSettings& settings) {
    return settings.makeFolderForEachFile;
}
bool& LimitSearch(ScanSettings& settings) {
    return settings.limitSearch;
}
bool& ReadResources(ScanSettings& settings) {
    return settings.readResources;
}
bool& CheckItems(ScanSettings& settings) {
    return settings.checkItems;
}
bool& DistinctItems(ScanSettings& settings) {
    return settings.distinctItems;
}
bool& UnpackContainers(ScanSettings& settings) {
    return settings.unpackContainers;
}

struct OptionBox {
    int number;  // CheckN
    bool onFormatsPage;
    QString caption;
    int left, top, width, height;
    FlagOf flag;        // a general option's flag
    ResourceKind kind;  // a formats-page box's kind

    bool& Flag(ScanSettings& settings) const {
        return flag != nullptr ? flag(settings) : settings.scanKind[KindIndex(kind)];
    }
};

struct GeneralBox {
    int number;
    const char* caption;
    int left, top, width, height;
    FlagOf flag;
};

// The formats page lists the kinds in their option-box order, one row every 360 twips.
OptionBox KindBox(ResourceKind kind, int row) {
    const std::string_view name = FormatOf(kind).name;
    const QString caption = QStringLiteral("Αναζήτηση ") +
                            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
                            u'.';
    return {
        FormatOf(kind).optionBox, true, caption, 120, 240 + 360 * row, 4000, 255, nullptr, kind};
}

constexpr std::array<GeneralBox, 8> kGeneralBoxes = {{
    {14, "Διαγραφή όλων των αρχείων κατα την έξοδο.", 240, 600, 4215, 255, &DeleteOnExit},
    {11, "Αναζήτηση και σε υπο-καταλόγους.", 240, 1080, 3375, 255, &ScanSubFolders},
    {12, "Δημιουργία φακέλου για κάθε αρχείο.", 240, 1560, 3615, 255, &MakeFolderForEachFile},
    {13, "Οριο αναζήτησης στα αρχεία:", 240, 2040, 2775, 285, &LimitSearch},
    {15, "Ολόκληρα εικονίδια, δρομείς και εικόνες από τους πόρους προγραμμάτων", 240, 2520, 4215,
     255, &ReadResources},
    {16, "Μόνο ακέραια αρχεία που ανοίγουν", 240, 3000, 4215, 255, &CheckItems},
    {17, "Κάθε διαφορετικό αρχείο μία φορά σε κάθε αναζήτηση", 240, 3480, 4215, 255,
     &DistinctItems},
    {18, "Άνοιγμα αρχειοθηκών, εγκαταστατών και εγγράφων", 240, 3960, 4215, 255, &UnpackContainers},
}};

// Paired by control name; the kinds are not in the order of the store (Check3 is JPEG,
// Check4 cursors). OK copies them back in this order: the kinds, then the general options.
const std::vector<OptionBox>& OptionBoxes() {
    static const std::vector<OptionBox> boxes = [] {
        std::vector<OptionBox> all;
        for (std::size_t row = 0; row < kOptionBoxOrder.size(); ++row)
            all.push_back(KindBox(kOptionBoxOrder[row], static_cast<int>(row)));
        for (const GeneralBox& box : kGeneralBoxes)
            all.push_back({box.number, false, QString::fromUtf8(box.caption), box.left, box.top,
                           box.width, box.height, box.flag, ResourceKind::ICO});
        return all;
    }();
    return boxes;
}

constexpr QStringView kPrefix = u"Form5.";
constexpr QStringView kFormatsTab = u"formats";
constexpr QStringView kGeneralTab = u"general";

// The limit row: Check13 and Text1 share its top; Label1 sits a little lower.
constexpr int kCheck13Left = 240;
constexpr int kLimitRowTop = 2040;
constexpr int kLimitRowHeight = 285;
constexpr int kText1Width = 735;
constexpr int kLabel1Top = 2085;
constexpr int kLabel1Width = 375;
// The threads row, under the general boxes: its caption, then the count.
constexpr int kThreadsRowTop = 4440;
constexpr int kThreadsRowHeight = 285;
constexpr int kText2Width = 735;
QStringList CaptionedControls() {
    QStringList names{QStringLiteral("Frame1"), QStringLiteral("Frame2")};
    for (const OptionBox& box : OptionBoxes()) names << QStringLiteral("Check%1").arg(box.number);
    names << QStringLiteral("Label1") << QStringLiteral("Label2") << QStringLiteral("Label3")
          << QStringLiteral("Command2") << QStringLiteral("Command1");
    return names;
}

QString LimitRefusal(const QString& language) {
    if (language == kDefaultLanguage)
        return QStringLiteral(
            "Το όριο αναζήτησης πρέπει να είναι αριθμός από -2147483648 έως "
            "2147483647.");
    return QStringLiteral("The search limit must be a number from -2147483648 to 2147483647.");
}

}  // namespace

Form5::Form5(ScanSettings& settings, MessageSink& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Ρυθμίσεις"));
    CreateControls();
    Form_Load();
}

void Form5::CreateControls() {
    const TwipsScale scale = TwipsScale::Of(*this);
    scale.FixDialog(*this, 5115, 6240, true);

    tabStrip1_ = new QTabBar(this);
    tabStrip1_->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip1_->setTabData(tabStrip1_->addTab(QStringLiteral("Τύποι Αναζήτησης")),
                           kFormatsTab.toString());
    tabStrip1_->setTabData(tabStrip1_->addTab(QStringLiteral("Γενικά")), kGeneralTab.toString());
    tabStrip1_->setGeometry(scale.ToPixelsX(120), scale.ToPixelsY(120), scale.ToPixelsX(4815),
                            tabStrip1_->sizeHint().height());
    // The body of the tab strip, under the tabs; the pages lie on it.
    auto* body = new QFrame(this);
    body->setObjectName(QStringLiteral("TabStrip1Body"));
    body->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    const QRect strip = scale.ToPixels({120, 120, 4815, 5415});
    body->setGeometry(strip.left(), tabStrip1_->geometry().bottom(), strip.width(),
                      strip.bottom() - tabStrip1_->geometry().bottom());
    connect(tabStrip1_, &QTabBar::currentChanged, this, &Form5::TabStrip1_Click);

    CreatePages();

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("Command2"));
    okButton_->setDefault(true);
    scale.Place(*okButton_, {3720, 5760, 1215, 375});
    connect(okButton_, &QPushButton::clicked, this, &Form5::Command2_Click);

    cancelButton_ = new QPushButton(QStringLiteral("Ακύρωση"), this);
    cancelButton_->setObjectName(QStringLiteral("Command1"));
    scale.Place(*cancelButton_, {120, 5760, 1215, 375});
    connect(cancelButton_, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::CreatePages() {
    const TwipsScale scale = TwipsScale::Of(*this);
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    scale.Place(*frame1_, {240, 480, 4575, 4935});
    frame2_ = new QGroupBox(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    scale.Place(*frame2_, {240, 480, 4575, 5415});
    frame2_->hide();

    for (const OptionBox& box : OptionBoxes()) {
        auto* check = new QCheckBox(box.caption, box.onFormatsPage ? frame1_ : frame2_);
        check->setObjectName(QStringLiteral("Check%1").arg(box.number));
        scale.Place(*check, {box.left, box.top, box.width, box.height});
        checks_[static_cast<std::size_t>(box.number - 1)] = check;
    }

    text1_ = new QLineEdit(frame2_);
    text1_->setObjectName(QStringLiteral("Text1"));
    scale.Place(*text1_, {3120, kLimitRowTop, kText1Width, kLimitRowHeight});
    label1_ = new QLabel(QStringLiteral("ΜΒ."), frame2_);
    label1_->setObjectName(QStringLiteral("Label1"));
    scale.Place(*label1_, {3960, kLabel1Top, kLabel1Width, kLimitRowHeight});
    label3_ = new QLabel(QStringLiteral("Νήματα αναζήτησης (0: ένα ανά επεξεργαστή):"), frame2_);
    label3_->setObjectName(QStringLiteral("Label3"));
    scale.Place(*label3_, {240, kThreadsRowTop + 30, 2775, kThreadsRowHeight});
    text2_ = new QSpinBox(frame2_);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setRange(0, kMostThreads);
    label3_->setBuddy(text2_);
    scale.Place(*text2_, {3120, kThreadsRowTop, kText2Width, kThreadsRowHeight});
    measuringLabel_ = new QLabel(QStringLiteral("Label2"), frame2_);
    measuringLabel_->setObjectName(QStringLiteral("Label2"));
    scale.Place(*measuringLabel_, {240, 2520, 480, 195});
    measuringLabel_->hide();
}

void Form5::ApplyLanguage(const QString& language) {
    const LanguageText text(language);
    if (text.IsDefault()) return;
    RunCaptionPass(*this, kPrefix, CaptionedControls(), text);
    tabStrip1_->setTabText(0, text.Lookup(QStringLiteral("Form5.tabstrip1.1")));
    tabStrip1_->setTabText(1, text.Lookup(QStringLiteral("Form5.tabstrip1.2")));
}

void Form5::Form_Load() {
    frame2_->setGeometry(frame1_->geometry());
    ApplyLanguage(settings_.language);
    for (const OptionBox& box : OptionBoxes()) Check(box.number)->setChecked(box.Flag(settings_));
    text1_->setText(StoredInteger(settings_.limitSearchValue));
    text2_->setValue(settings_.scanThreads);
    LayOutLimitRow();
    LayOutThreadsRow();
    GrowToCaptions(*this);
    // The two pages lie on top of each other, so both take the width the wider one grew to.
    frame1_->setGeometry(frame1_->geometry().united(frame2_->geometry()));
    frame2_->setGeometry(frame1_->geometry());
    WrapPagesInTabStrip();
}

// The caption of Check13 may have changed with the language; Label2, which no one sees, measures
// it in the dialog's font.
void Form5::LayOutLimitRow() {
    const TwipsScale scale = TwipsScale::Of(*this);
    QCheckBox* check13 = Check(13);
    measuringLabel_->setText(check13->text());
    measuringLabel_->resize(
        measuringLabel_->fontMetrics().horizontalAdvance(measuringLabel_->text()),
        measuringLabel_->height());

    const LimitRow row = morvane::LayOutLimitRow(
        kCheck13Left, scale.ToTwipsX(measuringLabel_->width()), kText1Width);
    scale.Place(*check13, {kCheck13Left, kLimitRowTop, row.check13Width, kLimitRowHeight});
    scale.Place(*text1_, {row.text1Left, kLimitRowTop, kText1Width, kLimitRowHeight});
    scale.Place(*label1_, {row.label1Left, kLabel1Top, kLabel1Width, kLimitRowHeight});
}

// The count follows its caption, which a language file may make longer than designed.
void Form5::LayOutThreadsRow() {
    const TwipsScale scale = TwipsScale::Of(*this);
    const int captionWidth =
        scale.ToTwipsX(label3_->fontMetrics().horizontalAdvance(label3_->text()) + 8);
    scale.Place(*label3_, {240, kThreadsRowTop + 30, captionWidth, kThreadsRowHeight});
    scale.Place(*text2_, {std::max(3120, 240 + captionWidth + 120), kThreadsRowTop, kText2Width,
                          kThreadsRowHeight});
}

// The strip and its body stay as wide as the pages that grew for their captions.
void Form5::WrapPagesInTabStrip() {
    auto* body = findChild<QFrame*>(QStringLiteral("TabStrip1Body"));
    const int right = frame1_->geometry().right() + TwipsScale::Of(*this).ToPixelsX(120);
    if (body == nullptr || right <= body->geometry().right()) return;
    body->resize(right - body->x() + 1, body->height());
    tabStrip1_->resize(body->width(), tabStrip1_->height());
    if (right + 1 + 8 > width()) setFixedWidth(right + 1 + 8);
}

void Form5::TabStrip1_Click() {
    const bool formats = tabStrip1_->tabData(tabStrip1_->currentIndex()).toString() == kFormatsTab;
    frame2_->setVisible(!formats);
    frame1_->setVisible(formats);
}

void Form5::Command2_Click() {
    const LimitText limit = ReadLimitText(text1_->text());
    if (limit.state == LimitText::State::NotANumber)
        text1_->setText(StoredInteger(kLimitForNonNumbers));
    // Refused before anything is copied, so that a cancel afterwards still leaves the record
    // as it was.
    if (limit.state == LimitText::State::OutOfRange) {
        messages_.ShowMessage(LimitRefusal(settings_.language));
        tabStrip1_->setCurrentIndex(1);  // the page of the limit, so the user sees what to fix
        text1_->setFocus();
        text1_->selectAll();
        return;
    }
    for (const OptionBox& box : OptionBoxes())
        box.Flag(settings_) = Check(box.number)->checkState() != Qt::Unchecked;
    settings_.limitSearchValue = limit.value;
    settings_.scanThreads = text2_->value();
    accept();
}

void Form5::Command1_Click() {
    reject();
}

void ShowOptionsDialog(QWidget* parent, ScanSettings& settings, MessageSink& messages,
                       const QString& title) {
    Form5 dialog(settings, messages, parent);
    dialog.setWindowTitle(title);
    // Placed by its whole frame: by Qt's own guess of the frame, its title bar could end up above
    // the screen's top edge.
    CentreOver(dialog, parent);
    dialog.exec();
}

}  // namespace morvane
