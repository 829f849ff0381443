#include "exercises/tracking/tracking_scores.h"

#include <algorithm>
#include <cstdlib>

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

JudgedAnswers PageJudgedAnswers(const TrackScores& page, ResponseMode mode) {
    const int pressed = page.CorrectCount;
    const int targets = page.TargetCount;
    if (mode == ResponseMode::Timed) {
        return {pressed, page.WrongCount + std::max(targets - pressed, 0)};
    }
    return {std::min(pressed, targets), std::abs(targets - pressed)};
}

void AddPageToTotals(TrackScores& scores, ResponseMode mode) {
    // Presses after the last item come after the last recount of M.
    scores.MissedCount = scores.TargetCount - scores.CorrectCount;
    scores.TotalCorrect += scores.CorrectCount;
    scores.TotalWrong += scores.WrongCount;
    scores.TotalTargets += scores.TargetCount;
    scores.TotalMissed += scores.MissedCount;
    const JudgedAnswers page = PageJudgedAnswers(scores, mode);
    scores.Judged.right += page.right;
    scores.Judged.wrong += page.wrong;
}

void ClearPage(TrackScores& scores) {
    scores.CorrectCount = 0;
    scores.WrongCount = 0;
    scores.TargetCount = 0;
    scores.MissedCount = 0;
}
