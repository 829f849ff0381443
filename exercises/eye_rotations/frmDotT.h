// Eye Rotations therapy: a disc with a character goes around a path (or to
// random places) on a timer; the patient presses Score for each target.
#pragma once

#include "exercises/eye_rotations/eye_rotations_rules.h"
#include "shell/controls/default_button.h"
#include "shell/controls/drawing_surface.h"
#include "shell/controls/vb_timer.h"
#include "shell/framework/target_watch.h"
#include "shell/framework/therapy_screen.h"

class frmDotO;

class frmDotT : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmDotT";
    frmDotT();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void cmdStart_Click();
    void cmdScore_Click();
    void Timer1_Timer();

    bool Running() const { return running_; }
    const QString& TargetChar() const { return targetChar_; }
    const QString& DisplayChar() const { return displayChar_; }
    // Grid centre of the disc drawn last.
    GridPoint CirclePosition() const { return {circleX_, circleY_}; }
    QColor CircleColor() const;

    DrawingSurface* surface;
    VbLabel* lblTarget;
    VbLabel* lblGetReady;
    TargetCounters counters;
    StartMessage* frmStartMess;
    VbButton* cmdScore;
    VbButton* cmdStart;
    VbButton* cmdDOTScores;
    VbButton* cmdOptions;
    VbTimer* Timer1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    frmDotO& options() const;
    void startRun();
    void stopRun();
    void NextCircle();
    void adaptBetweenRotations();
    void DrawPosition(int member);
    void GetRotationCharacter();
    void ShowGetReady();
    void ScoreRotationResponse();
    void placeControls();
    void placeTargetLabel();

    bool running_ = false;
    RotationCycle cycle_;
    int circleSize_ = 3;
    int circleX_ = 0;
    int circleY_ = 0;
    int separation_ = 0;
    std::uint32_t circleColor_ = 65535;
    double scaleX_ = 1;
    double scaleY_ = 1;
    double targetLeft_ = 35; // grid x of the target line's left edge
    QString displayChar_;
    QString targetChar_;
    bool targetShown_ = false;
};
