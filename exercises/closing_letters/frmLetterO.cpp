#include "exercises/closing_letters/frmLetterO.h"

#include "exercises/closing_letters/closing_letters_triad.h"
#include "shell/controls/colors.h"
#include "shell/controls/scroll_bar.h"
#include "shell/framework/layout.h"
#include "shell/framework/practice_report.h"
#include "shell/platform.h"

using namespace ClosingLetters;

namespace {

constexpr int FormWidth = 7200;
constexpr int FrameTop = 960;
constexpr int FrameHeight = 1575;
constexpr int PickTop = 2760;
constexpr int PickHeight = 2400;
constexpr int ButtonTop = 5400;

// The preview's letter number 1 to 26 as a character: A to Z.
QChar PreviewLetter(int value) {
    return QChar(value + 64);
}

} // namespace

frmLetterO::frmLetterO() : OptionsScreen(Name, ClosingLettersTriad()) {
    Label1 = AddTitle("Label1", "Closing Letters", 18, 1800, 120, 3600, 615);
    Label1->SetBackColor(VbColor(VbColors::LightYellow));
    Label1->SetBorder(true);

    buildCaseFrame();
    buildTilesFrame();
    buildPreviewFrame();
    buildButtons();
    SetDesignSize(FormWidth, ButtonTop + 615 + 360);
}

void frmLetterO::buildCaseFrame() {
    frmCaseOpts = MakeFrame("frmCaseOpts", "Letter Case:", this);
    Place(frmCaseOpts, 240, FrameTop, 3240, FrameHeight);
    optUC = MakeOption("optUC", "Upper Case Only", frmCaseOpts, true);
    optLC = MakeOption("optLC", "Lower Case Only", frmCaseOpts);
    OptBoth = MakeOption("OptBoth", "Both", frmCaseOpts);
    int top = 360;
    for (QRadioButton* option : {optUC, optLC, OptBoth}) {
        PlaceAt(option, 240, top);
        top += 360;
        // The preview follows the case chosen.
        connect(option, &QRadioButton::clicked, this, &frmLetterO::HScroll1_Change);
    }
}

void frmLetterO::buildTilesFrame() {
    Frame2 = MakeFrame("Frame2", "Tiles Removed Per Click:", this);
    Place(Frame2, 3720, FrameTop, 3240, FrameHeight);
    Label3 = new VbLabel("Label3", "Slower", Frame2);
    Label2 = new VbLabel("Label2", "Faster", Frame2);
    lblSpd = new VbLabel("lblSpd", "5", Frame2);
    lblSpd->setAlignment(Qt::AlignCenter);
    SetFontSize(lblSpd, 12, true);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(Label3, 240, 420, 1080, 315);
    Place(lblSpd, 1320, 360, 600, 375);
    Place(Label2, 1920, 420, 1080, 315);

    HScroll2 = MakeScrollBar("HScroll2", "Tiles removed per click", Frame2);
    HScroll2->setRange(1, 10);
    HScroll2->setPageStep(1);
    HScroll2->setValue(5);
    Place(HScroll2, 240, 900, 2760, 315);
    connect(HScroll2, &QScrollBar::valueChanged, this, &frmLetterO::HScroll2_Change);
}

void frmLetterO::buildPreviewFrame() {
    frmPick = MakeFrame("frmPick", "Review How The Letters Look:", this);
    Place(frmPick, 240, PickTop, 6720, PickHeight);
    LeaveOutOfReport(frmPick); // a preview of the letters, no setting of the run
    lblPicNumb = new VbLabel("lblPicNumb", "Letters:", frmPick);
    SetFontSize(lblPicNumb, 10, true);
    Place(lblPicNumb, 480, 600, 2880, 375);
    HScroll1 = MakeScrollBar("HScroll1", "Letter", frmPick);
    HScroll1->setMinimum(1);
    HScroll1->setPageStep(1);
    Place(HScroll1, 480, 1080, 2880, 375);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmLetterO::HScroll1_Change);
    imgShowPic = new ImageBox("imgShowPic", frmPick);
    imgShowPic->setAccessibleName("Letter picture");
    Place(imgShowPic, 4320, 300, 1860, 1860);
}

void frmLetterO::buildButtons() {
    const OptionsButtons buttons = AddButtonRow(ButtonRow(ButtonTop, {360, 2640, 4920})
                                                    .MenuName("cmdMenu")
                                                    .BackColor(VbColor(VbColors::LightYellow)));
    cmdMenu = buttons.menu;
    cmdHelp = buttons.help;
    cmdStart = buttons.therapy;
}

void frmLetterO::Form_Activate() {
    HScroll1->setMaximum(26);
    platform().Randomize();
    HScroll1->setValue(static_cast<int>(Int(platform().Rnd() * 24)) + 1);
    imgShowPic->LoadPicture("Letter" + QString(PreviewLetter(HScroll1->value())) + ".jpg");
}

void frmLetterO::HScroll1_Change() {
    const QString prefix = optLC->isChecked() ? "LetterLC" : "Letter";
    imgShowPic->LoadPicture(prefix + PreviewLetter(HScroll1->value()) + ".jpg");
}

void frmLetterO::HScroll2_Change() {
    lblSpd->setText(QString::number(HScroll2->value()));
}

LetterCase frmLetterO::ChosenCase() const {
    return ChosenOption<LetterCase>(
        {{optUC, LetterCase::Upper}, {optLC, LetterCase::Lower}, {OptBoth, LetterCase::Both}},
        LetterCase::Upper);
}
