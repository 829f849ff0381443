// The rules of one Flip Forms set, free of widgets: how a box turns through
// the four orientations when clicked, what each box must show, and how a
// check of the three boxes is judged and counted.
#pragma once

#include "exercises/flip_forms/flip_forms_scores.h"
#include "exercises/flipper/orientations.h"

#include <array>
#include <functional>

constexpr int FlipFormBoxCount = 3;

// What box n (1 to 3) must show: box 1 the sample flipped right to left,
// box 2 that flipped upside down (so both ways), box 3 that flipped right to
// left again (so upside down).
Orientation BoxTarget(int box);

// One box of the set: untouched until clicked, then turning on by one
// orientation per click.
class FlipFormBox {
public:
    bool Untouched() const { return untouched_; }
    Orientation Shown() const { return Orientation(orientation_); }
    // The first click after the box was untouched starts from Int(2 × Rnd + 1)
    // (1 or 2), so it shows 2 or 3; every click then moves on by one, 4
    // wrapping to 1. rnd is asked for a value only on that first click.
    Orientation Click(const std::function<double()>& rnd);
    void MakeUntouched() { untouched_ = true; }

private:
    bool untouched_ = true;
    int orientation_ = 1;
};

struct FlipFormCheck {
    std::array<bool, FlipFormBoxCount> boxCorrect{};
    bool allCorrect = false;
};

// The three boxes of the set on screen, and whether it is a repeat.
class FlipFormSet {
public:
    // A new picture: every box untouched, not a repeat.
    void StartNewPicture();
    // The same picture once more: every box untouched, a repeat.
    void StartRepeat();
    bool RepeatMode() const { return repeatMode_; }
    // Box n, 1 to 3.
    FlipFormBox& Box(int n) { return boxes_.at(n - 1); }
    const FlipFormBox& Box(int n) const { return boxes_.at(n - 1); }
    // Judges each box against its target.
    FlipFormCheck Check() const;
    // Counts a check: a new picture right or wrong, a correct repeat, and
    // nothing for a wrong repeat.
    void Count(const FlipFormCheck& check, FlipFormScores& scores) const;

private:
    void makeAllUntouched();
    std::array<FlipFormBox, FlipFormBoxCount> boxes_;
    bool repeatMode_ = false;
};
