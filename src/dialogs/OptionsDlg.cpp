#include "dialogs/OptionsDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zentile {

namespace {

constexpr int kClassic = 0;
constexpr int kLetters = 1;
// How far a choice's explanation stands in from its button's left edge: under its text.
constexpr int kNoteIndent = 22;
constexpr int kNoteWidth = 240;

QLabel* AddNote(QVBoxLayout& layout, Text text, QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setTextFormat(Qt::PlainText); // keeps the text's blanks as they are
    note->setText(Translate(text));
    note->setWordWrap(true);
    note->setFixedWidth(kNoteWidth);
    note->setContentsMargins(kNoteIndent, 0, 0, 0);
    layout.addWidget(note);
    return note;
}

} // namespace

OptionsDlg::OptionsDlg(QWidget* parent)
    : QDialog(parent), gameTypes(new QButtonGroup(this)), timedBox(nullptr) {
    setWindowTitle(Translate(dialog_text::kOptionsTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* typeGroup = new QGroupBox(Translate(dialog_text::kGameTypeGroup), this);
    auto* types = new QVBoxLayout(typeGroup);
    auto* classic = new QRadioButton(Translate(dialog_text::kClassicGame), typeGroup);
    gameTypes->addButton(classic, kClassic);
    types->addWidget(classic);
    AddNote(*types, dialog_text::kClassicGameNote, typeGroup);
    types->addSpacing(8);
    auto* letters = new QRadioButton(Translate(dialog_text::kLetterGame), typeGroup);
    gameTypes->addButton(letters, kLetters);
    types->addWidget(letters);
    AddNote(*types, dialog_text::kLetterGameNote, typeGroup);
    layout->addWidget(typeGroup);

    auto* timeGroup = new QGroupBox(this);
    auto* time = new QVBoxLayout(timeGroup);
    timedBox = new QCheckBox(Translate(dialog_text::kTimedGame), timeGroup);
    time->addWidget(timedBox);
    AddNote(*time, dialog_text::kTimedGameNote, timeGroup);
    layout->addWidget(timeGroup);

    const DialogButtons row = AddOkCancel(*this, *layout);
    ok = row.ok;
    cancel = row.cancel;
}

QRadioButton* OptionsDlg::ClassicButton() const {
    return qobject_cast<QRadioButton*>(gameTypes->button(kClassic));
}

QRadioButton* OptionsDlg::LetterButton() const {
    return qobject_cast<QRadioButton*>(gameTypes->button(kLetters));
}

void OptionsDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        timedBox->setChecked(timed != 0);
        CheckOnly(*gameTypes, gameType);
    }
    QDialog::showEvent(event);
}

void OptionsDlg::accept() {
    timed = timedBox->isChecked() ? 1 : 0;
    gameType = gameTypes->checkedId();
    QDialog::accept();
}

} // namespace zentile
