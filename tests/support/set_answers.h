// How a patient answers the set shown on a therapy screen: right or wrong as
// asked where the set allows it; each returns whether the answer given is
// right. For tests that link the exercises.
#pragma once

#include "exercises/character_searching/frmFG7t.h"
#include "exercises/closing_letters/frmLetterT.h"
#include "exercises/color_grids/frmVD1t.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "exercises/right_or_left/frmRLT.h"
#include "exercises/shape_counting/frmFG1t.h"
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "tests/support/kova_test.h"

#include <QTest>
#include <utility>

// An answer to the set shown: whether it was right.
using SetAnswer = bool (*)(Form& therapy, bool right, FakePlatform& fake);

inline bool AnswerSequence(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmVSS2t&>(form);
    const int first = t.Sequence[1];
    if (!right) {
        Click(t.cmdX->Cell(first % 9)); // any square but the first lit
        return false;
    }
    for (int i = 1; i <= t.ShownLength(); ++i) {
        Click(t.cmdX->Cell(t.Sequence[std::size_t(i)] - 1));
    }
    return true;
}

inline bool AnswerGrids(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmVD1t&>(form);
    const int odd = t.CurrentSet().oddGrid - 1;
    Click(t.cmdAns[std::size_t(right ? odd : (odd + 1) % 4)]);
    return right;
}

// Wrong: the first X left out.
inline bool AnswerPattern(Form& form, bool right, FakePlatform& fake) {
    auto& t = static_cast<frmVSS1t&>(form);
    fake.AdvanceTime(t.Timer1->Interval());
    const TicTacToe::XPattern expected =
        TicTacToe::Rotated(t.Pattern, Forms::Get<frmVSS1o>().ChosenRotation());
    bool leftOut = right;
    for (int cell = 0; cell < TicTacToe::CellCount; ++cell) {
        if (expected[std::size_t(cell)] && !std::exchange(leftOut, true)) {
            continue;
        }
        if (expected[std::size_t(cell)]) {
            Click(t.cmdX->Cell(cell));
        }
    }
    Click(t.cmdChkAnswer);
    return leftOut == right; // a pattern without X's leaves nothing out: always right
}

inline bool AnswerShapes(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmFG1t&>(form);
    QTest::keyClicks(t.txtAns, QString::number(t.CurrentSet().Count() + (right ? 0 : 1)));
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    return right;
}

inline bool AnswerDuplicate(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmVD8t&>(form);
    // Wrong: checked with the answer grid left blank (a pattern has a square at least).
    for (int cell = 0; right && cell < t.PatternGrid()->Count(); ++cell) {
        if (t.PatternGrid()->Cell(cell)->BackColor() == QColor(Qt::black)) {
            Click(t.AnswerGrid()->Cell(cell));
        }
    }
    Click(t.cmdChkAnsw);
    return right;
}

inline bool AnswerSearch(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmFG7t&>(form);
    QTest::keyClicks(t.txtAns, QString::number(t.CurrentGrid().targets + (right ? 0 : 1)));
    QTest::keyClick(t.txtAns, Qt::Key_Return);
    return right;
}

inline bool AnswerFigure(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmRLT&>(form);
    Click(t.cmdHand[std::size_t(right ? t.CorrectHand : 1 - t.CorrectHand)]);
    return right;
}

// Right: the letter typed at once. Wrong: never named, uncovered to the
// last tile, which counts one wrong.
inline bool AnswerLetter(Form& form, bool right, FakePlatform&) {
    auto& t = static_cast<frmLetterT&>(form);
    if (right) {
        QTest::keyClicks(t.txtAnswer, QString(QChar(t.LetterCode)));
    }
    while (!right && t.cmdEraseTiles->isEnabled()) {
        Click(t.cmdEraseTiles);
    }
    return right;
}
