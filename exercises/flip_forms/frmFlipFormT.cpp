#include "exercises/flip_forms/frmFlipFormT.h"

#include "exercises/flip_forms/flip_forms_scores.h"
#include "exercises/flip_forms/flip_forms_triad.h"
#include "exercises/flipper/picture_sequence.h"
#include "shell/controls/colors.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"
#include "shell/platform_random.h"

#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>

using namespace ModDODI;

namespace {

// The instruction of each step, shown while that box is the one to flip.
const char* const StepInstructions[FlipFormBoxCount] = {
    "Click on Picture Box 1 until the image appears flipped right to left. Then click OK.",
    "Now click on Picture Box 2 until the image in Box 1 appears flipped upside down. Then "
    "click OK.",
    "Now click on Picture Box 3 until the image in Box 2 appears flipped right to left. Then "
    "click OK.",
};

constexpr std::uint32_t LightCyan = 0xFFFFC0; // RGB(192, 255, 255)
const QColor FrameGreen(0, 192, 0);

struct BoxPlace {
    int left, top;             // the picture box
    int numberLeft;            // Label1 to Label3
    int okLeft, okTop;         // cmdOK1 to cmdOK3
    int resultLeft, resultTop; // lblInfo1 to lblInfo3
};
// Box 1 top right, box 2 bottom right, box 3 bottom left of the sample.
constexpr BoxPlace BoxPlaces[FlipFormBoxCount] = {
    {6240, 240, 9120, 9600, 840, 9480, 1440},
    {6240, 3480, 9120, 9600, 4080, 9480, 4800},
    {2948, 3480, 2520, 1560, 4080, 1440, 4680},
};
constexpr int BoxSize = 2820;
constexpr int FrameMargin = 50;

} // namespace

