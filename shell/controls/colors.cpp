#include "shell/controls/colors.h"

#include <algorithm>
#include <cmath>

namespace {

double RelativeLuminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableTextOn(const QColor& back) {
    // A fifth of the back colour's brightness: dark, and still of its hue.
    const QColor dark(back.red() / 5, back.green() / 5, back.blue() / 5);
    const QColor light(Qt::white);
    return ContrastRatio(back, dark) >= ContrastRatio(back, light) ? dark : light;
}

QColor QBColor(int n) {
    // Colour values of the 16 entries (blue-green-red order).
    static const std::uint32_t palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return VbColor((n >= 0 && n < 16) ? palette[n] : 0);
}
