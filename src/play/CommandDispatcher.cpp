#include "play/CommandDispatcher.h"

#include "model/Game.h"
#include "play/GameController.h"

namespace zentile {

namespace {

bool RuleHolds(EnableRule rule, const Game& game) {
    const GameState state = game.session.state;
    const bool playing = state == GameState::Playing;
    switch (rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::NotEditing:
        return state != GameState::Editing;
    case EnableRule::NoGameOrPlaying:
        return state == GameState::NoGame || playing;
    case EnableRule::Editing:
        return state == GameState::Editing;
    case EnableRule::Playing:
        return playing;
    case EnableRule::PlayingWithUndo:
        return playing && !game.undoLog.Empty();
    case EnableRule::PlayingNoBranch:
        return playing && !game.session.branchOpen;
    case EnableRule::PlayingInBranch:
        return playing && game.session.branchOpen;
    case EnableRule::PlayingOrEditing:
        return playing || state == GameState::Editing;
    case EnableRule::InGame:
        return game.session.InGame();
    }
    return false;
}

bool CheckHolds(CheckRule rule, CommandId id, const Game& game) {
    switch (rule) {
    case CheckRule::None:
        return false;
    case CheckRule::CheckGuess:
        return game.options.CheckGuess;
    case CheckRule::HighlightSelection:
        return game.options.HighlightSelection;
    case CheckRule::HidePencilMarks:
        return game.session.hidePencilMarks;
    case CheckRule::CurrentDigit:
        return game.session.currentDigit == cmd::DigitOf(id);
    }
    return false;
}

} // namespace

bool CommandDispatcher::HasHandler(const CommandRow& row) const {
    return row.handler != nullptr || bound.contains(row.id);
}

CommandState CommandDispatcher::Query(CommandId id) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) return {};
    Game& game = controller.game;
    // Highlighting counts as used for as long as it is seen on while the game runs.
    if (id == cmd::HighlightSelection)
        game.session.statistics.highlightUsed |= game.options.HighlightSelection;
    CommandState state;
    state.enabled = HasHandler(*row) && RuleHolds(row->enabledRule, game);
    state.checked = state.enabled && CheckHolds(row->checkedRule, id, game);
    return state;
}

bool CommandDispatcher::Execute(CommandId id) {
    if (!Query(id).enabled) return false;
    if (const auto it = bound.find(id); it != bound.end())
        it->second();
    else
        FindCommand(id)->handler(controller, id);
    return true;
}

bool CommandDispatcher::Bind(CommandId id, std::function<void()> handler) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr || row->handler != nullptr || !handler) return false;
    bound[id] = std::move(handler);
    return true;
}

} // namespace zentile
