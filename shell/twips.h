// Screen geometry is written in twips; this is the one conversion to pixels.
#pragma once

#include <QRect>
#include <cmath>

constexpr int TwipsPerPixel = 15;

inline int Twips(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline double PixelsToTwips(int pixels) {
    return pixels * double(TwipsPerPixel);
}
inline QRect TwipsRect(double left, double top, double width, double height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}