frmFlipFormT::frmFlipFormT() : PictureTherapyScreen(Name, FlipFormTriad()) {
    SetDesignSize(10920, 8500);

    Line1 = new LineControl("Line1", this);
    Line1->SetEnds(5948, 120, 5948, 6480);
    Line2 = new LineControl("Line2", this);
    Line2->SetEnds(2708, 3240, 9188, 3240);

    Picture0 = new PictureBox("Picture0", this);
    Picture0->setAccessibleName("Sample picture");
    Place(Picture0, 2948, 240, BoxSize, BoxSize);

    for (int i = 0; i < FlipFormBoxCount; ++i) {
        const BoxPlace& at = BoxPlaces[i];
        const QString number = QString::number(i + 1);
        Boxes[i] = new PictureBox("Picture" + number, this);
        Boxes[i]->setAccessibleName("Picture Box " + number);
        Place(Boxes[i], at.left, at.top, BoxSize, BoxSize);
        Boxes[i]->setEnabled(false);
        Boxes[i]->TakeKeyPresses();

        auto* boxNumber = new VbLabel("Label" + number, number, this);
        SetFontSize(boxNumber, 14, true);
        PlaceAt(boxNumber, at.numberLeft, at.top);

        cmdOK[i] = new VbButton("cmdOK" + number, "OK", this);
        cmdOK[i]->setAccessibleName("OK " + number);
        cmdOK[i]->SetBackColor(VbColor(VbColors::LightYellow));
        SetFontSize(cmdOK[i], 11, true);
        Place(cmdOK[i], at.okLeft, at.okTop, 975, 495);
        cmdOK[i]->setEnabled(false);

        shpGrnBox[i] = new ShapeControl("shpGrnBox" + QString::number(i), this);
        shpGrnBox[i]->BorderColor = FrameGreen;
        shpGrnBox[i]->BorderWidth = 3;
        Place(shpGrnBox[i], at.left - FrameMargin, at.top - FrameMargin, BoxSize + 2 * FrameMargin,
              BoxSize + 2 * FrameMargin);
        shpGrnBox[i]->hide();

        lblInfo[i] = new VbLabel("lblInfo" + number, "", this);
        lblInfo[i]->setAlignment(Qt::AlignCenter);
        lblInfo[i]->SetBorder(true);
        SetFontSize(lblInfo[i], 10, true);
        Place(lblInfo[i], at.resultLeft, at.resultTop, 1215, 495);
        lblInfo[i]->SetTextVariants({"Correct", "Incorrect"});
        lblInfo[i]->hide();
    }
    connect(Boxes[0], &PictureBox::clicked, this, &frmFlipFormT::Picture1_Click);
    connect(Boxes[1], &PictureBox::clicked, this, &frmFlipFormT::Picture2_Click);
    connect(Boxes[2], &PictureBox::clicked, this, &frmFlipFormT::Picture3_Click);
    connect(cmdOK[0], &QPushButton::clicked, this, &frmFlipFormT::cmdOK1_Click);
    connect(cmdOK[1], &QPushButton::clicked, this, &frmFlipFormT::cmdOK2_Click);
    connect(cmdOK[2], &QPushButton::clicked, this, &frmFlipFormT::cmdOK3_Click);

    lblInfo4 = new VbLabel("lblInfo4",
                           "Click on the picture box 1 until the image appears flipped right to "
                           "left. Then click OK.",
                           this);
    lblInfo4->SetBackColor(VbColor(VbColors::LightYellow));
    lblInfo4->SetBorder(true);
    lblInfo4->setMargin(6);
    SetFontSize(lblInfo4, 11, true);
    Place(lblInfo4, 120, 240, 2280, 2820);
    lblInfo4->SetTextVariants({StepInstructions[0], StepInstructions[1], StepInstructions[2]});

    cmdRepeat = new VbButton("cmdRepeat", "Repeat", this);
    cmdRepeat->SetBackColor(VbColor(LightCyan));
    SetFontSize(cmdRepeat, 11, true);
    Place(cmdRepeat, 5160, 6600, 1575, 495);
    cmdRepeat->hide();
    connect(cmdRepeat, &QPushButton::clicked, this, &frmFlipFormT::cmdRepeat_Click);
    lblRepeat = new VbLabel("lblRepeat",
                            "Using REPEAT will not change Correct and Incorrect scores. Repeat "
                            "helps you to learn from your errors!",
                            this);
    Place(lblRepeat, 6960, 6540, 3840, 735);
    lblRepeat->hide();

    PlaceButtonRow(7920, 5040);
    PlaceCounters(7320, 7920, 3480, 495);
}

void frmFlipFormT::TakeStartingSettings() {
    PicturePosition = OptionControl<QScrollBar>("HScroll1")->value() - 1;
    set_.StartNewPicture();
}

void frmFlipFormT::ClearStimulus() {
    ClearPictures();
    // The open set ends with the practice: nothing may go on flipping, checking
    // or repeating the cleared pictures, and no verdict stays beside them.
    for (int box = 1; box <= FlipFormBoxCount; ++box) {
        SetBoxEnabled(box, false);
    }
    ShowGreenFrame(0);
    SetResultsVisible(false);
    SetRepeatVisible(false);
}

void frmFlipFormT::ClearPictures() {
    Picture0->ClearPicture();
    for (PictureBox* box : Boxes) {
        box->ClearPicture();
    }
}

void frmFlipFormT::SetBoxEnabled(int box, bool enabled) {
    Boxes[box - 1]->setEnabled(enabled);
    cmdOK[box - 1]->setEnabled(enabled);
}

void frmFlipFormT::ShowGreenFrame(int box) {
    for (int i = 0; i < FlipFormBoxCount; ++i) {
        shpGrnBox[i]->setVisible(i == box - 1);
    }
}

void frmFlipFormT::SetRepeatVisible(bool visible) {
    cmdRepeat->setVisible(visible);
    lblRepeat->setVisible(visible);
}

void frmFlipFormT::SetResultsVisible(bool visible) {
    for (VbLabel* label : lblInfo) {
        label->setVisible(visible);
    }
}

