#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

namespace zentile {

// The file dialog of Open Game and Save Game: ".ztg" files only, the suffix added when the
// player leaves it out, and on saving a question before an existing file is replaced (No
// keeps the dialog open for another name). Always Qt's own dialog, so that it looks and
// asks the same on every desktop.
class GameFileDialog : public QFileDialog {
    Q_OBJECT
public:
    GameFileDialog(QFileDialog::AcceptMode mode, QWidget* parent = nullptr);

    // The chosen file as a name the C++ streams can open, or nothing when cancelled.
    std::optional<std::string> ChosenFile() const;

public slots:
    void accept() override;
};

// What the window's Host asks when Open Game and Save Game need a file name.
std::optional<std::string> AskOpenGameFile(QWidget* parent);
std::optional<std::string> AskSaveGameFile(QWidget* parent);

} // namespace zentile
