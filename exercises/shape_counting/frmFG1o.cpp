#include "exercises/shape_counting/frmFG1o.h"

#include "exercises/shape_counting/shape_counting_rules.h"
#include "exercises/shape_counting/shape_counting_triad.h"
#include "shell/framework/layout.h"
#include "shell/vb_runtime.h"

#include <algorithm>

using namespace ShapeCounting;

namespace {

constexpr int FormWidth = 6360;
constexpr int ComboLeft = 1080;
constexpr int LabelLeft = 2400;
constexpr int FirstRowTop = 1080;
constexpr int RowStep = 600;
constexpr int ButtonTop = FirstRowTop + 4 * RowStep + 360;

int WholeWithin(const ValidatingComboBox* combo, int low, int high) {
    return std::clamp(int(Int(combo->Value())), low, high);
}

} // namespace

frmFG1o::frmFG1o() : OptionsScreen(Name, ShapeCountingTriad()) {
    AddTitle("lblTitle", "Shape Counting", 18, 120, 240, FormWidth - 240, 615);
    buildCombos();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

void frmFG1o::buildCombos() {
    cboBackG = AddCombo(
        "cboBackG", NumberList(LowestLevel, HighestLevel, 1), "1",
        RangeRule(LowestLevel, HighestLevel, "Background Complexity must be between 1 and 5."));
    AddComboRow(cboBackG, "Label2", "Background Complexity",
                "1=Easiest: How complex the background appears.", ComboLeft, LabelLeft,
                FirstRowTop);

    cboBorder = AddCombo(
        "cboBorder", NumberList(ThinnestEdge, ThickestEdge, 1), "1",
        RangeRule(ThinnestEdge, ThickestEdge, "Target Border Size must be between 1 and 4."));
    AddComboRow(cboBorder, "Label3", "Shape Edge Thickness",
                "How thick the target edge appears. 1=thinnest=hardest.", ComboLeft, LabelLeft,
                FirstRowTop + RowStep);

    cboMaxTarg = AddCombo(
        "cboMaxTarg", NumberList(4, 10, 1) + QStringList{"15", "20", "25"}, "6",
        RangeRule(FewestMaxShapes, MostMaxShapes, "Max Targets must be between 4 and 25."));
    VbLabel* maxLabel = AddComboRow(cboMaxTarg, "Label1", "Max Shapes",
                                    "Approximate maximum number of targets drawn onto screen.",
                                    ComboLeft, LabelLeft, FirstRowTop + 2 * RowStep);
    maxLabel->setToolTip("Approximate, maximum number of targets drawn onto screen.");

    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, FirstRowTop + 3 * RowStep);
}

void frmFG1o::buildButtons() {
    AddButtonRow(ButtonRow(ButtonTop, {120, 2160, 4200}));
}

int frmFG1o::BackgroundLevel() const {
    return WholeWithin(cboBackG, LowestLevel, HighestLevel);
}

int frmFG1o::EdgeThickness() const {
    return WholeWithin(cboBorder, ThinnestEdge, ThickestEdge);
}

int frmFG1o::MaxShapes() const {
    return WholeWithin(cboMaxTarg, FewestMaxShapes, MostMaxShapes);
}
