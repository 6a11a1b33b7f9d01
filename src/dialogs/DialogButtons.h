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

// The row of OK (the default button) and Cancel at the foot of a game dialog, centred and
// wired to accept() and reject(): Qt's own buttons, so they speak the player's language and
// stand in the order of the player's desktop.
DialogButtons AddOkCancel(QDialog& dialog, QBoxLayout& layout);

// Checks the group's button with the given id and gives it the focus; an id that no button
// has leaves every button clear.
void CheckOnly(QButtonGroup& group, int id);

} // namespace zentile
