#pragma once

#include <QSettings>

// What the editor remembers between runs (the folder of the last file dialog, the player table's
// columns and recent filters, the language), in an INI file of the user's:
// ~/.config/Rosterly/Rosterly.ini on Linux, %APPDATA%\Rosterly\Rosterly.ini on Windows. Tests move
// it with QSettings::setPath.
class EditorSettings : public QSettings {
public:
    EditorSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Rosterly"),
                    QStringLiteral("Rosterly")) {}

    // The language chosen in the main window's Language menu: a code of Translations' languages,
    // or empty (or missing) for the system's.
    static QString languageKey() { return QStringLiteral("language"); }
};
