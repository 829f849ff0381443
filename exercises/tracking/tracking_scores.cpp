#include "exercises/tracking/tracking_scores.h"

bool CountResponse(TrackScores& scores, ResponseMode mode, bool targetShown) {
    if (mode == ResponseMode::Count || targetShown) {
        ++scores.CorrectCount;
        return true;
    }
    ++scores.WrongCount;
    return false;
}

void CountItem(TrackScores& scores, bool countsAsTarget) {
    if (countsAsTarget) {
        ++scores.TargetCount;
    }
    scores.MissedCount = scores.TargetCount - scores.CorrectCount;
}

void AddPageToTotals(TrackScores& scores) {
    // Presses after the last item come after the last recount of M.
    scores.MissedCount = scores.TargetCount - scores.CorrectCount;
    scores.TotalCorrect += scores.CorrectCount;
    scores.TotalWrong += scores.WrongCount;
    scores.TotalTargets += scores.TargetCount;
    scores.TotalMissed += scores.MissedCount;
}

void ClearPage(TrackScores& scores) {
    scores.CorrectCount = 0;
    scores.WrongCount = 0;
    scores.TargetCount = 0;
    scores.MissedCount = 0;
}