void frmFlipFormT::cmdNextSet_Click() {
    for (int box = 1; box <= FlipFormBoxCount; ++box) {
        SetBoxEnabled(box, false);
    }
    SetResultsVisible(false);
    cmdStart->setEnabled(false);
    SetRepeatVisible(false);
    set_.StartNewPicture();
    Scores<FlipFormScores>().FlipFormTried++;
    ShowPracticeTime();
    ClearPictures();
    cmdNextSet->setEnabled(false);
    platform().Sleep(400);

    if (!LoadNextPicture()) {
        return;
    }
    lblInfo4->show();
    ShowGreenFrame(1);
    lblInfo4->setText(StepInstructions[0]);
    SetBoxEnabled(1, true);
    QuestionShownAt = platform().Timer();
}

bool frmFlipFormT::LoadNextPicture() {
    if (OptionControl<QRadioButton>("optInOrder")->isChecked()) {
        const QPointer<frmFlipFormT> self(this);
        const int next = NextPictureInOrder(PicturePosition, 15); // may tell of the last picture
        if (self == nullptr) {
            return false; // closed, or KOVA ended, while the notice was open
        }
        PicturePosition = next;
        Picture0->LoadPicture(PictureFileName(PicturePosition));
    } else {
        Picture0->LoadPicture(PictureFileName(RandomPictureNumber()));
    }
    return true;
}

void frmFlipFormT::BoxClick(int box) {
    platform().Randomize();
    const Orientation shown = set_.Box(box).Click(PlatformRnd);
    DrawOrientation(*Boxes[box - 1], Picture0->Picture(), Picture0->ScaleWidth(),
                    Picture0->ScaleHeight(), shown);
}

void frmFlipFormT::GoToBox(int box) {
    lblInfo4->setText(StepInstructions[box - 1]);
    // A repeat is worked through without the instruction and the frames.
    if (!set_.RepeatMode()) {
        ShowGreenFrame(box);
    }
    SetBoxEnabled(box - 1, false);
    SetBoxEnabled(box, true);
}

void frmFlipFormT::cmdOK1_Click() {
    if (!set_.Box(1).Untouched()) {
        GoToBox(2);
    }
}

void frmFlipFormT::cmdOK2_Click() {
    if (!set_.Box(2).Untouched()) {
        GoToBox(3);
    }
}

void frmFlipFormT::cmdOK3_Click() {
    if (set_.Box(3).Untouched()) {
        return;
    }
    lblInfo4->hide();
    ShowGreenFrame(0);
    SetBoxEnabled(3, false);
    cmdStart->setEnabled(true);
    cmdNextSet->setEnabled(true);
    CheckBoxes();
}

void frmFlipFormT::CheckBoxes() {
    const FlipFormCheck check = set_.Check();
    SetResultsVisible(true);
    for (int i = 0; i < FlipFormBoxCount; ++i) {
        const bool correct = check.boxCorrect[i];
        lblInfo[i]->SetAnswerColor(VbColor(correct ? VbColors::Green : VbColors::Red),
                                   correct ? AnswerMark::Right : AnswerMark::Wrong);
        lblInfo[i]->setText(correct ? "Correct" : "Incorrect");
    }
    SetRepeatVisible(!check.allCorrect);
    set_.Count(check, Scores<FlipFormScores>());
    const Single responseTime = TakeResponseTime();
    if (!set_.RepeatMode()) {
        UpdateFlipFormCounters(responseTime);
    }
}

void frmFlipFormT::UpdateFlipFormCounters(Single responseTime) {
    FlipFormScores& s = Scores<FlipFormScores>();
    s.FlipFormTotalTime += responseTime;
    ShowCounters(s.FlipFormCorrect, s.FlipFormWrong, s.FlipFormTried, responseTime);
}

void frmFlipFormT::cmdRepeat_Click() {
    Scores<FlipFormScores>().FlipFormRepeats++;
    set_.StartRepeat();
    for (PictureBox* box : Boxes) {
        box->ClearPicture();
    }
    SetBoxEnabled(1, true);
    SetBoxEnabled(2, false);
    SetBoxEnabled(3, false);
    SetResultsVisible(false);
    platform().Sleep(500);
    SetRepeatVisible(false);
}
