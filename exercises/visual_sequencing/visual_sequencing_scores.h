// The score values of Visual Sequencing, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct VisualSequencingScoreValues {
    Counter16 VisSeqTargetsThisSeq; // right clicks in the answer being given
    Counter16 VisSeqSeqCorrect;     // sequences completed without a wrong click
    Counter16 VisSeqSeqWrong;       // answers ended by a wrong click
    Counter16 VisSeqRepeats;        // presses of Repeat Same Sequence
    Counter16 VisSeqMaxLength;      // longest length reached with increasing length
    Counter16 VisSeqTargetsShown;   // squares lit, repeats included
    Counter16 VisSeqTargetsCorrect; // right clicks over the whole run
    Counter16 VisSeqSequences;      // sequences shown by Next Sequence
};

inline VisualSequencingScoreValues& VisualSequencingScores() {
    return Scores<VisualSequencingScoreValues>();
}
