#include "exercises/flip_forms/frmFlipFormO.h"

#include "exercises/flip_forms/flip_forms_triad.h"
#include "shell/controls/colors.h"

namespace {

// The example grid: the original top left, then clockwise the three steps of
// the exercise, each box the one before it flipped.
PictureOptionsLayout flipFormOptionsLayout() {
    PictureOptionsLayout l;
    l.title = "Flip Form";
    l.titleRect = {2865, 120, 2895, 615};
    l.orderFrame = {1125, 960, 6375, 1215};
    l.pickFrame = {360, 2640, 3015, 3615};
    l.numberLabel = {240, 600};
    l.scrollBar = {240, 1080, 2535, 375};
    l.preview = {600, 1680, 1815, 1815};
    l.exampleCaption = "Example  (Click On A Picture To See) :   ";
    l.exampleFrame = {3840, 2640, 4455, 4095};
    l.exampleBoxes = {QRect{480, 480, 1095, 1095}, QRect{2640, 480, 1095, 1095},
                      QRect{2640, 2160, 1095, 1095}, QRect{480, 2160, 1095, 1095}};
    l.exampleCaptions = {"Original Image", "Image Flipped Left To Right",
                         "Above ImageFlipped Upside Down", "Right Image Flipped  Rigtht To Left"};
    l.exampleCaptionCorners = {QPoint{120, 1620}, QPoint{2280, 1620}, QPoint{2280, 3300},
                               QPoint{120, 3300}};
    l.exampleCaptionWidth = 1815;
    l.exampleFlips = {Orientation::RightToLeft, Orientation::Both, Orientation::UpsideDown};
    l.buttons = ButtonRow(7080, {720, 3120, 5640})
                    .MenuName("cmdMenu")
                    .BackColor(VbColor(VbColors::LightYellow));
    l.formSize = {8640, 8100};
    return l;
}

LineControl* gridLine(const QString& name, QWidget* parent, double x1, double y1, double x2,
                      double y2) {
    auto* line = new LineControl(name, parent);
    line->SetEnds(x1, y1, x2, y2);
    return line;
}

} // namespace

frmFlipFormO::frmFlipFormO()
    : PictureOptionsScreen(Name, FlipFormTriad(), flipFormOptionsLayout()) {
    Line1 = gridLine("Line1", frmExample, 2108, 360, 2108, 3960);
    Line2 = gridLine("Line2", frmExample, 120, 2100, 4335, 2100);
}
