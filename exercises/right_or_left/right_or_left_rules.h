// The questions of Right Or Left: which picture is shown, what is asked
// about it and which answer button is right, and the display time.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QString>
#include <optional>

enum class QuestionKind { Hand = 0, Foot = 1 };

// One question: the picture (1 to 4 of its kind) and what is asked.
struct RLQuestion {
    int PictureChoice = 1;
    QuestionKind Kind = QuestionKind::Hand;
};

// PictureChoice = Int(first × 4) + 1, QuestionKind = Int(second × 2), from
// two successive draws in [0, 1).
RLQuestion DrawQuestion(double first, double second);

// "StkManFL.jpg" … "StkManBR_Ball.jpg": front left, front right, back left,
// back right, the ball pictures for the foot question.
QString PictureFile(const RLQuestion& question);
// "Which Hand Is Holding The Ballon?" or "Which Foot Is Kicking The Ball?"
QString QuestionText(QuestionKind kind);
// Captions of cmdHand(0) and cmdHand(1): "Right Hand", "Left Hand" or the feet.
QString RightCaption(QuestionKind kind);
QString LeftCaption(QuestionKind kind);
// The index of the right answer button: 1 ("Left") for pictures 1 and 3,
// 0 ("Right") for 2 and 4.
int CorrectHandFor(int pictureChoice);

namespace RightOrLeftRules {

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace RightOrLeftRules
