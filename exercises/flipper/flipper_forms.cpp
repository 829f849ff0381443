#include "exercises/flipper/flipper_forms.h"

#include "exercises/flipper/flipper_scores.h"
#include "shell/mod_dodi.h"

const Triad FlipperTriad{"frmFlipperO", "frmFlipperT", "frmFlipperS", "Flipper.hlp"};

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
    l.menuButton = {360, 7440, 1935, 615};
    l.helpButton = {2400, 7440, 1935, 615};
    l.therapyButton = {4440, 7440, 1935, 615};
    l.formSize = {6750, 8400};
    return l;
}
} // namespace

frmFlipperO::frmFlipperO() : PictureOptionsScreen(Name, FlipperTriad, flipperOptionsLayout()) {}

frmFlipperS::frmFlipperS()
    : ScoresScreen(Name, FlipperTriad, "Flipper Scores",
                   {{"Label1", "Total Correct", "lblCorrect"},
                    {"Label3", "Total Incorrect", "lblWrong"},
                    {"Label2", "Total New Images Tried", "lblTotalDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label7", "Ave Response Time", "lblAveTime"},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmFlipperS::FillLines() {
    const FlipperScores& s = Scores<FlipperScores>();
    SetValue("lblCorrect", s.FlipperCorrect);
    SetValue("lblWrong", s.FlipperWrong);
    SetValue("lblTotalDis", s.FlipperAnswered);
    if (s.FlipperAnswered > 0) {
        SetValue("lblPerCor", PercentText(s.FlipperCorrect, s.FlipperAnswered));
        SetValue("lblAveTime", AverageText(s.FlipperTotalTime, s.FlipperAnswered));
    }
}

void RegisterFlipper() {
    Forms::Register(frmFlipperO::Name, [] { return new frmFlipperO; });
    Forms::Register(frmFlipperT::Name, [] { return new frmFlipperT; });
    Forms::Register(frmFlipperS::Name, [] { return new frmFlipperS; });
}
