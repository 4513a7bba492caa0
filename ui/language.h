#pragma once

#include <array>
#include <memory>
#include <string_view>

#include <QLocale>
#include <QString>

class QTranslator;

// The languages the window speaks besides its own English: the code of a
// translation's file, and the language's name in itself, as a person who
// reads only that language looks for it in a menu.
struct LanguageEntry {
    const char* code;
    const char* name;
};

inline constexpr std::array<LanguageEntry, 4> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
}};

// The window in one language for as long as it lives: its own translation and
// Qt's (the standard dialogs' buttons), where installed, and the language's
// way of writing numbers for everything the window formats with QLocale().
// An empty code follows the system: LANGUAGE, then LC_ALL, LC_MESSAGES or
// LANG, as Qt reads them; C or POSIX is English. Only the window's texts and
// numbers change: the session, its state lines, scripts, recordings, CSV and
// the pictures are the same in every language.
class WindowLanguage {
public:
    explicit WindowLanguage(const QString& code);
    ~WindowLanguage();
    WindowLanguage(const WindowLanguage&) = delete;
    WindowLanguage& operator=(const WindowLanguage&) = delete;

    // The locale its numbers are written in.
    const QLocale& Locale() const { return locale_; }

private:
    QLocale before_;
    QLocale locale_;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

// A number as the window's language writes it: its decimal point, no
// thousands' separators (the inspector's columns and a status line stay as
// narrow as in English).
QString LocalNumber(double value, char format, int precision);
// A number written as the state line writes it (every digit of the double),
// with the language's decimal point: the same digits, read as the person reads.
QString LocalDecimal(const QString& exact);

// A text a lower layer marked with QT_TRANSLATE_NOOP(context, ...), in the
// window's language.
QString Translated(const char* context, std::string_view text);
