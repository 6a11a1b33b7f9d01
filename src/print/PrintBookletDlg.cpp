#include "print/PrintBookletDlg.h"

#include "model/Host.h"
#include "model/PuzzleDatabase.h"
#include "print/PrintTexts.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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
    setWindowTitle(ToQString(kBookletTitle));

    auto* levelsGroup = new QGroupBox(ToQString(kBookletLevelsGroup), this);
    auto* levelsLayout = new QVBoxLayout(levelsGroup);
    for (int level = 0; level < kDatabaseLevels; ++level) {
        levelBoxes[level] = new QCheckBox(ToQString(LevelNames[static_cast<std::size_t>(level)]));
        levelBoxes[level]->setObjectName(QLatin1String(kLevelBoxNames[level]));
        levelsLayout->addWidget(levelBoxes[level]);
    }
    levelsLayout->addStretch();

    auto* typeGroup = new QGroupBox(ToQString(kBookletTypeGroup), this);
    auto* typeLayout = new QHBoxLayout(typeGroup);
    classicButton = new QRadioButton(ToQString(kBookletClassic));
    classicButton->setObjectName(QStringLiteral("classic"));
    lettersButton = new QRadioButton(ToQString(kBookletLetters));
    lettersButton->setObjectName(QStringLiteral("letters"));
    auto* typeButtons = new QButtonGroup(this);
    typeButtons->addButton(classicButton, 0);
    typeButtons->addButton(lettersButton, 1);
    typeLayout->addWidget(classicButton);
    typeLayout->addWidget(lettersButton);

    countEdit = new QLineEdit(this);
    countEdit->setObjectName(QStringLiteral("puzzleCount"));
    solutionsBox = new QCheckBox(ToQString(kBookletSolutions), this);
    solutionsBox->setObjectName(QStringLiteral("printSolutions"));

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(typeGroup);
    rightColumn->addWidget(new QLabel(ToQString(kBookletCountLabel), this), 0, Qt::AlignHCenter);
    rightColumn->addWidget(countEdit, 0, Qt::AlignHCenter);
    rightColumn->addWidget(new QLabel(ToQString(kBookletCountNote), this), 0, Qt::AlignHCenter);
    rightColumn->addWidget(solutionsBox, 0, Qt::AlignHCenter);
    rightColumn->addWidget(new QLabel(ToQString(kBookletSolutionsNote), this), 0, Qt::AlignHCenter);
    rightColumn->addStretch();

    auto* choices = new QHBoxLayout;
    choices->addWidget(levelsGroup);
    choices->addLayout(rightColumn);

    auto* okButton = new QPushButton(ToQString(kBookletOk), this);
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(ToQString(kBookletCancel), this);
    connect(okButton, &QPushButton::clicked, this, &PrintBookletDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &PrintBookletDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(buttons);
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
        ShowMessage(ToQString(kSelectLevelMessage));
        return;
    }
    QDialog::accept();
}

void PrintBookletDlg::ShowMessage(const QString& text) {
    QMessageBox::warning(this, ToQString(kApplicationTitle), text);
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
    if (!wholeNumber.match(text).hasMatch()) return refuse(ToQString(kEnterIntegerMessage));
    bool fits = false;
    const qlonglong count = text.toLongLong(&fits);
    if (!fits || count < kBookletMinPuzzles || count > kBookletMaxPuzzles)
        return refuse(
            ToQString(kIntegerRangeMessage).arg(kBookletMinPuzzles).arg(kBookletMaxPuzzles));

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
