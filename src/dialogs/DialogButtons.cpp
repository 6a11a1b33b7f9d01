#include "dialogs/DialogButtons.h"

#include "dialogs/DialogTexts.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>

namespace zentile {

DialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout) {
    auto* ok = new QPushButton(dialog_text::kOk, &dialog);
    auto* cancel = new QPushButton(dialog_text::kCancel, &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addSpacing(24);
    row->addWidget(cancel);
    row->addStretch();
    layout.addLayout(row);
    return {ok, cancel};
}

void CheckOnly(QButtonGroup& group, int id) {
    // An exclusive group cannot clear its last checked button.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) button->setChecked(group.id(button) == id);
    group.setExclusive(true);
    if (QAbstractButton* chosen = group.button(id)) chosen->setFocus();
}

} // namespace zentile
