#include "dialogs/CBestResultsSheet.h"

#include "dialogs/BestResultsPage.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/DialogTexts.h"
#include "store/BestResults.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zentile {

CBestResultsSheet::CBestResultsSheet(BestResultsTable& table, QWidget* parent)
    : QDialog(parent), table(table), tabs(new QTabWidget(this)), ok(nullptr), reset(nullptr) {
    setWindowTitle(Translate(dialog_text::kBestResultsTitle));

    for (int32_t level = 0; level < kDatabaseLevels; ++level)
        tabs->addTab(new BestResultsPage(level, table.FormatBestResults(level), tabs),
                     LevelText(level));
    tabs->setCurrentIndex(0);

    // Qt's own OK, in the player's language; the reset button stands where Cancel would.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    reset = buttons->addButton(Translate(dialog_text::kResetResults), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(reset, &QPushButton::clicked, this, &CBestResultsSheet::OnResetResults);

    // The two buttons alike, with room around the longer text.
    const int width = std::max(ok->sizeHint().width(), reset->sizeHint().width()) + 16;
    ok->setMinimumWidth(width);
    reset->setMinimumWidth(width);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

BestResultsPage* CBestResultsSheet::Page(int index) const {
    return qobject_cast<BestResultsPage*>(tabs->widget(index));
}

void CBestResultsSheet::OnResetResults() {
    // No is the default: Escape asks this question, and Return must not empty every list.
    if (!AskYesNoQuestion(this, Translate(dialog_text::kResetQuestion), QMessageBox::No)) return;
    if (!table.ResetBestResults()) {
        ShowMessageBox(this, Translate(dialog_text::kResetFailed));
        return;
    }
    done(QDialog::Rejected);
}

void CBestResultsSheet::keyPressEvent(QKeyEvent* event) {
    // Escape is the reset button's key; reject() stays a plain close for the title bar.
    if (event->matches(QKeySequence::Cancel)) {
        OnResetResults();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ShowBestResults(BestResultsTable& table, QWidget* parent) {
    CBestResultsSheet sheet(table, parent);
    sheet.exec();
}

} // namespace zentile
