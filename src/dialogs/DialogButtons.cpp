#include "dialogs/DialogButtons.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zentile {

DialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout) {
    auto* row = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    row->setCenterButtons(true);
    QObject::connect(row, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(row, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(row);
    QPushButton* ok = row->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    return {ok, row->button(QDialogButtonBox::Cancel)};
}

void CheckOnly(QButtonGroup& group, int id) {
    // An exclusive group cannot clear its last checked button.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) button->setChecked(group.id(button) == id);
    group.setExclusive(true);
    if (QAbstractButton* chosen = group.button(id)) chosen->setFocus();
}

} // namespace zentile
