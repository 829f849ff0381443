// Colour values are 32-bit numbers in blue-green-red byte order (&H0000FF is red).
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

inline QColor VbColor(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline std::uint32_t VbColorValue(const QColor& color) {
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) |
           (std::uint32_t(color.blue()) << 16);
}

// A text colour that reads well on back: a dark shade of it, or white on a
// back too dark for any dark text.
QColor ReadableTextOn(const QColor& back);
// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The plain name of the nearest of the colours a person names ("blue",
// "light green", "dark red"), for screen readers.
QString ColorName(const QColor& color);

// Entry n (0 to 15) of the standard 16-colour palette.
QColor QBColor(int n);

namespace VbColors {
constexpr std::uint32_t LightYellow = 0xC0FFFF; // RGB(255, 255, 192)
constexpr std::uint32_t Green = 0x00FF00;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Black = 0x000000;
} // namespace VbColors
