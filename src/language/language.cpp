#include "language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace language {

namespace {

Language currentLanguage = Language::German;

// Zyklar's English. Loaded once, kept for the process.
QTranslator &english()
{
    static QTranslator *translator = [] {
        auto *loaded = new QTranslator;
        if (!loaded->load(QStringLiteral(":/i18n/zyklar_en.qm")))
            qWarning("zyklar: the English translation is missing from the program");
        return loaded;
    }();
    return *translator;
}

// Qt's own German texts (the text boxes' context menus, standard dialogs),
// where Debian's qt6-translations-l10n has installed them; without them
// those stay English. Qt's own English needs no translation.
QTranslator *qtGerman()
{
    static QTranslator *translator = [] {
        auto *loaded = new QTranslator;
        if (!loaded->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete loaded;
            return static_cast<QTranslator *>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

// "en_GB.UTF-8@euro" → "en"; "C.UTF-8" → "C".
QString languageOf(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale[end].isLetter())
        ++end;
    return locale.left(end);
}

} // namespace


Language fromEnvironment(const Environment &environment)
{
    QString locale;
    for (const QString *variable : {&environment.all, &environment.messages, &environment.lang}) {
        if (!variable->isEmpty()) {
            locale = *variable;
            break;
        }
    }
    const QString localeLanguage = languageOf(locale);
    if (localeLanguage.isEmpty() || localeLanguage == u"C" || localeLanguage == u"POSIX")
        return Language::German;
    // The first preference Zyklar speaks; the locale after all of them.
    QStringList preferences = environment.language.split(u':', Qt::SkipEmptyParts);
    preferences << locale;
    for (const QString &preference : std::as_const(preferences)) {
        const QString wanted = languageOf(preference);
        if (wanted == u"en")
            return Language::English;
        if (wanted == u"de")
            return Language::German;
    }
    return Language::German;
}

Language ofLocale()
{
    return fromEnvironment({qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                            qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")});
}

std::optional<Language> named(QStringView code)
{
    if (code == u"de")
        return Language::German;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

QString code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
}

void use(Language language)
{
    currentLanguage = language;
    if (!QCoreApplication::instance())
        return;
    // Qt's tr() in the windows asks the application's translators.
    QCoreApplication::removeTranslator(&english());
    if (QTranslator *qt = qtGerman())
        QCoreApplication::removeTranslator(qt);
    if (language == Language::English)
        QCoreApplication::installTranslator(&english());
    else if (QTranslator *qt = qtGerman())
        QCoreApplication::installTranslator(qt);
}

Language current()
{
    return currentLanguage;
}

char decimalPoint()
{
    return currentLanguage == Language::English ? '.' : ',';
}

QString translate(const char *context, const char *source)
{
    if (currentLanguage == Language::English) {
        const QString text = english().translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

QString localDecimal(QString number)
{
    return currentLanguage == Language::English ? number : number.replace(u'.', u',');
}

} // namespace language
