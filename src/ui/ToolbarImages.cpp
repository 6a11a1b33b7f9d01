#include "ui/ToolbarImages.h"

#include "ui/Contrast.h"

#include <QPainter>

namespace zentile {

namespace {

// The strip with a light rounded tile under each image, so that its dark strokes keep their
// contrast on a dark toolbar. Drawn in the strip's own pixels, whatever its pixel ratio.
QPixmap OnLightTiles(const QPixmap& strip) {
    if (strip.isNull()) return strip;
    QPixmap source = strip;
    source.setDevicePixelRatio(1.0);
    QPixmap tiled(strip.size());
    tiled.fill(Qt::transparent);
    {
        QPainter painter(&tiled);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 240, 240));
        const qreal scale = static_cast<qreal>(strip.width()) /
                            (ToolbarImages::kImageCount * ToolbarImages::kImageSize.width());
        const QSizeF tile = QSizeF(ToolbarImages::kImageSize) * scale;
        for (int i = 0; i < ToolbarImages::kImageCount; ++i)
            painter.drawRoundedRect(QRectF(QPointF(i * tile.width(), 0), tile), 3 * scale,
                                    3 * scale);
        painter.drawPixmap(0, 0, source);
    }
    tiled.setDevicePixelRatio(strip.devicePixelRatio());
    return tiled;
}

} // namespace

ToolbarImages::ToolbarImages(const QPalette& palette)
    : strip(QStringLiteral(":/toolbar.png")), strip2x(QStringLiteral(":/toolbar@2x.png")) {
    if (!IsDark(palette)) return;
    strip = OnLightTiles(strip);
    strip2x = OnLightTiles(strip2x);
}

QIcon ToolbarImages::Icon(int index) const {
    if (index < 0 || index >= kImageCount || strip.isNull()) return {};
    const int w = kImageSize.width();
    const int h = kImageSize.height();
    QIcon icon;
    icon.addPixmap(strip.copy(index * w, 0, w, h));
    if (!strip2x.isNull()) {
        QPixmap sharp = strip2x.copy(index * 2 * w, 0, 2 * w, 2 * h);
        sharp.setDevicePixelRatio(2.0);
        icon.addPixmap(sharp);
    }
    return icon;
}

std::optional<int> ToolbarImages::SymbolImage(char symbol) {
    const int code = static_cast<unsigned char>(symbol);
    int index = -1;
    if (code <= '9')
        index = code - 41;
    else if (code >= 'A')
        index = code - 48;
    // Characters between the two ranges, and any beyond the strip, keep the button as it is.
    if (index < 0 || index >= kImageCount) return std::nullopt;
    return index;
}

} // namespace zentile
