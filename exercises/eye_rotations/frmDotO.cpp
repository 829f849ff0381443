#include "exercises/eye_rotations/frmDotO.h"

#include "exercises/eye_rotations/eye_rotations_scores.h"
#include "exercises/eye_rotations/eye_rotations_triad.h"
#include "shell/framework/layout.h"

namespace {

constexpr int FormWidth = 9000;
constexpr int FirstRowTop = 900;
constexpr int RowStep = 600;
constexpr int OptionTop = 330;
constexpr int OptionStep = 360;
constexpr int ButtonTop = 5025;

const char* const InfoText =
    "You must respond to the target while it is displayed to recieve a correct score. If you "
    "click the Score Button after the target has been erased, the score will be counted as "
    "missed or incorrect. Only mouse click the Score Button once!! Multiple clicks will be "
    "scored as either multiple right or wrong answers! You can also use the <SPACE BAR> or the "
    "<ENTER> key to respond to the targets.  The <SPACE BAR> usually allows faster responses "
    "for most patients.";

QStringList SpeedList() {
    return NumberList(0.1, 1.0, 0.1, 2) + NumberList(1.25, 3.0, 0.25, 2);
}

QStringList FontList() {
    return NumberList(12, 40, 2) + QStringList{"44", "48", "50"};
}

// Places option buttons one under the other inside their frame.
void StackOptions(const QList<QRadioButton*>& options) {
    for (int i = 0; i < options.size(); ++i) {
        PlaceAt(options[i], 180, OptionTop + i * OptionStep);
    }
}

} // namespace

frmDotO::frmDotO() : OptionsScreen(Name, EyeRotationTriad()) {
    AddTitle("lblTitle", "Eye Rotation Therapy", 16, 0, 150, FormWidth, 525);
    buildCombos();
    buildOptionFrames();
    buildButtonsAndInfo();
    SetDesignSize(FormWidth, ButtonTop + 495 + 300);
}

void frmDotO::buildCombos() {
    cboPracTime = AddPracticeTimeCombo();
    cboSpeed = AddCombo("cboSpeed", SpeedList(), "1.00",
                        DisplaySpeedRule(3, "Display Speed must be between 0.1 and 3 secs."));
    cboSpeed->setToolTip("How fast tracking targets are displayed.");
    cboFont = AddCombo("cboFont", FontList(), "14",
                       RangeRule(12, 50, "Font Size must be between 12 and 50."));
    cboFont->setToolTip("Target Size");
    cboSize = AddCombo("cboSize", NumberList(1, 6, 1), "3",
                       RangeRule(1, 6, "Circle Size must be between 1 and 6."));
    cboSize->setToolTip("Colored circle size around target characters. ");
    cboCircColor = new ValidatingComboBox("cboCircColor", this, true);
    cboCircColor->SetItems({"DKGreen", "LtGreen", "Lt Yellow", "Dk Yellow", "Dk Red", "Lt Red",
                            "Dk Blue", "Lt Blue", "Dk Purple", "Lt Purple", "Dk Cyan", "Lt Cyan",
                            "White", "Random"},
                           "DKGreen");
    cboCircColor->setToolTip("Circle Color; Dk = Dark, less contrast;Lt = Light, more contrast.");

    const struct {
        const char* name;
        const char* caption;
        QWidget* combo;
    } rows[] = {{"lblPracTime", "Practice Time (mins)", cboPracTime},
                {"lblSpeed", "Display Speed", cboSpeed},
                {"lblFont", "Font Size", cboFont},
                {"lblSize", "Circle Size", cboSize},
                {"lblCircColor", "Circle Color", cboCircColor}};
    int top = FirstRowTop;
    for (const auto& row : rows) {
        auto* label = new VbLabel(row.name, row.caption, this);
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(label, 150, top, 2100, 360);
        Place(row.combo, 2400, top, 1500, 360);
        top += RowStep;
    }
    findChild<VbLabel*>("lblSpeed")->setToolTip("How fast the targets are displayed.");

    chkBeep = MakeCheck("chkBeep", "Beep Off", this);
    chkBeep->setToolTip("Pacing beep as each target is displayed.");
    PlaceAt(chkBeep, 2400, top);
    CaptionFollowsValue(chkBeep, "Beep On", "Beep Off");
}

