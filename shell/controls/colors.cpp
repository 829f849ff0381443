#include "shell/controls/colors.h"

QColor QBColor(int n) {
    // Colour values of the 16 entries (blue-green-red order).
    static const std::uint32_t palette[16] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return VbColor((n >= 0 && n < 16) ? palette[n] : 0);
}
