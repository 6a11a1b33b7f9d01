#pragma once

#include "ui/QtText.h"

#include <QString>

class QWidget;

namespace zentile {

// The game's message boxes, captioned "Zentile": a refusal or a failure with the exclamation
// icon and OK, and a question with the question icon, Yes and No.
void ShowExclamation(QWidget* parent, const QString& text);
bool AskYesNoQuestion(QWidget* parent, const QString& text);

} // namespace zentile
