#pragma once

class QBoxLayout;
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

} // namespace zentile
