#include "exercises/flipper/frmFlipperO.h"

#include "exercises/flipper/flipper_triad.h"
#include "shell/controls/colors.h"

namespace {

PictureOptionsLayout flipperOptionsLayout() {
    PictureOptionsLayout l;
    l.title = "Flipper";
    l.titleRect = {2160, 120, 2535, 615};
    l.orderFrame = {240, 960, 6255, 1215};
    l.pickFrame = {240, 2400, 6255, 2175};
    l.numberLabel = {720, 480};
    l.scrollBar = {720, 960, 2535, 495};
    l.preview = {3960, 240, 1695, 1695};
    l.exampleCaption = "Example  (Click On A Picture Box To See) :   ";
    l.exampleFrame = {240, 4800, 6255, 2415};
    l.exampleBoxes = {QRect{240, 480, 1095, 1095}, QRect{1680, 480, 1095, 1095},
                      QRect{3120, 480, 1095, 1095}, QRect{4680, 480, 1095, 1095}};
    l.exampleCaptions = {"Original Picture", "Picture Flipped Left To Right",
                         "Picture Flipped Upside Down", "Flipped  Upside Down And Left To Right"};
    l.exampleCaptionCorners = {QPoint{120, 1800}, QPoint{1560, 1800}, QPoint{3000, 1800},
                               QPoint{4560, 1800}};
    l.exampleFlips = {Orientation::RightToLeft, Orientation::UpsideDown, Orientation::Both};
    l.buttons = ButtonRow(7440, {360, 2400, 4440})
                    .MenuName("cmdMenu")
                    .BackColor(VbColor(VbColors::LightYellow));
    l.formSize = {6750, 8400};
    return l;
}
} // namespace

frmFlipperO::frmFlipperO() : PictureOptionsScreen(Name, FlipperTriad(), flipperOptionsLayout()) {}
