// The tracking counters of the current page and the totals of all pages
// finished since the scores were last zeroed, and how responses and items
// change them.
#pragma once

#include "shell/framework/adaptive_level.h"
#include "shell/vb_runtime.h"

struct TrackScores {
    Counter16 PositionIndex; // position being shown, 1-based; 0 between pages
    Counter16 CorrectCount;  // C of the current page
    Counter16 WrongCount;    // W
    Counter16 TargetCount;   // T: targets presented
    Counter16 MissedCount;   // M = T - C; negative when over-counted
    Counter16 PagesDone;     // pages started and not stopped
    Counter16 TotalCorrect;
    Counter16 TotalWrong;
    Counter16 TotalTargets;
    Counter16 TotalMissed;
    // Answers judged on all finished pages, for the adaptive level.
    JudgedAnswers Judged;
};

// Timed: a response is right only while the target is the latest item.
// Count: every response counts the target once more; nothing is wrong.
enum class ResponseMode { Timed, Count };

// One press of "Click To Score"; returns whether it counted as correct.
bool CountResponse(TrackScores& scores, ResponseMode mode, bool targetShown);

// One item presented; countsAsTarget raises the targets presented.
void CountItem(TrackScores& scores, bool countsAsTarget);

// The answers judged on the page. Timed: C right; W and the targets missed
// wrong. Count: the targets counted right; the targets missed, or the
// presses beyond the targets, wrong.
JudgedAnswers PageJudgedAnswers(const TrackScores& page, ResponseMode mode);

// Brings M up to date with the last presses and adds the page's C, W, T and
// M, and its judged answers, to the totals.
void AddPageToTotals(TrackScores& scores, ResponseMode mode);

// Zeroes the page's C, W, T and M for the next page.
void ClearPage(TrackScores& scores);
