#include "dialogs/DialogMessages.h"

#include "model/Host.h"

namespace zentile {

void ShowMessageBox(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                    const QString& caption) {
    QMessageBox box(icon, caption.isEmpty() ? ToQString(kApplicationTitle) : caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool AskYesNoQuestion(QWidget* parent, const QString& text,
                      QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, ToQString(kApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zentile
