#include "exercises/eye_rotations/frmDotS.h"

#include "exercises/eye_rotations/eye_rotations_scores.h"
#include "exercises/eye_rotations/eye_rotations_triad.h"
#include "exercises/eye_rotations/frmDotO.h"
#include "shell/framework/target_watch.h"

frmDotS::frmDotS()
    : ScoresScreen(Name, EyeRotationTriad(), "Eye Rotation Scores",
                   {{"lblTargCountCaption", "Targets Counted", "lblTargCount"},
                    {"lblWrong2", "Incorrect Responses", "lblWrong"},
                    {"Label1", "Targets Missed", "lblMissed"},
                    {"lblTargDisCaption", "Targets Displayed", "lblTargDis"},
                    {"Label4", "Rotations Completed", "lblTotal"},
                    {"Label6", "Percent Correct:", "lblPerCor"},
                    {"lblAuto3", "Display Speed", "lblAuto4", LineKind::Setting},
                    {"lblAuto5", "Font Size", "lblAuto6", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmDotS::FillLines() {
    const EyeRotationScores& scores = EyeScores();
    SetValue("lblTargCount", scores.CorrectCount);
    SetValue("lblWrong", scores.WrongCount);
    SetValue("lblMissed", TargetsMissed(scores.TargetsShown, scores.CorrectCount));
    SetValue("lblTargDis", scores.TargetsShown);
    SetValue("lblTotal", scores.RotationsCompleted);

    const frmDotO& options = Forms::Get<frmDotO>();
    // At random every disc counts, so the line counts discs instead of rotations.
    const bool discsCounted = StepsAtRandom(options.ChosenDirection(), options.ChosenPattern());
    Caption("Label4")->setText(discsCounted ? "Total Circles Presented" : "Rotations Completed");

    const CountedTargetsLine percent =
        CompareCountedTargets(scores.CorrectCount, scores.TargetsShown);
    if (!percent.caption.isEmpty()) {
        Caption("Label6")->setText(percent.caption);
        SetValue("lblPerCor", percent.value);
    }
    SetValue("lblAuto4", options.cboSpeed->Text() + " Secs");
    SetValue("lblAuto6", options.cboFont->Text());
}
