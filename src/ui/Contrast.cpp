#include "ui/Contrast.h"

#include <QPalette>
#include <cmath>

namespace zentile {

namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.red()) + 0.7152 * Linear(rgb.green()) + 0.0722 * Linear(rgb.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WithContrast(const QColor& colour, const QColor& against, double ratio) {
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor end =
        ContrastRatio(white, against) >= ContrastRatio(black, against) ? white : black;
    // Small steps keep the hue as far as the ratio allows.
    constexpr int kSteps = 64;
    for (int step = 0; step < kSteps; ++step) {
        const QColor mixed = Mix(colour.toRgb(), end, static_cast<double>(step) / kSteps);
        if (ContrastRatio(mixed, against) >= ratio) return mixed;
    }
    return end;
}

bool IsDark(const QPalette& palette) {
    return RelativeLuminance(palette.color(QPalette::Window)) <
           RelativeLuminance(QColor(128, 128, 128));
}

} // namespace zentile
