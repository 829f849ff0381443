#include "exercises/tracking/frmTrackO.h"

#include "exercises/tracking/tracking_rules.h"
#include "exercises/tracking/tracking_triad.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"

using namespace ModDODI;

namespace {

const QString InfoText =
    "REACTION TIMES ON: You must respond to the target character while it is displayed to "
    "recieve a correct score. If you click the Score Button or press the <SPACE BAR> after the "
    "target has been erased, the score will be counted as missed or incorrect.\n\n"
    "REACTION TIMES OFF: You may click the Score Button or press the <SPACE BAR> at any time to "
    "respond to the displayed target character. You do not have to respond to the target while "
    "it is displayed. Faster Display Times can be used with this method. See the Help Files for "
    "more information.";

constexpr int FrameLeft = 360;
constexpr int FrameTop = 960;
constexpr int CaptionLeft = 4440;
constexpr int CaptionWidth = 2400;
constexpr int ComboLeft = 6960;
constexpr int ComboWidth = 1200;
constexpr int RowHeight = 345;

bool SequencesMode() {
    return TrackSequences == VbTrue;
}

VbLabel* SettingCaption(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new VbLabel(name, caption, parent);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

frmTrackO::frmTrackO() : OptionsScreen(Name, TrackingTriad()) {
    Label1 = AddTitle("Label1", "Tracking Numbers or Letters", 16, 240, 180, 8160, 555);

    BuildCharacterFrames();
    BuildSettings();
    BuildButtons();

    frmInfo = new InfoFrame(this, "Label5", InfoText);
    Place(frmInfo, 240, 900, 8160, 4140);
    connect(frmInfo->cmdOK, &QPushButton::clicked, this, &frmTrackO::cmdOK_Click);
    SetDesignSize(8640, 6240);
}

void frmTrackO::BuildCharacterFrames() {
    const QString tip = "Character type used during therapy.";
    Frame1 = MakeFrame("Frame1", "Character Type:", this);
    Frame1->setToolTip(tip);
    Place(Frame1, FrameLeft, FrameTop, 3600, 2940);
    optSNumbers = MakeOption("optSNumbers", "Single Digit Numbers", Frame1, true);
    optDnumbers = MakeOption("optDnumbers", "Double Digit Numbers", Frame1);
    optULetters = MakeOption("optULetters", "Upper Case Letters", Frame1);
    optLLetters = MakeOption("optLLetters", "Lower Case Letters", Frame1);
    optbdpq = MakeOption("optbdpq", "bdpq", Frame1);
    int top = 420;
    for (QRadioButton* option : {optSNumbers, optDnumbers, optULetters, optLLetters, optbdpq}) {
        Place(option, 300, top, 3060, 375);
        top += 480;
    }

    Frame2 = MakeFrame("Frame2", "Sequence Targets", this);
    Frame2->setToolTip(tip);
    Place(Frame2, FrameLeft, FrameTop, 3600, 2940);
    OptNumberS = MakeOption("OptNumberS", "Numbers ", Frame2, true);
    optSLetterU = MakeOption("optSLetterU", "Upper Case Letters ", Frame2);
    optSLetterL = MakeOption("optSLetterL", "Lower Case Letters ", Frame2);
    top = 600;
    for (QRadioButton* option : {OptNumberS, optSLetterU, optSLetterL}) {
        Place(option, 300, top, 3060, 375);
        top += 720;
    }
    Frame2->hide();

    chkReact = MakeCheck("chkReact", "Reaction Time Off ", this, true);
    Check1 = MakeCheck("Check1", "Display Border On ", this, true);
    Check1->setToolTip("ON displays each target with a border. Easier than NO border.");
    Place(chkReact, FrameLeft + 120, 4080, 3480, 375);
    Place(Check1, FrameLeft + 120, 4500, 3480, 375);
    CaptionFollowsValue(chkReact, "Reaction Time Off ", "Reaction Time On");
    CaptionFollowsValue(Check1, "Display Border On ", "Display Border Off");
}

void frmTrackO::BuildSettings() {
    constexpr int rowStep = 600;
    int top = FrameTop + 120;
    auto addRow = [&](VbLabel* caption, ValidatingComboBox* combo) {
        Place(caption, CaptionLeft, top, CaptionWidth, RowHeight);
        Place(combo, ComboLeft, top, ComboWidth, RowHeight);
        top += rowStep;
    };

    cboPracTime = AddPracticeTimeCombo();
    addRow(SettingCaption("Label2", "Practice Time (mins)", this), cboPracTime);

    cboSpeed = AddCombo("cboSpeed", SpeedList(), "0.8", SpeedRule());
    cboSpeed->setToolTip("How fast targets are displayed.");
    addRow(SettingCaption("Label4", "Display Speed", this), cboSpeed);

    cboPages = AddCombo("cboPages", PagesList(), "NoLimit", PagesRule());
    cboPages->setToolTip("Each page displays 6 lines of characters.");
    auto* pagesCaption = SettingCaption("Label6", "Pages Per Session", this);
    pagesCaption->setToolTip("Page = 6 lines with X number of characters per line.");
    addRow(pagesCaption, cboPages);

    cboPerLine = new ValidatingComboBox("cboPerLine", this, /*listOnly=*/true);
    Label3 = SettingCaption("Label3", "Characters Per Line", this);
    Label3->setToolTip("Number of characters per line, always 6 lines per page.");
    addRow(Label3, cboPerLine);

    cboFont = AddCombo("cboFont", FontList(false), "14", FontRule(false));
    auto* fontCaption = SettingCaption("Label7", "Font Size", this);
    fontCaption->setToolTip("Target size");
    addRow(fontCaption, cboFont);

    cboSeqLen = AddCombo("cboSeqLen", {"2", "3", "4"}, "3", SequenceLengthRule());
    lblSeqLen = SettingCaption("lblSeqLen", "Sequence Length", this);
    addRow(lblSeqLen, cboSeqLen);
    cboSeqLen->hide();
    lblSeqLen->hide();
}

void frmTrackO::BuildButtons() {
    cmdHelp = AddHelpButton();
    cmdInfo = new VbButton("cmdInfo", "Information", this);
    cmdToTherapy = AddTherapyButton("cmdToTherapy");
    cmdMain = AddMenuButton("cmdMain");
    PlaceSideBySide({cmdHelp, cmdInfo, cmdToTherapy, cmdMain}, 360, 5280, 1800, 495, 2040);
    connect(cmdInfo, &QPushButton::clicked, this, &frmTrackO::cmdInfo_Click);
}

void frmTrackO::Form_Load() {
    move(Twips(200), Twips(1000));
    const bool sequences = SequencesMode();
    cboFont->SetItems(FontList(sequences), "14");
    cboFont->SetRule(FontRule(sequences));
    Label3->setText(sequences ? "Sequences Per Line" : "Characters Per Line");
    cboPerLine->SetItems(PerLineList(sequences), "2");
    cboPerLine->SetRule(PerLineRule(sequences));
}

void frmTrackO::cmdInfo_Click() {
    frmInfo->ShowOnTop();
}

void frmTrackO::cmdOK_Click() {
    frmInfo->hide();
}

QString frmTrackO::HelpFile() const {
    return SequencesMode() ? "TrackSeq.hlp" : "TrackNumbers.hlp";
}
