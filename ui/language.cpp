#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Where the build embeds the translations (qt_add_translations' prefix).
const QString kOwnTranslations = QStringLiteral(":/i18n");

QLocale LocaleFor(const QString& code)
{
    QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

// Loaded and installed, or nothing: a language without a file is English.
std::unique_ptr<QTranslator> Install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

WindowLanguage::WindowLanguage(const QString& code) : locale_(LocaleFor(code))
{
    // English is the texts as written: a person who puts it first (LANGUAGE
    // "en:de", say) reads no other, and C or POSIX is English too.
    const QStringList wanted = locale_.uiLanguages();
    const QString first = wanted.isEmpty() ? QStringLiteral("C") : wanted.front();
    if (first != QLatin1String("C") && !first.startsWith(QLatin1String("en"))) {
        own_ = Install(locale_, QStringLiteral("rigid-body"), kOwnTranslations);
        if (own_) qt_ = Install(locale_, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QLocale::setDefault(locale_);
}

WindowLanguage::~WindowLanguage()
{
    QLocale::setDefault(before_);
    for (const auto& translator : {qt_.get(), own_.get()})
        if (translator) QCoreApplication::removeTranslator(translator);
}

QString LocalNumber(double value, char format, int precision) { return QLocale().toString(value, format, precision); }

QString LocalDecimal(const QString& exact)
{
    QString local = exact;
    return local.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString Translated(const char* context, std::string_view text)
{
    // A marked text is a literal: the view ends where its characters do.
    return QCoreApplication::translate(context, std::string(text).c_str());
}
