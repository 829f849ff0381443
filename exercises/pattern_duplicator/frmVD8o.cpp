#include "exercises/pattern_duplicator/frmVD8o.h"

#include "exercises/pattern_duplicator/pattern_duplicator_rules.h"
#include "exercises/pattern_duplicator/pattern_duplicator_triad.h"
#include "shell/framework/layout.h"
#include "shell/vb_runtime.h"

namespace {

constexpr int FormWidth = 6360;
constexpr int CheckLeft = 1080;
constexpr int ComboLeft = 1080;
constexpr int RowHeight = 375;
constexpr int LabelLeft = 2400;
constexpr int ButtonTop = 4200;

} // namespace

frmVD8o::frmVD8o() : OptionsScreen(Name, PatternDuplicatorTriad()) {
    AddTitle("lblTitle", "Pattern Duplicator", 18, 120, 240, FormWidth - 240, 615);
    buildChecks();
    buildCombos();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

int frmVD8o::GridCells() const {
    return SmallGrid() ? PatternDuplicator::SmallGridCells : PatternDuplicator::LargeGridCells;
}

void frmVD8o::buildChecks() {
    chkGridSize = MakeCheck("chkGridSize", "25 Square Grid", this, true);
    CaptionFollowsValue(chkGridSize, "25 Square Grid", "100 Square Grid");
    chkBorders = MakeCheck("chkBorders", "Grid Borders On", this, true);
    CaptionFollowsValue(chkBorders, "Grid Borders On", "Grid Borders Off");
    chkBorders->setToolTip("Creates pattern without grid lines. MUCH HARDER!");
    int top = 1080;
    for (QCheckBox* check : {chkGridSize, chkBorders}) {
        SetFontSize(check, 10, true);
        Place(check, CheckLeft, top, 2400, RowHeight);
        top += 600;
    }
    connect(chkGridSize, &QCheckBox::toggled, this, [this] { FillMaxSquaresList(); });
}

void frmVD8o::buildCombos() {
    cboMaxSq = AddCombo("cboMaxSq", {}, "10",
                        RangeRule(
                            1, [this] { return double(GridCells()); },
                            [](double most) {
                                return "Maximum Squares must be between 1 and " + WholeText(most);
                            }));
    FillMaxSquaresList();
    AddComboRow(cboMaxSq, "Label2", "Maximum Squares",
                "Maximmum number of the grid squares that will be used in the pattern.", ComboLeft,
                LabelLeft, 2400);

    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, 3000);
}

void frmVD8o::FillMaxSquaresList() {
    cboMaxSq->SetItems(NumberList(5, GridCells(), 5), "10");
}

void frmVD8o::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200}));
}
