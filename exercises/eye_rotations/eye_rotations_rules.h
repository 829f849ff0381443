// The rules of Eye Rotations, free of widgets: where each disc goes, in which
// order, which character it carries, and the disc colours.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// A source of uniform random values in [0, 1).
using RandomSource = std::function<double()>;

enum class TargetType { Numbers, UpperCase, LowerCase, Bdpq, Random };
enum class RotationPattern { Rectangle, Circle, FourCorners, RandomPosition };
enum class RotationDirection { Clockwise, CounterClockwise, Random };
enum class PatternSeparation { Wide, Narrow, VeryNarrow };

// A point of the 100 x 100 drawing grid; y grows downward.
struct GridPoint {
    int x;
    int y;
    bool operator==(const GridPoint&) const = default;
};

// How far the path is set in from the grid edges: 0, 10 or 20.
int SeparationInset(PatternSeparation separation);

// The centre of path member 1 to 8 (1 upper left, numbered clockwise). Four
// Corners uses the Rectangle's points; a random-position pattern has no
// fixed points and also gets the Rectangle's.
GridPoint PathPosition(int member, RotationPattern pattern, int inset);

// A random disc centre: x 5 to 94, y 5 to 89 (two draws, x first).
GridPoint PickRandomPosition(const RandomSource& rnd);

// The order in which path members are visited and how many steps one
// rotation has.
struct RotationSequence {
    QString order; // e.g. "1357"
    int stepCount;
    bool operator==(const RotationSequence&) const = default;
};
RotationSequence SequenceFor(RotationDirection direction, RotationPattern pattern);
// True when each disc goes to a random step instead of the next one.
bool StepsAtRandom(RotationDirection direction, RotationPattern pattern);

// Walks the rotation sequence and counts rotations.
class RotationCycle {
public:
    // Starts a new run before the first step.
    void Restart() { stepIndex_ = 0; }

    struct Step {
        int member;           // path member 1 to 8 to draw
        bool addsToRotations; // a rotation completed (or, at random, one more disc)
    };
    // The next step: in order, or a random one (one draw) when steps go at random.
    Step Next(RotationDirection direction, RotationPattern pattern, const RandomSource& rnd);

    // 1-based position in the sequence; 0 before the first step of a rotation.
    int StepIndex() const { return stepIndex_; }

private:
    int stepIndex_ = 0;
};

// The target of a run (one draw): a digit 1-9, a capital A-Y, a small a-y or
// one of b, d, p, q. Random picks a small letter.
QString ChooseRotationTarget(TargetType type, const RandomSource& rnd);

// The character printed in one disc. Draws the character type when the
// target type is Random, then the character; some characters are replaced
// by the target so that targets come up often enough.
struct DiscCharacter {
    QString text;
    bool isTarget;
};
DiscCharacter GetRotationCharacter(TargetType type, const QString& target, const RandomSource& rnd);

// Targets shown that were not counted. Every press on a target disc counts,
// so a patient can count more than were shown: then none were missed (the
// scores screen reports the over-count), never a negative number.
int TargetsMissed(int targetsShown, int targetsCounted);

// The colour (blue-green-red value) of a "Circle Color" entry; none for
// "Random", which draws a colour before every disc, and for unknown texts.
std::optional<std::uint32_t> CircleColorValue(const QString& entry);
bool IsRandomCircleColor(const QString& entry);
// One of the twelve colours other than white (one draw).
std::uint32_t RandomCircleColor(const RandomSource& rnd);

// Settings as the therapy uses them. The options screen refuses values
// outside these ranges; a text that slipped through is held to the nearest
// accepted value rather than stopping the presentation.
// Display speed in seconds -> timer interval in ms (0.1 to 3 s).
int DisplayIntervalMs(const QString& speedText);
// Font size in points, 12 to 50.
double DiscFontSize(const QString& fontText);
// Disc radius in grid units, 1 to 6.
int DiscRadius(const QString& sizeText);

namespace EyeRotations {

// The adaptive ladder, easiest first.
const AdaptiveLadder& Ladder();

} // namespace EyeRotations
