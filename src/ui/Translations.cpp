#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zentile {

namespace {

// The game's files are built in; Qt's come with Qt, in its translations folder.
constexpr char kGameFolder[] = ":/i18n";
constexpr char kTranslatorName[] = "zentileTranslator";

// Texts of Qt's own file and print dialogs that Qt 6.4's French, Spanish and Italian lack. The
// game's translations carry them in Qt's contexts; where Qt's own translation has them, it is
// asked first.
[[maybe_unused]] constexpr const char* kQtTextGaps[] = {
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Double Sided Printing"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Long side binding"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Short side binding"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Off"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput", "Pages"),
    QT_TRANSLATE_NOOP("QPrintSettingsOutput",
                      "Specify pages or ranges separated by commas. Ranges are specified by two "
                      "numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9."),
};
[[maybe_unused]] constexpr const char* kQtTextGapsWithComment[][2] = {
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms"),
};

void Install(QTranslator* translator) {
    translator->setObjectName(kTranslatorName);
    QCoreApplication::installTranslator(translator);
}

} // namespace

void InstallTranslations(const QLocale& locale) {
    QCoreApplication* application = QCoreApplication::instance();
    for (QTranslator* old : application->findChildren<QTranslator*>(kTranslatorName)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }

    auto* game = new QTranslator(application);
    if (!game->load(locale, QStringLiteral("zentile"), QStringLiteral("_"), kGameFolder)) {
        delete game;
        return;
    }
    Install(game);
    // Numbers that a translation writes with "%L1" follow the language it is written in, in the
    // player's country where it speaks that language (de_CH). By name: the system's own locale
    // takes its digits from LC_NUMERIC, which may be another language's or none.
    const QLocale spoken(game->language());
    const QLocale named(locale.name());
    QLocale::setDefault(named.language() == spoken.language() ? named : spoken);
    // Qt's texts in the language the game speaks, so that no dialog mixes two languages.
    auto* qt = new QTranslator(application);
    if (qt->load(QLocale(game->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        Install(qt);
    else
        delete qt;
}

} // namespace zentile
