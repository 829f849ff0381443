#include "shell/screen_size.h"

#include "shell/platform.h"

namespace {
const QString Key = "ScreenSize";
const QString FillValue = "Fill";
const QString DesignValue = "Design";
} // namespace

namespace ScreenSizes {

ScreenSize Chosen() {
    const QString kept = platform().Setting(Key);
    if (kept == FillValue) {
        return ScreenSize::FillTheScreen;
    }
    if (kept == DesignValue) {
        return ScreenSize::DesignSize;
    }
    const QSize display = platform().DisplaySize();
    return display.width() > 800 || display.height() > 600 ? ScreenSize::FillTheScreen
                                                           : ScreenSize::DesignSize;
}

void Choose(ScreenSize size) {
    platform().SetSetting(Key, size == ScreenSize::FillTheScreen ? FillValue : DesignValue);
}

QString Caption(ScreenSize size) {
    return size == ScreenSize::FillTheScreen ? "Fill The Screen" : "Design Size (800 x 600)";
}

} // namespace ScreenSizes
