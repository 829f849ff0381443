#include "exercises/closing_lines/frmVC2o.h"

#include "exercises/closing_lines/closing_lines_triad.h"
#include "shell/framework/layout.h"

namespace {

constexpr int FormWidth = 6360;
constexpr int ComboLeft = 1080;
constexpr int LabelLeft = 2400;
constexpr int RowHeight = 375;
constexpr int ButtonTop = 5520;

} // namespace

frmVC2o::frmVC2o() : OptionsScreen(Name, ClosingLinesTriad()) {
    AddTitle("lblTitle", "Closing Lines & Boxes", 18, 120, 240, FormWidth - 240, 615);
    buildTargetFrame();
    buildCombos();
    buildChecks();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

void frmVC2o::buildTargetFrame() {
    Frame1 = MakeFrame("Frame1", "Target Type:", this);
    SetFontSize(Frame1, 10, true);
    optLines = MakeOption("optLines", "Converging Lines", Frame1, true);
    optRect = MakeOption("optRect", "Corner Of The Box", Frame1);
    int top = 360;
    for (QRadioButton* option : {optLines, optRect}) {
        Place(option, 240, top, 2895, 330);
        top += 420;
    }
    Place(Frame1, 1080, 1020, 3375, top + 120);
}

void frmVC2o::buildCombos() {
    cboSpeed =
        AddCombo("cboSpeed",
                 {"0.10", "0.20", "0.30", "0.40", "0.50", "0.75", "1.00", "1.25", "1.50", "2.00",
                  "3.00", "4.00", "5.00"},
                 "0.50", DisplaySpeedRule(5, "Display Speed must be between 0.1 and 5 secs."));
    AddComboRow(cboSpeed, "Label1", "Display Speed (Secs)",
                "How long the targets are displayed on the screen.", ComboLeft, LabelLeft, 2700);
    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, 3300);
}

void frmVC2o::buildChecks() {
    chkConfuse = MakeCheck("chkConfuse", "Visual Confusion Off", this);
    chkConfuse->setToolTip(
        "Shapes are flashed on the screen after the target shape has been displayed.");
    CaptionFollowsValue(chkConfuse, "Visual Confusion On", "Visual Confusion Off");
    chkSound = MakeCheck("chkSound", "Pre Display Beep Off", this);
    chkSound->setToolTip("Beeps as each target is flashed on screen.");
    CaptionFollowsValue(chkSound, "Pre Display Beep On", "Pre Display Beep Off");
    int top = 4080;
    for (QCheckBox* check : {chkConfuse, chkSound}) {
        SetFontSize(check, 10, true);
        Place(check, ComboLeft, top, 3495, RowHeight);
        top += 600;
    }
}

void frmVC2o::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200}));
}

ClosingLines::TargetType frmVC2o::ChosenTarget() const {
    using ClosingLines::TargetType;
    return ChosenOption<TargetType>({{optRect, TargetType::CornerOfTheBox}},
                                    TargetType::ConvergingLines);
}
