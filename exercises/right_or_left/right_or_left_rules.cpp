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
