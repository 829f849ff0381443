#include "exercises/tic_tac_toe/frmVSS1o.h"

#include "exercises/tic_tac_toe/tic_tac_toe_triad.h"
#include "shell/framework/layout.h"

namespace {

constexpr int FormWidth = 6360;
constexpr int ComboLeft = 1080;
constexpr int RowHeight = 375;
constexpr int LabelLeft = 2400;
constexpr int ButtonTop = 6120;

} // namespace

frmVSS1o::frmVSS1o() : OptionsScreen(Name, TicTacToeTriad()) {
    AddTitle("lblTitle", "Tic Tac Toe Rotations", 18, 120, 240, FormWidth - 240, 615);
    buildCombos();
    buildRotationFrame();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

void frmVSS1o::buildCombos() {
    cboSpeed = AddCombo(
        "cboSpeed",
        {"0.10", "0.20", "0.30", "0.40", "0.50", "0.75", "1.00", "1.25", "1.50", "2.00", "3.00"},
        "0.50", DisplaySpeedRule(5, "Display Speed must be between 0.1 and 5 secs."));
    AddComboRow(cboSpeed, "Label1", "Display Speed (Secs)",
                "How long the targets are displayed on the screen.", ComboLeft, LabelLeft, 1080);

    cboMaxX = AddCombo("cboMaxX", NumberList(1, 7, 1), "3",
                       RangeRule(1, 7, "Number of  X's in Display Grid must be between 1 and 7."));
    AddComboRow(cboMaxX, "Label2", "Number Of X's", "Maximum number of X's in grid pattern.",
                ComboLeft, LabelLeft, 1680);

    cboFont = AddCombo("cboFont",
                       {"12", "14", "16", "18", "20", "24", "30", "36", "40", "44", "48", "50"},
                       "24", RangeRule(12, 50, "Font Size must be between 12 and 50."));
    AddComboRow(cboFont, "Label3", " Font Size", "Size of the X's in the grid.", ComboLeft,
                LabelLeft, 2280);

    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, 2880);

    chkSound = MakeCheck("chkSound", "Pre Display Beep Off", this);
    chkSound->setToolTip("Beeps as each target is flashed on screen.");
    SetFontSize(chkSound, 10, true);
    Place(chkSound, ComboLeft, 3480, 3495, RowHeight);
    CaptionFollowsValue(chkSound, "Pre Display Beep On", "Pre Display Beep Off");
}

void frmVSS1o::buildRotationFrame() {
    Frame1 = MakeFrame("Frame1", "Rotation Pattern", this);
    Frame1->setToolTip("Direction X pattern is rotated.");
    SetFontSize(Frame1, 10, true);
    optNotRot = MakeOption("optNotRot", "Pattern Not Rotated", Frame1, true);
    optRotLeft = MakeOption("optRotLeft", "Counter Clockwise", Frame1);
    optRotRight = MakeOption("optRotRight", "Clockwise", Frame1);
    int top = 360;
    for (QRadioButton* option : {optNotRot, optRotLeft, optRotRight}) {
        Place(option, 240, top, 2895, 330);
        top += 420;
    }
    Place(Frame1, 1320, 4080, 3375, top + 120);
}

void frmVSS1o::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200}));
}

TicTacToe::PatternRotation frmVSS1o::ChosenRotation() const {
    using TicTacToe::PatternRotation;
    return ChosenOption<PatternRotation>({{optRotLeft, PatternRotation::CounterClockwise},
                                          {optRotRight, PatternRotation::Clockwise}},
                                         PatternRotation::None);
}
