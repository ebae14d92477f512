#pragma once
// The language of the user interface: the translation files beside the
// program and the user's choice to override the system locale.
//
// The choice lives in the user's settings (organisation and application
// "Lignorama", key "locale"). Each function that reads or writes it has an
// overload taking the QSettings to use, so that tests can point it at a
// temporary INI file; the overloads without one use the user's settings.

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace lg::gui {

// The locale names ("de", "fr_BE") of the translation files
// "lignorama_<locale>.qm" in the directory, sorted.
QStringList UiLanguageFiles(const QString& directory);

// The stored locale override; empty when there is none.
QString StoredUiLocale();
QString StoredUiLocale(const QSettings& settings);

// Stores the override; an empty locale removes it.
void StoreUiLocale(const QString& locale);
void StoreUiLocale(QSettings& settings, const QString& locale);

// The translation file to load: the stored override's when the file exists,
// otherwise the system locale's (full name first, then its language alone);
// empty when neither exists.
QString UiTranslationFile(const QString& directory, const QString& storedLocale,
                          const QLocale& system);

// At start-up: installs the translation UiTranslationFile picks from the
// program's directory, if any. The translator belongs to the application.
// Returns whether a translation was installed.
bool InstallUiTranslation(QCoreApplication& app);

}  // namespace lg::gui
