#include "ui/CSudokuStatusBar.h"

#include "model/Game.h"
#include "model/Host.h"
#include "model/PuzzleDatabase.h"
#include "ui/UiTexts.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>

namespace zentile {

namespace {

QString LevelPaneText(int32_t level) {
    return Translate(ui_text::kLevelFormat).arg(LevelText(level));
}

QString GamePaneText(uint32_t gameNumber) {
    if (gameNumber == 0) return QString::fromLatin1(ui_text::kNoGameNumber);
    return Translate(ui_text::kGameFormat).arg(gameNumber);
}

// What the panes start with; each is made wide enough for every text it shows in the
// player's language as well.
QString LevelPaneSizing() {
    return LevelPaneText(0) + QLatin1String(ui_text::kLevelPaneBlanks);
}
QStringList LevelPaneTexts() {
    QStringList texts;
    for (int32_t level = 0; level < static_cast<int32_t>(LevelNames.size()); ++level)
        texts << LevelPaneText(level);
    return texts;
}
QString GamePaneSizing() {
    return Translate(ui_text::kGameFormat).arg(QLatin1String(ui_text::kGamePaneNumber));
}
QStringList TimePaneTexts() {
    return {Translate(ui_text::kPause), Translate(ui_text::kCreating)};
}

} // namespace

CSudokuStatusBar::CSudokuStatusBar(Game& game, Host& host, QWidget* parent)
    : QStatusBar(parent), game(game), host(host) {
    setObjectName(QStringLiteral("statusBar"));
    // The message pane is an ordinary widget that shows "Ready" and the prompts itself, not
    // through the status bar's own messages, which are cut wherever the panes begin.
    message = new QLabel(this);
    message->setTextFormat(Qt::PlainText);
    message->setMinimumWidth(15);
    message->installEventFilter(this);
    addWidget(message, 1);
    level = AddPane(LevelPaneSizing(), LevelPaneTexts());
    number = AddPane(GamePaneSizing(), {});
    time = AddPane(QLatin1String(ui_text::kTimePaneSizing), TimePaneTexts());
    time->installEventFilter(this);
    time->setAccessibleName(Translate(ui_text::kTimePaneName));
    ShowPrompt(QString(), false);
}

QLabel* CSudokuStatusBar::AddPane(const QString& sizingText, const QStringList& alsoFits) {
    auto* label = new QLabel(sizingText, this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    const int margins = 2 * (label->frameWidth() + label->margin() + 3);
    const QFontMetrics metrics(label->font());
    int width = metrics.horizontalAdvance(sizingText);
    for (const QString& text : alsoFits) width = std::max(width, metrics.horizontalAdvance(text));
    label->setFixedWidth(width + margins);
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
    return pane == MessagePane ? messageText : PaneLabel(pane)->text();
}

void CSudokuStatusBar::ShowPrompt(const QString& prompt, bool highlighted) {
    messageText = prompt.isEmpty() && !highlighted ? Translate(ui_text::kReady) : prompt;
    // A prompt too long for the room beside the panes takes theirs too while it is shown. It is
    // decided here, when the bar is laid out, and kept while the window is resized under it.
    const bool panesShown = !level->isHidden();
    if (panesShown) panesExtent = time->geometry().right() - message->geometry().right();
    const int besidePanes = message->contentsRect().width() - (panesShown ? 0 : panesExtent);
    const bool overPanes = QFontMetricsF(message->font()).horizontalAdvance(prompt) > besidePanes;
    for (QLabel* pane : {level, number, time}) pane->setHidden(overPanes);
    ElideMessage();
}

void CSudokuStatusBar::ElideMessage() {
    message->setText(message->fontMetrics().elidedText(messageText, Qt::ElideRight,
                                                       message->contentsRect().width()));
    message->setAccessibleName(messageText);
}

void CSudokuStatusBar::UpdatePanes() {
    level->setText(LevelPaneText(game.session.level));
    number->setText(GamePaneText(game.session.gameNumber));
}

void CSudokuStatusBar::ClockTick() {
    const GameSession& session = game.session;
    const GameClock& clock = session.clock;
    QString text = QString::fromLatin1(ui_text::kNoTime);
    switch (clock.face) {
    case ClockFace::Blank:
        break;
    case ClockFace::Live:
        text = QString::fromStdString(FormatElapsed(clock.Elapsed(host.Now())));
        if (session.state == GameState::Paused) {
            text = blink ? Translate(ui_text::kPause)
                         : QString::fromStdString(FormatElapsed(clock.elapsedBefore));
            blink = !blink;
        }
        break;
    case ClockFace::Stopped:
        text = QString::fromStdString(FormatElapsed(clock.stoppedSeconds));
        break;
    case ClockFace::Creating:
        text = Translate(ui_text::kCreating);
        break;
    }
    // An untimed game shows no time, though the blinking goes on underneath.
    if (!game.options.TimedGame) text = QString::fromLatin1(ui_text::kNoTime);
    if (text == time->text()) return;
    time->setText(text);
    // A screen reader reads a status pane by its name; a name that changes is not announced.
    const QString shown = text.trimmed();
    time->setAccessibleName(shown.isEmpty() ? Translate(ui_text::kTimePaneName)
                                            : Translate(ui_text::kTimePaneValue).arg(shown));
}

bool CSudokuStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == message && event->type() == QEvent::Resize) ElideMessage();
    if (watched == time && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit timePaneClicked();
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace zentile
