#include "exercises/visual_sequencing/frmVSS2o.h"

#include "exercises/visual_sequencing/visual_sequencing_triad.h"
#include "shell/framework/layout.h"

namespace {

constexpr int FormWidth = 7815;
constexpr int ComboLeft = 1560;
constexpr int ComboWidth = 1215;
constexpr int RowHeight = 375;
constexpr int LabelLeft = ComboLeft + ComboWidth + 120;
constexpr int ButtonTop = 6600;
constexpr int ButtonWidth = 2295;
const char* const FixedStart = "3";
const char* const IncreasingStart = "0";

} // namespace

frmVSS2o::frmVSS2o() : OptionsScreen(Name, VisualSequencingTriad()) {
    AddTitle("lblTitle", "Visual Sequencing", 18, 120, 240, FormWidth - 240, 615);
    buildCombos();
    buildPatternFrame();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 240);
}

void frmVSS2o::buildCombos() {
    cboSpeed =
        AddCombo("cboSpeed", {"0.10", "0.20", "0.30", "0.40", "0.50", "0.75", "1.00"}, "0.50",
                 DisplaySpeedRule(1, "Display Speed must be between 0.1 and 1 sec."));
    AddComboRow(cboSpeed, "Label1", "Display Speed (Secs)",
                "How long the squares are displayed on the screen.", ComboLeft, LabelLeft, 960,
                FormWidth - LabelLeft - 120);

    cboPracTime = AddPracticeTimeRow(ComboLeft, LabelLeft, 1680, FormWidth - LabelLeft - 120);

    QStringList squares = NumberList(1, 10, 1);
    squares << "15"
            << "20"
            << "25";
    // The whole part is kept: a count of clicks can never match 2.5 squares.
    cboMaxSeq = AddCombo("cboMaxSeq", squares, FixedStart,
                         RangeRule(1, 25, "Max Targets in Sequence must be between 1 and 25."));
    Label2 = AddComboRow(cboMaxSeq, "Label2", "Number Of Squares",
                         "Number of squares used in the sequence.", ComboLeft, LabelLeft, 2400,
                         FormWidth - LabelLeft - 120);

    chkSeqType = addCheck("chkSeqType", "New Sequence Each Time",
                          "See Help for explanation of this control.", 2400);
    chkSeqType->setChecked(true);
    chkSeqType->hide();
    CaptionFollowsValue(chkSeqType, "New Sequence Each Time", "Same Sequence Each Time");

    chkSound = addCheck("chkSound", "Pre Display Beep Off",
                        "Beeps with each square displayed in the pattern.", 3240);
    CaptionFollowsValue(chkSound, "Pre Display Beep On", "Pre Display Beep Off");
}

QCheckBox* frmVSS2o::addCheck(const QString& name, const QString& caption, const QString& toolTip,
                              int top) {
    QCheckBox* check = MakeCheck(name, caption, this);
    check->setToolTip(toolTip);
    SetFontSize(check, 10, true);
    Place(check, ComboLeft, top, 4215, RowHeight);
    return check;
}

void frmVSS2o::buildPatternFrame() {
    Frame1 = MakeFrame("Frame1", "Sequence Pattern", this);
    SetFontSize(Frame1, 10, true);
    optFixed = MakeOption("optFixed", "Fixed Sequence Length", Frame1, true);
    optFixed->setToolTip("Seqeunce length set by Number of Squares.");
    optSequencing = MakeOption("optSequencing", "Increasing Sequence Length", Frame1);
    optSequencing->setToolTip(
        "Each time sequence is correct, additional square added to the next sequence.");
    int top = 360;
    for (QRadioButton* option : {optFixed, optSequencing}) {
        Place(option, 240, top, 3975, 330);
        top += 420;
    }
    Place(Frame1, 1200, 4080, 4455, top + 120);
    // On selection only, however it is made (mouse, arrow keys, code).
    connect(optFixed, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            optFixed_Click();
        }
    });
    connect(optSequencing, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            optSequencing_Click();
        }
    });
}

void frmVSS2o::buildButtons() {
    AddButtonRow(
        ButtonRow(ButtonTop, {240, 2760, 5280}).Widths({ButtonWidth, ButtonWidth, ButtonWidth}));
}

void frmVSS2o::optSequencing_Click() {
    chkSeqType->show();
    cboMaxSeq->hide();
    Label2->hide();
    cboMaxSeq->SetText(IncreasingStart);
}

void frmVSS2o::optFixed_Click() {
    chkSeqType->hide();
    cboMaxSeq->show();
    Label2->show();
    cboMaxSeq->SetText(FixedStart);
}
