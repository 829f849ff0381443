// The metronome: a beat at a chosen tempo with a swinging pendulum and a sound.
#pragma once

#include "shell/forms.h"
#include "tools/metronome/metronome_rules.h"

class QScrollBar;
class VbButton;
class VbLabel;
class LineControl;
class ShapeControl;

class frmMetronome : public Form {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmMetronome";
    frmMetronome();

    void Form_Load() override;
    void Form_Unload() override;

    QScrollBar* HScroll1;
    VbLabel* lblBPM;
    VbButton* cmdStart;
    VbButton* cmdSound;
    VbButton* cmdExit;

private:
    // One position of the pendulum: its line and its bob.
    struct PendulumPart {
        LineControl* line;
        ShapeControl* bob;
    };

    void BuildStand();
    PendulumPart BuildPendulumPart(const QString& suffix, Metronome::Swing swing);
    void BuildControls();

    void HScroll1_Change();
    void cmdSound_Click();
    void cmdStart_Click();
    void cmdExit_Click();

    // Beats until stopped; false when the form went away meanwhile.
    bool RunBeats();
    // Waits for the beat's deadline, then plays the sound and shows the swing.
    void Beat(Metronome::BeatGrid& grid, Metronome::Swing swing);
    void ShowOnly(Metronome::Swing swing);
    QString SoundFileName() const;

    PendulumPart LineBallL_{};
    PendulumPart LineBallM_{};
    PendulumPart LineBallR_{};
    bool MetronomeRunning = false;
    bool beating_ = false; // the beat loop is on the stack
};
