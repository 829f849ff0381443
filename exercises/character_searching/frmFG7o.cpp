#include "exercises/character_searching/frmFG7o.h"

#include "exercises/character_searching/character_searching_triad.h"
#include "shell/framework/layout.h"
#include "shell/vb_runtime.h"

#include <algorithm>

using namespace CharacterSearching;

namespace {

constexpr int FormWidth = 5880;
constexpr int ComboLeft = 840;
constexpr int ComboWidth = 855;
constexpr int LabelLeft = 1860;
constexpr int RowHeight = 375;
constexpr int ButtonTop = 6120;
constexpr int ButtonHeight = 615;
constexpr int SmallFontRows = 15;
constexpr int LargeFontRows = 10;

int WholeValue(const ValidatingComboBox* box) {
    return static_cast<int>(Int(box->Value()));
}

} // namespace

frmFG7o::frmFG7o() : OptionsScreen(Name, CharacterSearchingTriad()) {
    AddTitle("lblTitle", "Character Searching", 18, 120, 180, FormWidth - 240, 615);
    buildCombos();
    buildTypeFrame();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + ButtonHeight + 240);
}

void frmFG7o::buildCombos() {
    cboRows =
        AddCombo("cboRows", NumberList(5, SmallFontRows, 1), "5",
                 RangeRule(
                     5, [this] { return double(RowMaximum()); },
                     [](double most) {
                         return "Rows Of Characters must between 5 and" + WholeText(most) + ".";
                     }));
    addComboRow(cboRows, "Label2", "Number Of Rows", "Number of rwos of characters in each grid.",
                true, 960);
    cboPerRow = AddCombo("cboPerRow", {"5", "10", "15"}, "10",
                         RangeRule(5, 15, "Characters Per Row must be between 5 and 15."));
    addComboRow(cboPerRow, "label4", "Characters Per Row",
                "Number of characters in each row of the grid.", true, 1680);
    cboFont = AddCombo("cboFont", {"12", "14", "16", "18", "20", "25", "30"}, "12",
                       RangeRule(12, 30, "Font Size must be between 12 and 30."));
    addComboRow(cboFont, "Label3", "Font Size",
                "If Font Size > 18 then max number of rows = 10, else max number of rows = 15.",
                true, 2400);
    cboPracTime = AddPracticeTimeCombo();
    addComboRow(cboPracTime, "Label7", "Practice Time (mins)",
                "Practice time in minutes. Therapy ends and the Score Screen will be displayed "
                "when the Practice Time has elapsed.",
                false, 3120);
    connect(cboFont, &ValidatingComboBox::Checked, this, &frmFG7o::cboFont_Validate);
    connect(cboRows, &ValidatingComboBox::Checked, this, &frmFG7o::cboRows_Validate);
}

void frmFG7o::addComboRow(ValidatingComboBox* combo, const QString& labelName,
                          const QString& caption, const QString& toolTip, bool labelTip, int top) {
    SetFontSize(combo, 10, true);
    VbLabel* label = AddComboRow(combo, labelName, caption, toolTip, ComboLeft, LabelLeft, top,
                                 FormWidth - LabelLeft - 120, ComboWidth);
    if (!labelTip) {
        label->setToolTip({});
    }
}

void frmFG7o::buildTypeFrame() {
    Frame1 = MakeFrame("Frame1", "Character Type", this);
    SetFontSize(Frame1, 10, true);
    Place(Frame1, 1200, 3720, 3480, 2160);
    optNumbers = MakeOption("optNumbers", "Numbers", Frame1, true);
    optLCLetters = MakeOption("optLCLetters", "Lower Case Letters", Frame1);
    optUCLetters = MakeOption("optUCLetters", "Upper Case Letters", Frame1);
    OptRandom = MakeOption("OptRandom", "Random", Frame1);
    int top = 360;
    for (QRadioButton* option : {optNumbers, optLCLetters, optUCLetters, OptRandom}) {
        SetFontSize(option, 10, true);
        PlaceAt(option, 360, top);
        top += 420;
    }
}

void frmFG7o::buildButtons() {
    AddButtonRow(
        ButtonRow(ButtonTop, {120, 2160, 3720}).Widths({1935, 1455, 1935}).Height(ButtonHeight));
}

void frmFG7o::Form_Load() {
    storedRows_ = WholeValue(cboRows);
}

int frmFG7o::RowMaximum() const {
    return cboFont->Value() > 18 ? LargeFontRows : SmallFontRows;
}

void frmFG7o::cboFont_Validate() {
    const int most = RowMaximum();
    const int shown = most == LargeFontRows ? std::min(storedRows_, LargeFontRows) : storedRows_;
    cboRows->SetItems(NumberList(5, most, 1), QString::number(shown));
}

void frmFG7o::cboRows_Validate() {
    storedRows_ = WholeValue(cboRows);
}

TypeChoice frmFG7o::ChosenType() const {
    return ChosenOption<TypeChoice>({{optNumbers, TypeChoice::Numbers},
                                     {optUCLetters, TypeChoice::UpperCase},
                                     {optLCLetters, TypeChoice::LowerCase},
                                     {OptRandom, TypeChoice::Random}},
                                    TypeChoice::Numbers);
}

LayoutSettings frmFG7o::GridSettings() const {
    LayoutSettings settings;
    settings.rows = std::clamp(WholeValue(cboRows), 5, SmallFontRows);
    settings.perRow = std::clamp(WholeValue(cboPerRow), 5, 15);
    settings.fontSize = std::clamp(WholeValue(cboFont), 12, 30);
    settings.upperCaseChosen = optUCLetters->isChecked();
    return settings;
}
