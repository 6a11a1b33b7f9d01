#include "dialogs/DifficultyDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"
#include "model/PuzzleDatabase.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zentile {

DifficultyDlg::DifficultyDlg(QWidget* parent) : QDialog(parent), levels(new QButtonGroup(this)) {
    setWindowTitle(Translate(dialog_text::kDifficultyTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(Translate(dialog_text::kDifficultyPrompt), this));

    auto* group = new QGroupBox(this);
    auto* buttons = new QVBoxLayout(group);
    buttons->setContentsMargins(20, 8, 36, 8);
    for (int32_t level = 0; level < kDatabaseLevels; ++level) {
        auto* button = new QRadioButton(LevelText(level), group);
        levels->addButton(button, level);
        buttons->addWidget(button);
    }
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addWidget(group);
    centred->addStretch();
    layout->addLayout(centred);

    const DialogButtons row = AddOkCancel(*this, *layout);
    ok = row.ok;
    cancel = row.cancel;
}

QRadioButton* DifficultyDlg::LevelButton(int32_t level) const {
    return qobject_cast<QRadioButton*>(levels->button(level));
}

void DifficultyDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CheckOnly(*levels, selectedLevel); // a level outside the buttons clears them all
    }
    QDialog::showEvent(event);
}

void DifficultyDlg::accept() {
    selectedLevel = levels->checkedId();
    QDialog::accept();
}

} // namespace zentile
