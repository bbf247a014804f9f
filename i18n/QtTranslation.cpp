#include "QtTranslation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "GreekQtTexts.h"
#include "LanguageText.h"

namespace morvane {

namespace {
// The application's child that holds the translation in use; it goes with the application.
constexpr const char* kTranslatorName = "QtTranslation";

// The locale a name names: as a code ("de", "pt_BR"), in English ("German") or in its own
// language ("Deutsch"); the C locale for any other name.
QLocale NamedLocale(const QString& name) {
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}([_-][A-Za-z]{2,4})*$"));
    if (code.match(name).hasMatch()) return QLocale(name);
    for (int i = QLocale::AnyLanguage + 1; i <= QLocale::LastLanguage; ++i) {
        const auto language = static_cast<QLocale::Language>(i);
        if (name.compare(QLocale::languageToString(language), Qt::CaseInsensitive) == 0 ||
            name.compare(QLocale(language).nativeLanguageName(), Qt::CaseInsensitive) == 0)
            return QLocale(language);
    }
    return QLocale::c();
}

std::unique_ptr<QTranslator> TranslatorFor(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return translator;
    if (locale.language() == QLocale::Greek) return std::make_unique<GreekQtTexts>();
    return nullptr;
}
}  // namespace

QLocale LanguageOf(const LanguageText& language) {
    if (language.IsDefault()) return QLocale(QLocale::Greek);
    const QLocale declared = NamedLocale(language.Lookup(u"Locale"));
    if (declared.language() != QLocale::C) return declared;
    return NamedLocale(QFileInfo(language.Language()).completeBaseName());
}

void ApplyQtTranslation(const LanguageText& language) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return;
    // Its destruction takes the old translation out of the application.
    delete application->findChild<QTranslator*>(QLatin1String(kTranslatorName),
                                                Qt::FindDirectChildrenOnly);
    const QLocale locale = LanguageOf(language);
    if (locale.language() == QLocale::C) return;
    std::unique_ptr<QTranslator> translator = TranslatorFor(locale);
    if (!translator) return;
    translator->setObjectName(QLatin1String(kTranslatorName));
    translator->setParent(application);
    QCoreApplication::installTranslator(translator.release());
}

}  // namespace morvane
