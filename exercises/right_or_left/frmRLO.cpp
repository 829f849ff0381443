#include "exercises/right_or_left/frmRLO.h"

#include "exercises/right_or_left/right_or_left_scores.h"
#include "exercises/right_or_left/right_or_left_triad.h"
#include "shell/controls/colors.h"
#include "shell/framework/layout.h"

namespace {

constexpr int FormWidth = 6255;
constexpr int ButtonTop = 4440;

const char* const SpeedToolTip = "How long the pictures are displayed on the screen.";

QStringList SpeedList() {
    return {"0.10", "0.20", "0.30", "0.40", "0.50", "0.75", "1.00",
            "1.25", "1.50", "2.00", "3.00", "4.00", "5.00", "Off"};
}

} // namespace

frmRLO::frmRLO() : OptionsScreen(Name, RightOrLeftTriad()) {
    SetDesignSize(FormWidth + 240, ButtonTop + 615 + 300);
    AddTitle("Label1", "Right or Left", 18, 1688, 360, 2895, 615);
    buildSpeedBox();
    buildExamples();
    buildButtons();
}

void frmRLO::buildSpeedBox() {
    cboSpeed =
        AddCombo("cboSpeed", SpeedList(), "Off",
                 DisplaySpeedOrOffRule(5, "Display Speed must be Off or between 0.1 and 5 secs."));
    cboSpeed->setToolTip(SpeedToolTip);
    Place(cboSpeed, 1320, 1440, 1215, 375);
    auto* Label2 = new VbLabel("Label2", "Display Speed (Secs)", this);
    Label2->setToolTip(SpeedToolTip);
    Label2->setWordWrap(false);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetFontSize(Label2, 10, true);
    Place(Label2, 2640, 1440, 2655, 375);
}

void frmRLO::buildExamples() {
    img1 = new ImageBox("img1", this);
    img1->setAccessibleName("Seen from the front, balloon in the left hand");
    Place(img1, 1320, 2400, 975, 1215);
    img2 = new ImageBox("img2", this);
    img2->setAccessibleName("Seen from the back, balloon in the right hand");
    Place(img2, 4080, 2400, 975, 1215);
    auto* Label3 = new VbLabel(
        "Label3", "Hi, This is Me looking at you. My balloon is in my left hand.", this);
    auto* Label4 = new VbLabel(
        "Label4", "Hi, This is how I look from the back. My balloon is in my right hand.", this);
    for (VbLabel* label : {Label3, Label4}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetFontSize(label, 8);
    }
    Place(Label3, 720, 3720, 2175, 615);
    Place(Label4, 3240, 3720, 2655, 615);
}

void frmRLO::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200})
                     .MenuName("cmdMenu")
                     .BackColor(VbColor(VbColors::LightYellow)));
}

void frmRLO::Form_Load() {
    // The examples are the therapy's own pictures: front view with the
    // balloon in the left hand, back view with it in the right hand.
    img1->LoadPicture("StkManFL.jpg");
    img2->LoadPicture("StkManBR.jpg");
}
