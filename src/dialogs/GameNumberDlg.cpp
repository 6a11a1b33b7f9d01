#include "dialogs/GameNumberDlg.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"
#include "play/GameNumberText.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace zentile {

GameNumberDlg::GameNumberDlg(QWidget* parent) : QDialog(parent), field(new QLineEdit(this)) {
    setWindowTitle(Translate(dialog_text::kGameNumberTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* prompt = new QLabel(Translate(dialog_text::kGameNumberPrompt), this);
    prompt->setBuddy(field);
    layout->addWidget(prompt);

    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addWidget(field);
    centred->addStretch();
    layout->addLayout(centred);

    auto* note = new QLabel(Translate(dialog_text::kGameNumberNote), this);
    note->setWordWrap(true);
    // As wide as the prompt, so that the note breaks into two even lines.
    note->setFixedWidth(prompt->sizeHint().width());
    layout->addSpacing(6);
    layout->addWidget(note);
    layout->addSpacing(6);

    const DialogButtons row = AddOkCancel(*this, *layout);
    ok = row.ok;
    cancel = row.cancel;
}

void GameNumberDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        field->setText(QString::number(number));
        field->selectAll();
        field->setFocus();
    }
    QDialog::showEvent(event);
}

void GameNumberDlg::accept() {
    const GameNumberCheck check = CheckGameNumberText(field->text().toStdString());
    if (check.verdict != GameNumberVerdict::Valid) {
        // A translation writes the numbers as its language does ("%L1"); English as they are.
        ShowMessageBox(this, Translate(GameNumberMessage(check.verdict))
                                 .arg(kLowestGameNumber)
                                 .arg(kHighestGameNumber));
        field->setFocus();
        field->selectAll();
        // The closing box hands the focus back through the event loop; take it again after.
        QTimer::singleShot(0, field, [this] {
            field->setFocus();
            field->selectAll();
        });
        return;
    }
    number = check.number;
    QDialog::accept();
}

} // namespace zentile
