#pragma once

#include "print/Booklet.h"

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zentile {

// "Print Selection": how many puzzles of which levels, classic or letters, and whether the
// solution pages follow. The fields go to the controls when the dialog is made and come back,
// checked, when the player presses OK.
class PrintBookletDlg : public QDialog {
    Q_OBJECT

public:
    explicit PrintBookletDlg(QWidget* parent = nullptr);

    // The choice as the fields hold it after OK.
    BookletChoice Choice() const;

    int32_t puzzleCount = 1;
    bool veryEasy = false;
    bool easy = false;
    bool medium = false;
    bool hard = false;
    bool veryHard = false;
    bool printSolutions = true;
    int32_t sudokuType = 0; // 0 classic, 1 letters

public slots:
    // Closes with OK only when the count is a whole number 1..100 and a level is checked;
    // otherwise says what is wrong and stays open.
    void accept() override;

protected:
    // The validation messages, in a message box with the exclamation icon.
    virtual void ShowMessage(const QString& text);

private:
    void FieldsToControls();
    bool ControlsToFields();

    QLineEdit* countEdit = nullptr;
    QCheckBox* levelBoxes[kDatabaseLevels] = {};
    QCheckBox* solutionsBox = nullptr;
    QRadioButton* classicButton = nullptr;
    QRadioButton* lettersButton = nullptr;
};

} // namespace zentile
