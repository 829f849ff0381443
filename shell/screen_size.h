// The therapist's choice of how large the exercise screens are: scaled up to
// fill the display, or at their 800 x 600 design size. Kept between runs.
#pragma once

#include <QSize>
#include <QString>

enum class ScreenSize { FillTheScreen, DesignSize };

namespace ScreenSizes {

// The choice kept; without one, filling the screen on a display larger than
// 800 x 600 and the design size otherwise.
ScreenSize Chosen();
void Choose(ScreenSize size);
// The menu captions of the two sizes.
QString Caption(ScreenSize size);

} // namespace ScreenSizes
