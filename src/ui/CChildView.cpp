#include "ui/CChildView.h"

#include "play/GameController.h"
#include "ui/GridAccessible.h"
#include "ui/GridPainter.h"
#include "ui/QtHost.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zentile {

namespace {

// The sunken edge as the panel frame draws it, the upper and left lines in the palette's dark
// colour and the lower and right ones in its light colour, filled as rectangles instead of
// stroked as lines: on a large window the stroked frame cost as much as all the grid lines.
void DrawSunkenEdge(QPainter& painter, const QRect& rect, const QPalette& palette, int width) {
    const QColor dark = palette.dark().color();
    const QColor light = palette.light().color();
    const int w = rect.width();
    const int h = rect.height();
    for (int i = 0; i < width && i < w && i < h; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top() + i, w - 1 - i, 1), dark);
        painter.fillRect(QRect(rect.left() + i, rect.top(), 1, h - 1 - i), dark);
        painter.fillRect(QRect(rect.left() + i, rect.top() + h - 1 - i, w - i, 1), light);
        painter.fillRect(QRect(rect.left() + w - 1 - i, rect.top() + i, 1, h - i), light);
    }
}

} // namespace

CChildView::CChildView(GameController& controller, QWidget* parent)
    : QFrame(parent), controller(controller), announcer(new GridAnnouncer(*this, controller.game)),
      scanCodes(ScanCodesOf(QGuiApplication::platformName())) {
    setObjectName(QStringLiteral("gameView"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    // Every pixel is painted on every paint, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CChildView::AnnounceChanges() {
    announcer->Update();
}

QPoint CChildView::ClientPoint(const QPointF& widgetPoint) const {
    return widgetPoint.toPoint() - contentsRect().topLeft();
}

bool CChildView::event(QEvent* event) {
    // Every press is offered here first, also one that a shortcut then takes (Ctrl+Z).
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) pressedWith.insert(key->key(), key->modifiers());
    }
    if (event->type() == QtHost::kPuzzleSolvedEvent) {
        controller.OnPuzzleSolved();
        emit inputHandled();
        return true;
    }
    return QFrame::event(event);
}

void CChildView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.save();
    painter.translate(client.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), client.size()));
    PaintGrid(painter, client.size(), controller.game);
    painter.restore();
    DrawSunkenEdge(painter, rect(), palette(), frameWidth());
    emit painted();
}

void CChildView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = ClientPoint(event->position());
    if (event->button() == Qt::LeftButton)
        controller.input.LeftButtonDown(point.x(), point.y());
    else if (event->button() == Qt::RightButton)
        controller.input.RightButtonDown(point.x(), point.y());
    else
        return QFrame::mousePressEvent(event);
    emit inputHandled();
}

void CChildView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CChildView::keyReleaseEvent(QKeyEvent* event) {
    // A held key enters its digit once. A release whose press went elsewhere (Enter or Escape
    // closing a dialog) is not the grid's.
    if (event->isAutoRepeat() || !pressedWith.contains(event->key())) return;
    const Qt::KeyboardModifiers modifiers = pressedWith.take(event->key()) | event->modifiers();
    controller.input.KeyReleased(GameKeyCode(*event, scanCodes),
                                 {.ctrl = modifiers.testFlag(Qt::ControlModifier),
                                  .shift = modifiers.testFlag(Qt::ShiftModifier)});
    emit inputHandled();
}

void CChildView::focusInEvent(QFocusEvent* event) {
    controller.input.FocusIn();
    QFrame::focusInEvent(event);
}

} // namespace zentile
