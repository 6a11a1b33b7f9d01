#include "ui/CChildView.h"

#include "play/GameController.h"
#include "ui/GridPainter.h"
#include "ui/KeyMapping.h"
#include "ui/QtHost.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zentile {

CChildView::CChildView(GameController& controller, QWidget* parent)
    : QFrame(parent), controller(controller) {
    setObjectName(QStringLiteral("gameView"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    // Every pixel is painted on every paint, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint CChildView::ClientPoint(const QPointF& widgetPoint) const {
    return widgetPoint.toPoint() - contentsRect().topLeft();
}

bool CChildView::event(QEvent* event) {
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
    drawFrame(&painter);
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
    // A held key enters its digit once.
    if (event->isAutoRepeat()) return;
    controller.input.KeyReleased(GameKeyCode(event->key(), event->modifiers()),
                                 event->modifiers().testFlag(Qt::ControlModifier));
    emit inputHandled();
}

} // namespace zentile
