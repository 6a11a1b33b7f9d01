#include "ui/QtHost.h"

#include "dialogs/DialogCommands.h"
#include "dialogs/DialogMessages.h"
#include "model/Host.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace zentile {

namespace {

static_assert(QtHost::kPuzzleSolvedEvent == QEvent::User + 1);

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtHost::QtHost() = default;
QtHost::~QtHost() = default;

void QtHost::Attach(QWidget* window, QWidget* view) {
    this->window = window;
    this->view = view;
}

int64_t QtHost::Now() {
    return clock ? clock() : QDateTime::currentSecsSinceEpoch();
}

bool QtHost::AskYesNo(Text text) {
    return AskYesNoQuestion(window, Translate(text));
}

void QtHost::ShowMessageBox(Text text, MessageIcon icon, Text caption) {
    // The game's name, the caption of an empty one, is the same in every language.
    zentile::ShowMessageBox(window, Translate(text), BoxIcon(icon),
                            caption.Empty() ? QString() : Translate(caption));
}

void QtHost::StartTimer(int32_t id, int32_t milliseconds, bool periodic) {
    QTimer*& timer = timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { FireTimer(id); });
    }
    timer->setSingleShot(!periodic);
    timer->start(milliseconds);
}

void QtHost::StopTimer(int32_t id) {
    if (const auto it = timers.find(id); it != timers.end()) it->second->stop();
}

bool QtHost::TimerRunning(int32_t id) const {
    const auto it = timers.find(id);
    return it != timers.end() && it->second->isActive();
}

int QtHost::TimerInterval(int32_t id) const {
    const auto it = timers.find(id);
    return it == timers.end() ? 0 : it->second->interval();
}

void QtHost::FireTimer(int32_t id) {
    if (timerHandler) timerHandler(id);
}

void QtHost::Repaint() {
    if (view) view->update();
}

void QtHost::PostPuzzleSolved() {
    if (view)
        QCoreApplication::postEvent(view,
                                    new QEvent(static_cast<QEvent::Type>(kPuzzleSolvedEvent)));
}

void QtHost::SymbolsChanged(const SymbolSet& symbols) {
    if (symbolsHandler) symbolsHandler(symbols);
}

std::optional<std::string> QtHost::AskOpenFileName() {
    return AskOpenGameFile(window);
}

std::optional<std::string> QtHost::AskSaveFileName() {
    return AskSaveGameFile(window);
}

} // namespace zentile
