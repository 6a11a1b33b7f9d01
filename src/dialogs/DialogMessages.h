#pragma once

#include "ui/QtText.h"

#include <QMessageBox>
#include <QString>

class QWidget;

namespace zentile {

// The game's message boxes, with Qt's own OK, Yes and No so that they speak the player's
// language: a message with its icon and OK (a refusal or a failure: the exclamation icon),
// captioned "Zentile" unless a caption is given; and a question with the question icon, Yes
// and No, Yes the default unless the question would destroy something.
void ShowMessageBox(QWidget* parent, const QString& text,
                    QMessageBox::Icon icon = QMessageBox::Warning, const QString& caption = {});
bool AskYesNoQuestion(QWidget* parent, const QString& text,
                      QMessageBox::StandardButton defaultButton = QMessageBox::Yes);

} // namespace zentile
