#include "print/PrintBookletDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessages.h"
#include "model/PuzzleDatabase.h"
#include "print/PrintTexts.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zentile {

namespace {

// The level check boxes, Very Easy first, named after the fields they fill.
constexpr const char* kLevelBoxNames[kDatabaseLevels] = {"veryEasy", "easy", "medium", "hard",
                                                         "veryHard"};

} // namespace

PrintBookletDlg::PrintBookletDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Translate(kBookletTitle));

    auto* levelsGroup = new QGroupBox(Translate(kBookletLevelsGroup), this);
    auto* levelsLayout = new QVBoxLayout(levelsGroup);
    for (int level = 0; level < kDatabaseLevels; ++level) {
        levelBoxes[level] = new QCheckBox(LevelText(level));
        levelBoxes[level]->setObjectName(QLatin1String(kLevelBoxNames[level]));
        levelsLayout->addWidget(levelBoxes[level]);
    }
    levelsLayout->addStretch();

    auto* typeGroup = new QGroupBox(Translate(kBookletTypeGroup), this);
    auto* typeLayout = new QHBoxLayout(typeGroup);
    classicButton = new QRadioButton(Translate(kBookletClassic));
    classicButton->setObjectName(QStringLiteral("classic"));
    lettersButton = new QRadioButton(Translate(kBookletLetters));
    lettersButton->setObjectName(QStringLiteral("letters"));
    auto* typeButtons = new QButtonGroup(this);
    typeButtons->addButton(classicButton, 0);
    typeButtons->addButton(lettersButton, 1);
    typeLayout->addWidget(classicButton);
    typeLayout->addWidget(lettersButton);

    countEdit = new QLineEdit(this);
    countEdit->setObjectName(QStringLiteral("puzzleCount"));
    solutionsBox = new QCheckBox(Translate(kBookletSolutions), this);
    solutionsBox->setObjectName(QStringLiteral("printSolutions"));

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(typeGroup);
    auto* countLabel = new QLabel(Translate(kBookletCountLabel), this);
    countLabel->setBuddy(countEdit); // which names the field
    rightColumn->addWidget(countLabel, 0, Qt::AlignHCenter);
    rightColumn->addWidget(countEdit, 0, Qt::AlignHCenter);
    rightColumn->addWidget(new QLabel(Translate(kBookletCountNote), this), 0, Qt::AlignHCenter);
    rightColumn->addWidget(solutionsBox, 0, Qt::AlignHCenter);
    rightColumn->addWidget(new QLabel(Translate(kBookletSolutionsNote), this), 0, Qt::AlignHCenter);
    rightColumn->addStretch();

    auto* choices = new QHBoxLayout;
    choices->addWidget(levelsGroup);
    choices->addLayout(rightColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    AddOkCancel(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FieldsToControls();
}

BookletChoice PrintBookletDlg::Choice() const {
    BookletChoice choice;
    choice.puzzleCount = puzzleCount;
    choice.levels = {veryEasy, easy, medium, hard, veryHard};
    choice.printSolutions = printSolutions;
    choice.classic = sudokuType == 0;
    return choice;
}

void PrintBookletDlg::accept() {
    if (!ControlsToFields()) return;
    if (!(veryEasy || easy || medium || hard || veryHard)) {
        ShowMessage(Translate(kSelectLevelMessage));
        return;
    }
    QDialog::accept();
}

void PrintBookletDlg::ShowMessage(const QString& text) {
    ShowMessageBox(this, text);
}

void PrintBookletDlg::FieldsToControls() {
    countEdit->setText(QString::number(puzzleCount));
    const bool levels[kDatabaseLevels] = {veryEasy, easy, medium, hard, veryHard};
    for (int level = 0; level < kDatabaseLevels; ++level)
        levelBoxes[level]->setChecked(levels[level]);
    solutionsBox->setChecked(printSolutions);
    (sudokuType == 1 ? lettersButton : classicButton)->setChecked(true);
}

bool PrintBookletDlg::ControlsToFields() {
    // A whole number, blanks around it allowed; anything else is not an integer at all.
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = countEdit->text().trimmed();
    auto refuse = [this](const QString& message) {
        ShowMessage(message);
        countEdit->setFocus();
        countEdit->selectAll();
        return false;
    };
    if (!wholeNumber.match(text).hasMatch()) return refuse(Translate(kEnterIntegerMessage));
    bool fits = false;
    const qlonglong count = text.toLongLong(&fits);
    if (!fits || count < kBookletMinPuzzles || count > kBookletMaxPuzzles)
        return refuse(
            Translate(kIntegerRangeMessage).arg(kBookletMinPuzzles).arg(kBookletMaxPuzzles));

    puzzleCount = static_cast<int32_t>(count);
    veryEasy = levelBoxes[0]->isChecked();
    easy = levelBoxes[1]->isChecked();
    medium = levelBoxes[2]->isChecked();
    hard = levelBoxes[3]->isChecked();
    veryHard = levelBoxes[4]->isChecked();
    printSolutions = solutionsBox->isChecked();
    sudokuType = lettersButton->isChecked() ? 1 : 0;
    return true;
}

} // namespace zentile
