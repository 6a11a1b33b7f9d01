#include "dialogs/GameFileDialog.h"

#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"
#include "store/StoreTexts.h"

#include <QFile>
#include <QFileInfo>

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
                !AskYesNoQuestion(
                    this, dialog_text::Text(dialog_text::kReplaceQuestion).arg(chosen.fileName())))
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

std::optional<std::string> AskGameFile(QFileDialog::AcceptMode mode, QWidget* parent) {
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
