#pragma once

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <map>
#include <span>
#include <tuple>

namespace zentile::test {

// Looks at a printed page the way a reader would: black ink, blue grid lines, blank paper,
// and which symbol or text stands in a place.

inline bool IsInk(QRgb p) {
    return qRed(p) < 160 && qGreen(p) < 160 && qBlue(p) < 160;
}
inline bool IsBlue(QRgb p) {
    return qBlue(p) > 160 && qRed(p) < 120 && qGreen(p) < 120;
}
inline bool IsPaper(QRgb p) {
    return qRed(p) > 250 && qGreen(p) > 250 && qBlue(p) > 250;
}

inline QImage BlankPage(int width, int height) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

template <typename Test> int Count(const QImage& page, const QRect& area, Test test) {
    const QRect r = area.intersected(page.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += test(page.pixel(x, y)) ? 1 : 0;
    return count;
}
inline int InkIn(const QImage& page, const QRect& area) {
    return Count(page, area, IsInk);
}
inline int MarksIn(const QImage& page, const QRect& area) {
    return Count(page, area, [](QRgb p) { return !IsPaper(p); });
}

// The smallest rectangle holding all ink in the area; empty when there is none.
inline QRect InkBounds(const QImage& page, const QRect& area) {
    const QRect r = area.intersected(page.rect());
    QRect bounds;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (IsInk(page.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// How many blue pixels run through (x, y) along the row (horizontal) or the column.
inline int BlueRunAt(const QImage& page, int x, int y, bool alongRow) {
    if (!IsBlue(page.pixel(x, y))) return 0;
    int run = 1;
    for (int d = 1; d < 10; ++d) {
        const QPoint p = alongRow ? QPoint(x - d, y) : QPoint(x, y - d);
        if (!page.rect().contains(p) || !IsBlue(page.pixel(p))) break;
        ++run;
    }
    for (int d = 1; d < 10; ++d) {
        const QPoint p = alongRow ? QPoint(x + d, y) : QPoint(x, y + d);
        if (!page.rect().contains(p) || !IsBlue(page.pixel(p))) break;
        ++run;
    }
    return run;
}

// "Arial" whose character cell, ascent plus descent, is the given height: the page's font
// heights name that cell, not the em. The em per pixel of cell is read from the face itself,
// so the page is read right whichever face stands in for "Arial" here.
inline QFont ArialOf(int cellHeight, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(1000);
    const QFontMetricsF large(font);
    font.setPixelSize(qRound(cellHeight * 1000 / (large.ascent() + large.descent())));
    font.setItalic(italic);
    return font;
}

// The text as it would look alone in a rectangle of that size.
inline QImage TextAlone(const QSize& size, const QFont& font, int flags, const QString& text) {
    QImage image = BlankPage(size.width(), size.height());
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, 0), size), flags, text);
    return image;
}

// Pixels where the page's ink in the area and the text drawn alone differ.
inline int InkDifference(const QImage& page, const QRect& area, const QImage& alone) {
    int differences = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            differences +=
                IsInk(page.pixel(area.left() + x, area.top() + y)) != IsInk(alone.pixel(x, y));
    return differences;
}

// Whether the area reads as the text: its ink differs from the text alone in at most a few
// edge pixels.
inline bool Reads(const QImage& page, const QRect& area, const QFont& font, int flags,
                  const QString& text) {
    const QImage alone = TextAlone(area.size(), font, flags, text);
    const int ink = InkIn(alone, alone.rect());
    return ink > 0 && InkDifference(page, area, alone) * 50 <= ink;
}

// The symbol a reader sees in a cell of the given size and font height, chosen among the
// candidates by its shape; ' ' for a blank cell. The cell's border lines are left out.
inline char ReadCell(const QImage& page, const QRect& cell, int fontHeight,
                     std::span<const char> candidates) {
    const QRect inside = cell.adjusted(4, 4, -4, -4);
    if (InkIn(page, inside) == 0) return ' ';
    static std::map<std::tuple<int, int, int, char>, QImage> glyphs;
    char best = '?';
    int bestDifference = -1;
    int bestInk = 0;
    for (const char c : candidates) {
        QImage& glyph = glyphs[{cell.width(), cell.height(), fontHeight, c}];
        if (glyph.isNull())
            glyph = TextAlone(cell.size(), ArialOf(fontHeight), Qt::AlignCenter,
                              QString(QLatin1Char(c)));
        const int difference =
            InkDifference(page, inside, glyph.copy(inside.translated(-cell.topLeft())));
        if (bestDifference < 0 || difference < bestDifference) {
            best = c;
            bestDifference = difference;
            bestInk = InkIn(glyph, glyph.rect());
        }
    }
    // A shape none of the candidates comes close to is no symbol of the puzzle.
    return bestDifference * 20 <= bestInk ? best : '?';
}

// The page objects of a PDF file ("/Type /Page", not the "/Type /Pages" tree nodes); -1 when
// the file cannot be read.
inline int CountPdfPages(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(pageObject));
}

} // namespace zentile::test
