#include "ui/CSudokuStatusBar.h"

#include "model/Game.h"
#include "model/Host.h"
#include "model/PuzzleDatabase.h"
#include "ui/UiTexts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace zentile {

namespace {

QString LevelText(int32_t level) {
    QString text = QString::fromLatin1(ui_text::kLevelPrefix);
    if (level >= 0 && level < static_cast<int32_t>(LevelNames.size()))
        text += QString::fromLatin1(LevelNames[level].data(),
                                    static_cast<qsizetype>(LevelNames[level].size()));
    return text;
}

QString GameText(uint32_t gameNumber) {
    if (gameNumber == 0) return QString::fromLatin1(ui_text::kNoGameNumber);
    return QString::fromLatin1(ui_text::kGameFormat).arg(gameNumber);
}

} // namespace

CSudokuStatusBar::CSudokuStatusBar(Game& game, Host& host, QWidget* parent)
    : QStatusBar(parent), game(game), host(host) {
    setObjectName(QStringLiteral("statusBar"));
    // The message pane is an ordinary widget: a prompt shown over it hides it, and when the
    // prompt goes, "Ready" is back.
    message = new QLabel(QString::fromLatin1(ui_text::kReady), this);
    message->setMinimumWidth(15);
    addWidget(message, 1);
    level = AddPane(ui_text::kLevelPaneSizing);
    number = AddPane(ui_text::kGamePaneSizing);
    time = AddPane(ui_text::kTimePaneSizing);
    time->installEventFilter(this);
}

QLabel* CSudokuStatusBar::AddPane(const char* sizingText) {
    const QString text = QString::fromLatin1(sizingText);
    auto* label = new QLabel(text, this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    const int margins = 2 * (label->frameWidth() + label->margin() + 3);
    label->setFixedWidth(QFontMetrics(label->font()).horizontalAdvance(text) + margins);
    addPermanentWidget(label);
    return label;
}

QLabel* CSudokuStatusBar::PaneLabel(Pane pane) const {
    switch (pane) {
    case MessagePane:
        return message;
    case LevelPane:
        return level;
    case GamePane:
        return number;
    case TimePane:
        return time;
    }
    return nullptr;
}

QString CSudokuStatusBar::PaneText(Pane pane) const {
    if (pane == MessagePane && !currentMessage().isEmpty()) return currentMessage();
    return PaneLabel(pane)->text();
}

void CSudokuStatusBar::UpdatePanes() {
    level->setText(LevelText(game.session.level));
    number->setText(GameText(game.session.gameNumber));
}

void CSudokuStatusBar::ClockTick() {
    const GameSession& session = game.session;
    const GameClock& clock = session.clock;
    std::string text = clock.clockText;
    if (text.empty()) {
        text = FormatElapsed(clock.Elapsed(host.Now()));
        if (session.state == GameState::Paused) {
            text = blink ? std::string(ui_text::kPause) : FormatElapsed(clock.elapsedBefore);
            blink = !blink;
        }
    }
    // An untimed game shows no time, though the blinking goes on underneath.
    time->setText(game.options.TimedGame ? QString::fromStdString(text)
                                         : QString::fromLatin1(ui_text::kNoTime));
}

bool CSudokuStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == time && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (TogglePause(game.session, host.Now())) emit pauseToggled();
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace zentile