void frmDotO::buildOptionFrames() {
    Frame1 = MakeFrame("Frame1", "Target Character:", this);
    Frame1->setToolTip("Character type used during therapy.");
    optNumbers = MakeOption("optNumbers", "Numbers", Frame1, true);
    optUCLetters = MakeOption("optUCLetters", "Upper Case Letters", Frame1);
    optLCLetters = MakeOption("optLCLetters", "Lower Case Letters", Frame1);
    optbdpq = MakeOption("optbdpq", "bdpq", Frame1);
    optRandom = MakeOption("optRandom", "Random", Frame1);
    StackOptions({optNumbers, optUCLetters, optLCLetters, optbdpq, optRandom});
    Place(Frame1, 4350, 825, 2250, OptionTop + 5 * OptionStep + 120);

    Frame2 = MakeFrame("Frame2", "Rotation Pattern:", this);
    optRectangle = MakeOption("optRectangle", "Rectangle", Frame2, true);
    optCircle = MakeOption("optCircle", "Circle", Frame2);
    opt4Corner = MakeOption("opt4Corner", "Four Corners", Frame2);
    OptRandPos = MakeOption("OptRandPos", "Random ", Frame2);
    StackOptions({optRectangle, optCircle, opt4Corner, OptRandPos});
    Place(Frame2, 6675, 825, 2175, OptionTop + 5 * OptionStep + 120);

    Frame3 = MakeFrame("Frame3", "Rotation Direction:", this);
    optClockwise = MakeOption("optClockwise", "Clockwise", Frame3, true);
    optCounterClock = MakeOption("optCounterClock", "CounterClockwise", Frame3);
    optRandomDir = MakeOption("optRandomDir", "Random", Frame3);
    StackOptions({optClockwise, optCounterClock, optRandomDir});
    Place(Frame3, 4350, 3150, 2250, OptionTop + 3 * OptionStep + 120);

    Frame4 = MakeFrame("Frame4", "Pattern Separation:", this);
    optWide = MakeOption("optWide", "Wide", Frame4, true);
    optNarrow = MakeOption("optNarrow", "Narrow", Frame4);
    optVNarrow = MakeOption("optVNarrow", "Very Narrow", Frame4);
    StackOptions({optWide, optNarrow, optVNarrow});
    Place(Frame4, 6675, 3150, 2175, OptionTop + 3 * OptionStep + 120);

    const auto onChosen = [this](QRadioButton* option, void (frmDotO::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) {
                (this->*handler)();
            }
        });
    };
    onChosen(optRectangle, &frmDotO::optRectangle_Click);
    onChosen(optCircle, &frmDotO::optCircle_Click);
    onChosen(opt4Corner, &frmDotO::opt4Corner_Click);
    onChosen(OptRandPos, &frmDotO::OptRandPos_Click);
}

void frmDotO::buildButtonsAndInfo() {
    VbButton* help = AddHelpButton();
    auto* info = new VbButton("cmdInfo", "Information", this);
    connect(info, &QPushButton::clicked, this, &frmDotO::cmdInfo_Click);
    PlaceSideBySide({help, info, AddTherapyButton(), AddMenuButton("cmdToMain")}, 450, ButtonTop,
                    1800, 495, 2100);

    frmInfo = new InfoFrame(this, "Label4", InfoText);
    SetFontSize(frmInfo->Text, 11);
    Place(frmInfo, 600, 900, 7800, 3300);
}

void frmDotO::Form_Load() {
    cboCircColor->SetText("Lt Yellow");
}

void frmDotO::showDirectionAndSeparation(bool visible) {
    Frame3->setVisible(visible);
    Frame4->setVisible(visible);
}

void frmDotO::optRectangle_Click() {
    showDirectionAndSeparation(true);
}

void frmDotO::optCircle_Click() {
    showDirectionAndSeparation(true);
}

void frmDotO::opt4Corner_Click() {
    showDirectionAndSeparation(true);
}

void frmDotO::OptRandPos_Click() {
    // Direction and separation do not apply to random positions.
    showDirectionAndSeparation(false);
}

void frmDotO::cmdInfo_Click() {
    frmInfo->ShowOnTop();
}

TargetType frmDotO::ChosenTargetType() const {
    return ChosenOption<TargetType>({{optUCLetters, TargetType::UpperCase},
                                     {optLCLetters, TargetType::LowerCase},
                                     {optbdpq, TargetType::Bdpq},
                                     {optRandom, TargetType::Random}},
                                    TargetType::Numbers);
}

RotationPattern frmDotO::ChosenPattern() const {
    return ChosenOption<RotationPattern>({{optCircle, RotationPattern::Circle},
                                          {opt4Corner, RotationPattern::FourCorners},
                                          {OptRandPos, RotationPattern::RandomPosition}},
                                         RotationPattern::Rectangle);
}

RotationDirection frmDotO::ChosenDirection() const {
    return ChosenOption<RotationDirection>({{optCounterClock, RotationDirection::CounterClockwise},
                                            {optRandomDir, RotationDirection::Random}},
                                           RotationDirection::Clockwise);
}

PatternSeparation frmDotO::ChosenSeparation() const {
    return ChosenOption<PatternSeparation>(
        {{optNarrow, PatternSeparation::Narrow}, {optVNarrow, PatternSeparation::VeryNarrow}},
        PatternSeparation::Wide);
}

bool frmDotO::BeepOn() const {
    return chkBeep->isChecked();
}
