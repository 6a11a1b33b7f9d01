#pragma once

#include "play/CommandTable.h"

#include <functional>
#include <map>

namespace zentile {

class GameController;

struct CommandState {
    bool enabled = false;
    bool checked = false;
};

// Asks the command table's rules and carries commands out. Nothing else decides whether a
// command is available.
class CommandDispatcher {
public:
    explicit CommandDispatcher(GameController& controller) : controller(controller) {}

    // Evaluates the rules of one command, as the window does for every action when it
    // refreshes. Highlight Selection's rule also marks highlighting as used while it is on.
    CommandState Query(CommandId id);
    bool IsEnabled(CommandId id) { return Query(id).enabled; }
    bool IsChecked(CommandId id) { return Query(id).checked; }

    // Asks the rule again and runs the handler if the command is enabled. Returns whether it ran.
    bool Execute(CommandId id);

    // Supplies the handler of a command whose table row has none (files, dialogs, printing,
    // help, about, exit). A table handler is not replaced; returns whether the handler was taken.
    bool Bind(CommandId id, std::function<void()> handler);

private:
    bool HasHandler(const CommandRow& row) const;

    GameController& controller;
    std::map<CommandId, std::function<void()>> bound;
};

} // namespace zentile
