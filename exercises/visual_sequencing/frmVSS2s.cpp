#include "exercises/visual_sequencing/frmVSS2s.h"

#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/visual_sequencing_scores.h"
#include "exercises/visual_sequencing/visual_sequencing_triad.h"

frmVSS2s::frmVSS2s()
    : ScoresScreen(Name, VisualSequencingTriad(), "Visual Sequencing Scores",
                   {{"Label1", "  Fixed Sequence Length  ", ""},
                    {"Label3", "Total Sequences Correct", "lblTotSeqCor"},
                    {"Label2", "Total Sequences Displayed", "lblTotSeqDis"},
                    {"Label6", "Percent Correct", "lblPerCor"},
                    {"Label9", "Number Of Repeats Used", "lblRepeats"},
                    {"Label10", "Correct / Total Displayed + Repeats", "lblPerRepeat"},
                    {"Label4", "Total Targets Correct", "lblTotTargCor"},
                    {"Label7", "Total Targets Displayed", "lblTotTarDis"},
                    {"Label8", "Percent Correct", "lblPercor2"},
                    {"lblAuto1", "Display Speed", "lblAuto2", LineKind::Setting},
                    // In increasing mode the length reached, which is 0 until a
                    // sequence was shown: never the only sign of a practice.
                    {"lblAuto3", "Sequence Length", "lblAuto4", LineKind::Setting},
                    {"Label5", "Practice Time", "lblPracTime"}}) {}

void frmVSS2s::FillLines() {
    const VisualSequencingScoreValues& scores = VisualSequencingScores();
    const frmVSS2o& options = Forms::Get<frmVSS2o>();
    const bool increasing = options.Increasing();
    Caption("Label1")->setText(increasing ? "  Increasing Sequence Lengths  "
                                          : "  Fixed Sequence Length  ");
    SetValue("lblTotSeqCor", scores.VisSeqSeqCorrect);
    SetValue("lblTotSeqDis", scores.VisSeqSequences);
    SetValue("lblPerCor", PercentText(scores.VisSeqSeqCorrect, scores.VisSeqSequences));
    SetValue("lblRepeats", scores.VisSeqRepeats);
    SetValue("lblPerRepeat",
             PercentText(scores.VisSeqSeqCorrect, scores.VisSeqSequences + scores.VisSeqRepeats));
    SetValue("lblTotTargCor", scores.VisSeqTargetsCorrect);
    SetValue("lblTotTarDis", scores.VisSeqTargetsShown);
    SetValue("lblPercor2", PercentText(scores.VisSeqTargetsCorrect, scores.VisSeqTargetsShown));
    Caption("lblAuto1")->setText("Display Speed");
    SetValue("lblAuto2", options.cboSpeed->Text() + " Secs");
    Caption("lblAuto3")->setText(increasing ? "Max Seq Length" : "Sequence Length");
    SetValue("lblAuto4",
             increasing ? QString::number(scores.VisSeqMaxLength) : options.cboMaxSeq->Text());
}
