#include "play/GameController.h"

#include "model/Hints.h"

namespace zentile {

GameController::GameController(Game& game, Host& host)
    : game(game), host(host), session(game, host, hooks), undo(game, host),
      assistance(game, host, hooks), input(game, host), commands(*this) {}

void GameController::OnTimer(int32_t id) {
    if (HintTimerCell(id)) assistance.OnHintTimer(id);
}

} // namespace zentile
