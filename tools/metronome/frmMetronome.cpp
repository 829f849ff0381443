#include "tools/metronome/frmMetronome.h"

#include "shell/controls/basic.h"
#include "shell/controls/scroll_bar.h"
#include "shell/controls/shapes.h"
#include "shell/framework/layout.h"
#include "shell/mod_dodi.h"
#include "shell/platform.h"

#include <QScrollBar>

using namespace Metronome;

namespace {
const QColor StandColor(96, 64, 32);
const QColor BobColor(0, 0, 128);

ShapeControl* MakeStandPart(const QString& name, QWidget* parent, ShapeControl::Kind kind,
                            QRect twips) {
    auto* shape = new ShapeControl(name, parent, kind);
    shape->FillColor = StandColor;
    shape->BorderColor = StandColor;
    shape->setAccessibleName("Stand");
    Place(shape, twips.x(), twips.y(), twips.width(), twips.height());
    return shape;
}
} // namespace

frmMetronome::frmMetronome() : Form(Name) {
    HoldWhileOpen("frmMain");
    setWindowTitle("KOVA  Metronome");
    SetDesignSize(5280, 6600);
    BuildStand();
    LineBallL_ = BuildPendulumPart("L", Swing::Left);
    LineBallM_ = BuildPendulumPart("M", Swing::Middle);
    LineBallR_ = BuildPendulumPart("R", Swing::Right);
    ShowOnly(Swing::Middle);
    BuildControls();
}

void frmMetronome::BuildStand() {
    // A frame of two posts on a base with a beam, the pivot under the beam.
    MakeStandPart("Shape1", this, ShapeControl::Rectangle, {1200, 480, 2880, 150});
    MakeStandPart("Shape2", this, ShapeControl::Rectangle, {1200, 480, 120, 4080});
    MakeStandPart("Shape3", this, ShapeControl::Rectangle, {3960, 480, 120, 4080});
    MakeStandPart("Shape4", this, ShapeControl::Rectangle, {960, 4560, 3360, 180});
    MakeStandPart("Shape5", this, ShapeControl::Rectangle, {2580, 630, 120, 150});
    MakeStandPart("Shape6", this, ShapeControl::Circle, {2565, 765, 150, 150});
    auto* Line1 = new LineControl("Line1", this);
    Line1->BorderColor = StandColor;
    Line1->BorderWidth = 2;
    Line1->setAccessibleName("Stand");
    Line1->SetEnds(PivotX, 4200, PivotX, 4560); // the centre mark
}

frmMetronome::PendulumPart frmMetronome::BuildPendulumPart(const QString& suffix, Swing swing) {
    auto* line = new LineControl("Line" + suffix, this);
    line->BorderWidth = 2;
    line->setAccessibleName("Pendulum rod");
    line->SetEnds(PivotX, PivotY, LineEndX(swing), LineEndY);
    auto* bob = new ShapeControl("Ball" + suffix, this, ShapeControl::Circle);
    bob->FillColor = BobColor;
    bob->setAccessibleName("Pendulum weight");
    Place(bob, BobLeft(swing), BobTop, BobSize, BobSize);
    return {line, bob};
}

void frmMetronome::BuildControls() {
    HScroll1 = MakeScrollBar("HScroll1", "Beats Per Minute", this);
    HScroll1->setRange(SlowestBpm, FastestBpm);
    HScroll1->setValue(StartBpm);
    Place(HScroll1, 480, 4920, 4320, 255);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmMetronome::HScroll1_Change);

    lblBPM = new VbLabel("lblBPM", QString::number(StartBpm), this);
    lblBPM->setToolTip("Beats Per Minute");
    lblBPM->setAlignment(Qt::AlignCenter);
    SetFontSize(lblBPM, 14, true);
    Place(lblBPM, 1920, 5280, 1440, 420);

    cmdStart = new VbButton("cmdStart", "Start", this);
    cmdSound = new VbButton("cmdSound", "Bell", this);
    cmdExit = new VbButton("cmdExit", "Exit", this);
    const double buttonLefts[] = {480, 2040, 3600};
    int column = 0;
    for (VbButton* button : {cmdStart, cmdSound, cmdExit}) {
        SetFontSize(button, 10, true);
        Place(button, buttonLefts[column++], 5880, 1200, 495);
    }
    connect(cmdStart, &QPushButton::clicked, this, &frmMetronome::cmdStart_Click);
    connect(cmdSound, &QPushButton::clicked, this, &frmMetronome::cmdSound_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMetronome::cmdExit_Click);
}

void frmMetronome::Form_Load() {
    // Both sounds are read now, so that the first beat of either is on time.
    ModDODI::PreloadSoundFile(ModDODI::AppPath() + "\\Bell.wav");
    ModDODI::PreloadSoundFile(ModDODI::AppPath() + "\\Ding.wav");
}

void frmMetronome::Form_Unload() {
    MetronomeRunning = false;
}

void frmMetronome::HScroll1_Change() {
    lblBPM->setText(QString::number(HScroll1->value()));
}

void frmMetronome::cmdSound_Click() {
    cmdSound->setText(NextSoundName(cmdSound->text()));
}

void frmMetronome::cmdExit_Click() {
    MetronomeRunning = false;
    Forms::Unload(*this);
}

void frmMetronome::cmdStart_Click() {
    const bool starting = cmdStart->text() == "Start";
    cmdStart->setText(starting ? "Stop" : "Start");
    MetronomeRunning = starting;
    if (beating_ || !starting) {
        return; // the running loop sees the flag at its next event step
    }
    beating_ = true;
    if (!RunEventLoop([this] { return RunBeats(); })) {
        return; // the form is gone or closing: touch nothing of it
    }
    beating_ = false;
    ShowOnly(Swing::Middle);
}

bool frmMetronome::RunBeats() {
    BeatGrid grid(platform().MonotonicMs());
    while (MetronomeRunning) {
        Beat(grid, Swing::Left);
        Beat(grid, Swing::Right);
        platform().SleepUntil(grid.DueMs() - EventStepLeadMs);
        if (!LetEventsRun()) {
            return false;
        }
    }
    platform().SleepUntil(grid.DueMs()); // the last beat lasts its full interval
    return true;
}

void frmMetronome::Beat(BeatGrid& grid, Swing swing) {
    platform().SleepUntil(grid.DueMs());
    grid.BeatStarted(platform().MonotonicMs(), HScroll1->value());
    // The sound starts first: hiding and showing the pendulum's parts takes
    // about half a millisecond, and the swing reaches the screen only with
    // the repaint that follows anyway.
    ModDODI::ApiResult = ModDODI::PlaySoundFile(SoundFileName());
    ShowOnly(swing);
    repaint();
}

void frmMetronome::ShowOnly(Swing swing) {
    const std::pair<Swing, PendulumPart*> parts[] = {
        {Swing::Left, &LineBallL_}, {Swing::Middle, &LineBallM_}, {Swing::Right, &LineBallR_}};
    for (const auto& [partSwing, part] : parts) {
        part->line->setVisible(partSwing == swing);
        part->bob->setVisible(partSwing == swing);
    }
}

QString frmMetronome::SoundFileName() const {
    return ModDODI::AppPath() + "\\" + cmdSound->text() + ".wav";
}
