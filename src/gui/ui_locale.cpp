#include "gui/ui_locale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <memory>

namespace lg::gui {

namespace {

const QString kPrefix = QStringLiteral("lignorama_");
const QString kSuffix = QStringLiteral(".qm");
const QString kLocaleKey = QStringLiteral("locale");

QString FileFor(const QString& directory, const QString& locale) {
    return QDir(directory).filePath(kPrefix + locale + kSuffix);
}

// The user's own settings; tests use the overloads instead.
QSettings UserSettings() {
    return QSettings(QStringLiteral("Lignorama"), QStringLiteral("Lignorama"));
}

}  // namespace

QStringList UiLanguageFiles(const QString& directory) {
    QStringList locales;
    const QStringList files =
        QDir(directory).entryList({kPrefix + QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& file : files) {
        QString locale = file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
        // "lignorama_.qm" names no locale.
        if (!locale.isEmpty()) locales.append(locale);
    }
    locales.sort();
    return locales;
}

QString StoredUiLocale() {
    return StoredUiLocale(UserSettings());
}

QString StoredUiLocale(const QSettings& settings) {
    return settings.value(kLocaleKey).toString();
}

void StoreUiLocale(const QString& locale) {
    QSettings settings = UserSettings();
    StoreUiLocale(settings, locale);
}

void StoreUiLocale(QSettings& settings, const QString& locale) {
    if (locale.isEmpty()) {
        settings.remove(kLocaleKey);
    } else {
        settings.setValue(kLocaleKey, locale);
    }
    settings.sync();
}

QString UiTranslationFile(const QString& directory, const QString& storedLocale,
                          const QLocale& system) {
    QStringList candidates;
    if (!storedLocale.isEmpty()) candidates.append(storedLocale);
    const QString systemName = system.name();  // "de_DE"
    candidates.append(systemName);
    const qsizetype underscore = systemName.indexOf(QLatin1Char('_'));
    if (underscore > 0) candidates.append(systemName.left(underscore));
    for (const QString& locale : candidates) {
        QString file = FileFor(directory, locale);
        if (QFileInfo(file).isFile()) return file;
    }
    return {};
}

bool InstallUiTranslation(QCoreApplication& app) {
    const QString file = UiTranslationFile(QCoreApplication::applicationDirPath(), StoredUiLocale(),
                                           QLocale::system());
    if (file.isEmpty()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    // From here the application owns it, for the rest of the run.
    translator.release()->setParent(&app);
    return true;
}

}  // namespace lg::gui
