#pragma once

#include <QString>

#include <array>

class QCoreApplication;

// The languages the editor and the command line speak besides English, the source language.
struct Language {
    const char* code;       // as in the catalogue's file name: rosterly_<code>.qm
    const char* nativeName; // the language's name in its own words, never translated
};

inline constexpr std::array<Language, 7> languages{{
    {"es", "Español"},
    {"pt_BR", "Português (Brasil)"},
    {"it", "Italiano"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"tr", "Türkçe"},
    {"id", "Bahasa Indonesia"},
}};

// The programs' catalogues (rosterly_<code>.qm) and Qt's own (qtbase_<code>.qm, the standard
// buttons and dialogs) are built into the programs. The translators installed are children of
// the application object, so installing another language replaces them and every window hears of
// the change through QEvent::LanguageChange.
namespace Translations {

// The language to speak for a list of the user's languages in order of preference (as
// QLocale::uiLanguages gives them, "de-DE" or "pt_BR"): the first that is English or one of ours,
// English when none is. Any Portuguese gets the Brazilian catalogue, the only Portuguese one.
QString matchLanguage(const QStringList& preferred);

// The system's choice: QLocale::system().uiLanguages() matched as above ("LANGUAGE", "LC_ALL",
// "LC_MESSAGES" and "LANG" on Linux, the user's interface language on Windows).
QString systemLanguage();

// Replaces the installed catalogues by those of `code` ("" or "en": English, none installed).
// An unknown code installs none. Returns the code installed ("" for English).
QString install(QCoreApplication& app, const QString& code);

// The code of the catalogue installed now, "" for English.
QString installed(const QCoreApplication& app);

// The variable through which the editor hands its language to the codec tool it starts.
inline constexpr char languageVariable[] = "ROSTERLY_LANGUAGE";

// What a program started by the editor speaks: the language in ROSTERLY_LANGUAGE when it is set
// (even empty, for English), otherwise the system's.
QString inheritedLanguage();

} // namespace Translations
