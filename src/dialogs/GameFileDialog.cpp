#include "dialogs/GameFileDialog.h"

#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"
#include "store/StoreTexts.h"
#include "ui/SettingsPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace zentile {

GameFileDialog::GameFileDialog(QFileDialog::AcceptMode mode, QWidget* parent)
    : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog);
    // The replacement question is ours, captioned like every other question of the game.
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(mode);
    setFileMode(mode == AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    setNameFilter(ToQString(kSavedGameFilter));
    setDefaultSuffix(ToQString(kSavedGameExtension));
}

void GameFileDialog::accept() {
    if (acceptMode() == AcceptSave) {
        const QStringList files = selectedFiles(); // with the default suffix added
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            // A folder is entered, not replaced: the base class does that.
            if (chosen.exists() && !chosen.isDir() &&
                !AskYesNoQuestion(this,
                                  Translate(dialog_text::kReplaceQuestion).arg(chosen.fileName())))
                return;
        }
    }
    QFileDialog::accept();
}

std::optional<std::string> GameFileDialog::ChosenFile() const {
    if (result() != QDialog::Accepted || selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(selectedFiles().constFirst()).toStdString();
}

namespace {

// Qt's file dialog keeps its history in the user's QtProject.conf: read as it opens, written
// under a lock as it closes. A FIFO there would hang the game, a folder in place of the lock
// wait for ever, and a huge file of nested values overflow the stack; the dialog then keeps its
// history in a folder of its own for this once and leaves the player's file alone.
class UsableDialogHistory {
public:
    UsableDialogHistory() {
        const QString file =
            UserSettingsPath(QStringLiteral("QtProject")) + QStringLiteral(".conf");
        const QFileInfo history(file), lock(file + QStringLiteral(".lock"));
        if ((!history.exists() || (history.isFile() && history.size() <= kLargestSettingsFile)) &&
            (!lock.exists() || lock.isFile()))
            return;
        userFolder = history.path();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           ownFolder.emplace().path());
    }
    ~UsableDialogHistory() {
        if (!userFolder.isEmpty())
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder);
    }

private:
    QString userFolder;
    std::optional<QTemporaryDir> ownFolder;
};

std::optional<std::string> AskGameFile(QFileDialog::AcceptMode mode, QWidget* parent) {
    const UsableDialogHistory history;
    GameFileDialog dialog(mode, parent);
    dialog.exec();
    return dialog.ChosenFile();
}

} // namespace

std::optional<std::string> AskOpenGameFile(QWidget* parent) {
    return AskGameFile(QFileDialog::AcceptOpen, parent);
}

std::optional<std::string> AskSaveGameFile(QWidget* parent) {
    return AskGameFile(QFileDialog::AcceptSave, parent);
}

} // namespace zentile
