#include "ui/ToolbarImages.h"

namespace zentile {

ToolbarImages::ToolbarImages()
    : strip(QStringLiteral(":/toolbar.png")), strip2x(QStringLiteral(":/toolbar@2x.png")) {}

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
