#pragma once

#include "model/Host.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

class QTimer;
class QWidget;

namespace zentile {

// The view's one-second clock timer; the hint timers use 1..89.
inline constexpr int32_t kClockTimerId = 500;

// The window system as the game's handlers see it: Qt message boxes, timers kept by
// identifier, repaints of the game view and the posted "puzzle solved" message.
class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    // The posted "puzzle solved" message, delivered to the game view.
    static constexpr int kPuzzleSolvedEvent = 1001; // QEvent::User + 1

    QtHost();
    ~QtHost() override;

    // The window that owns message boxes and file dialogs, the view that is repainted and
    // receives the posted message, and who hears about timers and new symbols.
    void Attach(QWidget* window, QWidget* view);
    void SetTimerHandler(std::function<void(int32_t)> handler) {
        timerHandler = std::move(handler);
    }
    void SetSymbolsHandler(std::function<void(const SymbolSet&)> handler) {
        symbolsHandler = std::move(handler);
    }
    // Replaces the wall clock, so that a test can set the time.
    void SetClock(std::function<int64_t()> clock) { this->clock = std::move(clock); }

    bool TimerRunning(int32_t id) const;
    int TimerInterval(int32_t id) const;
    // Runs a timer's expiry at once, as if it had fired.
    void FireTimer(int32_t id);

    int64_t Now() override;
    bool AskYesNo(Text text) override;
    void ShowMessageBox(Text text, MessageIcon icon, Text caption) override;
    void StartTimer(int32_t id, int32_t milliseconds, bool periodic) override;
    void StopTimer(int32_t id) override;
    void Repaint() override;
    void PostPuzzleSolved() override;
    void SymbolsChanged(const SymbolSet& symbols) override;
    std::optional<std::string> AskOpenFileName() override;
    std::optional<std::string> AskSaveFileName() override;

private:
    QPointer<QWidget> window;
    QPointer<QWidget> view;
    std::map<int32_t, QTimer*> timers; // children of this object
    std::function<void(int32_t)> timerHandler;
    std::function<void(const SymbolSet&)> symbolsHandler;
    std::function<int64_t()> clock;
};

} // namespace zentile
