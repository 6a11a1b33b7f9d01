#pragma once

#include "model/Host.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zentile::test {

// A Host for tests: questions are answered from a script, message boxes and notifications are
// recorded, timers fire when the test says so, the clock is set by the test, and the posted
// "puzzle solved" message waits until the test delivers it.
class FakeHost : public Host {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        std::string caption;
    };
    struct Timer {
        int32_t milliseconds = 0;
        bool periodic = false;
    };

    int64_t now = 1'700'000'000;
    std::deque<bool> answers;           // the next answers to AskYesNo, in order
    std::vector<std::string> questions; // every question asked
    std::vector<Message> messages;      // every message box shown
    std::map<int32_t, Timer> timers;    // running timers by identifier
    int repaints = 0;
    int postedSolved = 0; // "puzzle solved" messages posted and not yet delivered
    std::vector<SymbolSet> symbolChanges;
    std::deque<std::optional<std::string>> fileNames; // answers to both file dialogs

    int64_t Now() override { return now; }

    bool AskYesNo(Text text) override {
        questions.emplace_back(text.English());
        if (answers.empty())
            throw std::logic_error("unexpected question: " + std::string(text.English()));
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // An empty caption is recorded as the application title the window shows.
    void ShowMessageBox(Text text, MessageIcon icon, Text caption) override {
        messages.push_back({std::string(text.English()), icon,
                            std::string(caption.Empty() ? kApplicationTitle : caption.English())});
    }

    void StartTimer(int32_t id, int32_t milliseconds, bool periodic) override {
        timers[id] = {milliseconds, periodic};
    }
    void StopTimer(int32_t id) override { timers.erase(id); }

    void Repaint() override { ++repaints; }
    void PostPuzzleSolved() override { ++postedSolved; }
    void SymbolsChanged(const SymbolSet& symbols) override { symbolChanges.push_back(symbols); }

    std::optional<std::string> AskOpenFileName() override { return NextFileName(); }
    std::optional<std::string> AskSaveFileName() override { return NextFileName(); }

    bool TimerRunning(int32_t id) const { return timers.contains(id); }

    // Takes one posted "puzzle solved" message; the test hands it to the controller.
    bool TakePosted() {
        if (postedSolved == 0) return false;
        --postedSolved;
        return true;
    }

private:
    std::optional<std::string> NextFileName() {
        if (fileNames.empty()) return std::nullopt;
        auto name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

} // namespace zentile::test
