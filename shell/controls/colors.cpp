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

QString ColorName(const QColor& color) {
    struct Named {
        const char* name;
        int red, green, blue;
    };
    static constexpr Named names[] = {
        {"black", 0, 0, 0},
        {"white", 255, 255, 255},
        {"grey", 128, 128, 128},
        {"light grey", 192, 192, 192},
        {"red", 255, 0, 0},
        {"dark red", 128, 0, 0},
        {"green", 0, 255, 0},
        {"dark green", 0, 128, 0},
        {"blue", 0, 0, 255},
        {"dark blue", 0, 0, 128},
        {"light blue", 128, 128, 255},
        {"yellow", 255, 255, 0},
        {"light yellow", 255, 255, 192},
        {"olive", 128, 128, 0},
        {"cyan", 0, 255, 255},
        {"teal", 0, 128, 128},
        {"magenta", 255, 0, 255},
        {"purple", 128, 0, 128},
        {"orange", 255, 165, 0},
        {"brown", 150, 75, 0},
        {"pink", 255, 192, 203},
        {"light green", 128, 255, 128},
        {"light red", 255, 128, 128},
        {"light cyan", 192, 255, 255},
    };
    const Named* nearest = &names[0];
    int nearestDistance = -1;
    for (const Named& named : names) {
        const int dr = color.red() - named.red;
        const int dg = color.green() - named.green;
        const int db = color.blue() - named.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = &named;
            nearestDistance = distance;
        }
    }
    return QString::fromLatin1(nearest->name);
}
