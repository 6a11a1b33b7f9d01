#include "dialogs/DialogMessages.h"

#include "model/Host.h"

#include <QMessageBox>

namespace zentile {

void ShowExclamation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, ToQString(kApplicationTitle), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

bool AskYesNoQuestion(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, ToQString(kApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zentile
