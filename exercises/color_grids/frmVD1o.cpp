#include "exercises/color_grids/frmVD1o.h"

#include "exercises/color_grids/color_grids_rules.h"
#include "exercises/color_grids/color_grids_triad.h"
#include "shell/framework/layout.h"
#include "shell/vb_runtime.h"

#include <algorithm>

namespace {

constexpr int FormWidth = 6360;
constexpr int ComboLeft = 1080;
constexpr int ComboWidth = 1215;
constexpr int RowHeight = 375;
constexpr int LabelLeft = 2400;
constexpr int FirstComboTop = 1080;
constexpr int ComboStep = 600;
constexpr int FirstCheckTop = 2940;
constexpr int CheckStep = 480;
constexpr int ButtonTop = 4560;

} // namespace

frmVD1o::frmVD1o() : OptionsScreen(Name, ColorGridsTriad()) {
    AddTitle("lblTitle", "Discriminating Color Grids", 18, 120, 240, FormWidth - 240, 615);
    buildCombos();
    buildChecks();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

void frmVD1o::Form_Load() {
    cboGridSize->SetText("3x3");
}

int frmVD1o::Colors() const {
    return std::clamp(int(Int(cboColorVar->Value())), 1, ColorGrids::MostColors);
}

void frmVD1o::buildCombos() {
    cboGridSize = new ValidatingComboBox("cboGridSize", this, /*listOnly=*/true);
    cboGridSize->SetItems(ColorGrids::SizeTexts(), "3x3");
    AddComboRow(cboGridSize, "Label2", "Grid  Size", "", ComboLeft, LabelLeft, FirstComboTop);

    cboColorVar =
        AddCombo("cboColorVar", {"2", "3", "4"}, "3",
                 RangeRule(1, ColorGrids::MostColors, "ColorVariance must be between 1 and 4."));
    AddComboRow(cboColorVar, "Label1", "Different Colors",
                "How many different colors will be used to make pattern.", ComboLeft, LabelLeft,
                FirstComboTop + ComboStep);

    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, FirstComboTop + 2 * ComboStep);
}

void frmVD1o::buildChecks() {
    chkColorLevel = MakeCheck("chkColorLevel", "Easier Colors (Brighter)", this, true);
    CaptionFollowsValue(chkColorLevel, "Easier Colors (Brighter)", "Harder Colors");
    chkColorLevel->setToolTip("Easier colors are brighter, more different. Harder colors are "
                              "more pastel, dimmer.");
    chkBorders = MakeCheck("chkBorders", "Grid Borders On", this, true);
    // Opens as "Grid Borders On"; a click names the new state.
    CaptionFollowsValue(chkBorders, "Borders On", "Borders Off");
    chkBorders->setText("Grid Borders On");
    chkBorders->setToolTip("If each box in grid will have a border or not.");
    chkSound = MakeCheck("chkSound", "Pre Display Beep Off", this);
    CaptionFollowsValue(chkSound, "Pre Display Beep On", "Pre Display Beep Off");
    chkSound->setToolTip("Beeps as each target is flashed on screen.");
    int top = FirstCheckTop;
    for (QCheckBox* check : {chkColorLevel, chkBorders, chkSound}) {
        SetFontSize(check, 10, true);
        Place(check, ComboLeft, top, 3495, RowHeight);
        top += CheckStep;
    }
}

void frmVD1o::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200}));
}
