#include "exercises/right_or_left/right_or_left_rules.h"

#include "shell/vb_runtime.h"

#include <algorithm>

RLQuestion DrawQuestion(double first, double second) {
    RLQuestion question;
    question.PictureChoice = static_cast<int>(Int(first * 4)) + 1;
    question.Kind = Int(second * 2) >= 1 ? QuestionKind::Foot : QuestionKind::Hand;
    return question;
}

QString PictureFile(const RLQuestion& question) {
    static const char* const views[4] = {"FL", "FR", "BL", "BR"};
    const QString suffix = question.Kind == QuestionKind::Foot ? "_Ball" : "";
    return QString("StkMan%1%2.jpg").arg(views[question.PictureChoice - 1], suffix);
}

QString QuestionText(QuestionKind kind) {
    return kind == QuestionKind::Foot ? "Which Foot Is Kicking The Ball?"
                                      : "Which Hand Is Holding The Ballon?";
}

QString RightCaption(QuestionKind kind) {
    return kind == QuestionKind::Foot ? "Right Foot" : "Right Hand";
}

QString LeftCaption(QuestionKind kind) {
    return kind == QuestionKind::Foot ? "Left Foot" : "Left Hand";
}

int CorrectHandFor(int pictureChoice) {
    return pictureChoice % 2 == 1 ? 1 : 0;
}

namespace RightOrLeftRules {

const AdaptiveLadder& Ladder() {
    // The display time is the one thing that makes the question harder. At
    // level 1 the figure stays until the answer; from level 2 it is taken
    // away before the answer buttons open, so the side must be held in mind,
    // and each level after shows it for less time to take in which hand or
    // foot it is (down to the shortest time the options screen allows).
    static const AdaptiveLadder ladder{{"cboSpeed"},
                                       {
                                           {"Off"},  // 1
                                           {"3.00"}, // 2
                                           {"2.00"}, // 3
                                           {"1.50"}, // 4
                                           {"1.00"}, // 5
                                           {"0.75"}, // 6
                                           {"0.50"}, // 7
                                           {"0.40"}, // 8
                                           {"0.30"}, // 9
                                           {"0.20"}, // 10
                                           {"0.10"}, // 11
                                       }};
    return ladder;
}

} // namespace RightOrLeftRules
