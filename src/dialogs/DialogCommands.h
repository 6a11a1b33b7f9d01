#pragma once

#include "dialogs/CAboutDlg.h"
#include "dialogs/CBestResultsSheet.h"
#include "dialogs/GameFileDialog.h"
#include "dialogs/HelpWindow.h"

class QWidget;

namespace zentile {

class GameController;
class StoreAndEditor;

// The commands of the game's dialogs, each shown over parent (the main window).

// Difficulty: the level for the next game. An own puzzle's level becomes Medium as the
// dialog opens, even if it is then cancelled; OK saves the options.
void RunDifficulty(GameController& controller, StoreAndEditor& store, QWidget* parent);
// Game Number: after a valid OK that game starts at once in the current level, whatever is
// on the board, without a question.
void RunGameNumber(GameController& controller, QWidget* parent);
// Options: timed or not, digits or letters for the next game; OK saves them and repaints.
void RunOptions(GameController& controller, StoreAndEditor& store, QWidget* parent);
// Go to Website: the maker's page in the desktop's browser; a failure goes unremarked.
void GoToWebsite();

// Binds the commands above, Best Results, Help Contents and About into the controller's
// command table, with window as the parent of what they show.
void BindDialogCommands(GameController& controller, StoreAndEditor& store, QWidget* window);

} // namespace zentile
