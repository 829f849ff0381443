#include "exercises/tracking/frmTrackS.h"

#include "exercises/tracking/tracking_scores.h"
#include "exercises/tracking/tracking_triad.h"
#include "shell/framework/layout.h"
#include "shell/framework/target_watch.h"
#include "shell/mod_dodi.h"

#include <QCheckBox>
#include <QComboBox>

using namespace ModDODI;

namespace {

const QList<ScoreLine> Lines = {
    {"Label1", "Total Targets Presented", "lblTotalTarg"},
    {"Label2", "Total Targets Counted", "lblTargCount"},
    {"Label5", "Total Incorrect Responses", "lblWrong1"},
    {"Label6", "Targets Missed", "lblMissed"},
    {"Label3", "Percent Correct:", "lblPerCor"},
    {"Label4", "Number Of Pages", "lblPages"},
    {"Label10", "Total Characters All Pages", "lblTotal"},
    {"lblAuto3", "Display Speed", "lblAuto4", LineKind::Setting},
    {"lblAuto5", "Font Size", "lblAuto6", LineKind::Setting},
    {"Label7", "Practice Time   ", "lblPracTime"},
};

} // namespace

frmTrackS::frmTrackS()
    : ScoresScreen(Name, TrackingTriad(), "Tracking Numbers or Letters Scores", Lines, "Label11") {
    SetFontSize(Title(), 12, true); // the longer title fits on one line
}

void frmTrackS::FillLines() {
    const TrackScores& s = Scores<TrackScores>();
    const bool numbersLetters = TrackNumbersLetters == VbTrue;
    Title()->setText(numbersLetters ? "Tracking Numbers or Letters Scores"
                                    : "Tracking Sequences Scores");
    Caption("Label10")->setText(numbersLetters ? "Total Characters All Pages"
                                               : "Total Sequences All Pages");
    SetValue("lblTotalTarg", s.TotalTargets);
    SetValue("lblTargCount", s.TotalCorrect);
    SetValue("lblWrong1", s.TotalWrong);

    // In count mode nothing is ever wrong or missed.
    const bool timed = !OptionControl<QCheckBox>("chkReact")->isChecked();
    SetLineVisible("lblWrong1", timed);
    SetLineVisible("lblMissed", timed);
    StackVisibleLines();
    if (timed) {
        SetValue("lblMissed", s.TotalMissed);
    }

    const CountedTargetsLine counted = CompareCountedTargets(s.TotalCorrect, s.TotalTargets);
    if (!counted.caption.isEmpty()) {
        Caption("Label3")->setText(counted.caption);
        SetValue("lblPerCor", counted.value);
    }

    const int perLine =
        static_cast<int>(Int(Val(OptionControl<QComboBox>("cboPerLine")->currentText())));
    SetValue("lblPages", s.PagesDone);
    SetValue("lblTotal", perLine * s.PagesDone * 6);
    SetValue("lblAuto4", OptionControl<QComboBox>("cboSpeed")->currentText() + " Secs");
    SetValue("lblAuto6", OptionControl<QComboBox>("cboFont")->currentText());
}
