#include "print/PrintCommands.h"

#include "print/Booklet.h"
#include "print/CurrentPuzzleJob.h"
#include "print/Print.h"
#include "print/PrintBookletDlg.h"

namespace zentile {

void PrintCurrentPuzzle(const Game& game, Host& host, QWidget* parent) {
    if (const std::optional<PrintJob> job = MakeCurrentPuzzleJob(game, host)) Print(*job, parent);
}

void PrintBooklet(Game& game, QWidget* parent) {
    PrintBookletDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return;
    Print(MakeBookletJob(dialog.Choice(), game.random), parent);
}

} // namespace zentile
