#pragma once

class QLocale;

namespace zentile {

// Puts the game's texts, and Qt's own for its dialogs and buttons, into the first of the
// locale's languages the game has a translation for; English, the game's own language, where
// it has none. Replaces whatever an earlier call loaded. Needs the application object.
void InstallTranslations(const QLocale& locale);

} // namespace zentile
