#pragma once

#include <QString>

#include <optional>

// Zyklar speaks German, its own language, in which every text is written in
// the source, and English from a Qt Linguist translation (zyklar_en.ts,
// built into the program). One language holds for the whole process: the
// windows, the command line and the decimal point of numbers in text.
namespace language {

enum class Language { German, English };

// The four variables that name the language of messages, as the C library
// and gettext read them.
struct Environment {
    QString language; // LANGUAGE: a list of preferences, "en_GB:de"
    QString all;      // LC_ALL
    QString messages; // LC_MESSAGES
    QString lang;     // LANG
};

// The language a locale asks for, the way GNU programs choose theirs: the
// locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; C and
// POSIX (and no locale) mean no translation, which is German here;
// otherwise LANGUAGE's entries are tried in order, then the locale itself.
// English for English, German for every other language.
Language fromEnvironment(const Environment &environment);
// The same for this process's environment.
Language ofLocale();

// "de" and "en", as `--sprache` and the settings write them.
std::optional<Language> named(QStringView code);
QString code(Language language);

// Makes the language the process's: loads the English translation or none,
// in an application also Qt's own texts for its dialogs.
void use(Language language);
Language current();

// The decimal point of numbers in text: a comma in German, a point in
// English. CSV and JSON always write a point.
char decimalPoint();

// The text in the current language: the translation of its German source.
// Works with or without a QCoreApplication, so the command line needs none.
QString translate(const char *context, const char *source);

// "0,7755" or "0.7755": a decimal point from a program number (QString::number)
// in the current language's.
QString localDecimal(QString number);

} // namespace language
