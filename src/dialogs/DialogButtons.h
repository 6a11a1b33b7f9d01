#pragma once

class QBoxLayout;
class QButtonGroup;
class QDialog;
class QPushButton;

namespace zentile {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// The row of OK (the default button, on the left) and Cancel at the foot of a game dialog,
// wired to accept() and reject(). The order stays the same whatever the desktop's custom.
DialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout);

// Checks the group's button with the given id and gives it the focus; an id that no button
// has leaves every button clear.
void CheckOnly(QButtonGroup& group, int id);

} // namespace zentile
