// zentile-draw-images <resources folder>
//
// Draws the toolbar strip (43 images of 16 x 15: New, Hint, Highlight, Start, Accept and
// Reject Branch, Undo, Erase, the digits 1..9 and the letters A..Z), the same strip at twice
// the size for high-density screens, and the program icon in the usual sizes from
// zentile.svg. Run it after changing a picture and commit what it writes.

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtSvg/QSvgRenderer>
#include <cstdio>

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr int kImageCount = 43;
const QColor kDarkBlue(0, 0, 128);

void DrawGrid(QPainter& p) {
    p.setPen(QPen(kDarkBlue, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(1.5 + 4 * i, 1.5), QPointF(1.5 + 4 * i, 13.5));
        p.drawLine(QPointF(1.5, 1.5 + 4 * i), QPointF(13.5, 1.5 + 4 * i));
    }
}

void DrawSymbol(QPainter& p, const QString& text, const QRectF& box, qreal size) {
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(qRound(size));
    p.setFont(font);
    p.setPen(kDarkBlue);
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawImage(QPainter& p, int index) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, kImageWidth, kImageHeight);
    switch (index) {
    case 0: // New: an empty grid
        DrawGrid(p);
        break;
    case 1: // Hint: a grid with a question mark
        DrawGrid(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 255, 255));
        p.drawEllipse(QRectF(5.5, 3.5, 8, 8));
        DrawSymbol(p, "?", QRectF(5, 3, 9, 9), 9);
        break;
    case 2: // Highlight: a marker over a green disc
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(152, 251, 152));
        p.drawEllipse(QRectF(1, 2, 11, 11));
        DrawSymbol(p, "5", QRectF(1, 2, 11, 11), 9);
        p.setPen(QPen(kDarkBlue, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 12), QPointF(14.5, 2.5));
        break;
    case 3: { // Start Branch: a line that forks
        p.setPen(QPen(kDarkBlue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(3, 13), QPointF(3, 2));
        QPainterPath fork;
        fork.moveTo(3, 10);
        fork.cubicTo(3, 6, 11, 8, 11, 3);
        p.drawPath(fork);
        p.setBrush(kDarkBlue);
        p.drawEllipse(QPointF(11, 3), 1.6, 1.6);
        p.drawEllipse(QPointF(3, 2), 1.6, 1.6);
        break;
    }
    case 4: { // Accept Branch: a green tick
        p.setPen(QPen(QColor(0, 150, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(2.5, 8);
        tick.lineTo(6, 12);
        tick.lineTo(13.5, 2.5);
        p.drawPath(tick);
        break;
    }
    case 5: // Reject Branch: a red cross
        p.setPen(QPen(QColor(210, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 2.5), QPointF(13, 12.5));
        p.drawLine(QPointF(13, 2.5), QPointF(3, 12.5));
        break;
    case 6: { // Undo: a curved arrow turning back to the left
        p.setPen(QPen(kDarkBlue, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(4, 6);
        arc.cubicTo(9, 1.5, 15.5, 5, 13, 10);
        arc.cubicTo(12, 12, 10, 13, 8, 13);
        p.drawPath(arc);
        p.setBrush(kDarkBlue);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(1, 8.5), QPointF(2.5, 2.5), QPointF(7.5, 6.5)}));
        break;
    }
    case 7: { // Erase: a slanted eraser
        p.setPen(QPen(kDarkBlue, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 190, 200));
        QPolygonF body({QPointF(8.5, 1.5), QPointF(14.5, 7.5), QPointF(9, 13), QPointF(3, 7)});
        p.drawPolygon(body);
        p.setBrush(Qt::white);
        p.drawPolygon(
            QPolygonF({QPointF(3, 7), QPointF(6, 10), QPointF(3.5, 12.5), QPointF(0.5, 9.5)}));
        p.drawLine(QPointF(3.5, 13.5), QPointF(15, 13.5));
        break;
    }
    default: { // 8..16 digits 1..9, 17..42 letters A..Z
        QChar symbol = index <= 16 ? QChar('1' + index - 8) : QChar('A' + index - 17);
        DrawSymbol(p, QString(symbol), whole, 13);
        break;
    }
    }
}

bool WriteStrip(const QString& path, int scale) {
    QImage strip(kImageWidth * kImageCount * scale, kImageHeight * scale,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < kImageCount; ++i) {
        p.save();
        p.translate(i * kImageWidth * scale, 0);
        p.scale(scale, scale);
        p.setClipRect(QRect(0, 0, kImageWidth, kImageHeight));
        DrawImage(p, i);
        p.restore();
    }
    p.end();
    return strip.save(path);
}

bool WriteIcon(QSvgRenderer& svg, const QString& path, int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    return icon.save(path);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zentile-draw-images <resources folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = WriteStrip(dir + "/toolbar.png", 1) && WriteStrip(dir + "/toolbar@2x.png", 2);
    QSvgRenderer svg(dir + "/zentile.svg");
    ok = ok && svg.isValid();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = ok && WriteIcon(svg, QString("%1/icons/zentile-%2.png").arg(dir).arg(size), size);
    if (!ok) std::fprintf(stderr, "zentile-draw-images: could not write the images\n");
    return ok ? 0 : 1;
}
