#include "exercises/eye_rotations/eye_rotations_rules.h"

#include "shell/random_characters.h"
#include "shell/vb_runtime.h"

#include <algorithm>
#include <array>
#include <utility>

int SeparationInset(PatternSeparation separation) {
    switch (separation) {
    case PatternSeparation::Narrow:
        return 10;
    case PatternSeparation::VeryNarrow:
        return 20;
    case PatternSeparation::Wide:
        break;
    }
    return 0;
}

GridPoint PathPosition(int member, RotationPattern pattern, int inset) {
    const int s = inset;
    // Members 1 to 8, clockwise from the upper left.
    const std::array<GridPoint, 8> rectangle{{{s + 10, s + 15},
                                              {48, s + 15},
                                              {93 - s, s + 15},
                                              {93 - s, 45},
                                              {93 - s, 82 - s},
                                              {48, 82 - s},
                                              {s + 10, 82 - s},
                                              {s + 10, 45}}};
    const std::array<GridPoint, 8> circle{{{s + 24, s + 19},
                                           {48, s + 15},
                                           {73 - s, s + 23},
                                           {78 - s, 45},
                                           {73 - s, 74 - s},
                                           {48, 82 - s},
                                           {s + 24, 76 - s},
                                           {s + 17, 45}}};
    const int index = (member < 1 || member > 8) ? 0 : member - 1;
    return pattern == RotationPattern::Circle ? circle[index] : rectangle[index];
}

GridPoint PickRandomPosition(const RandomSource& rnd) {
    const int x = int(Int(rnd() * 90)) + 5;
    const int y = int(Int(rnd() * 85)) + 5;
    return {x, y};
}

RotationSequence SequenceFor(RotationDirection direction, RotationPattern pattern) {
    if (pattern == RotationPattern::RandomPosition) {
        return {"12345678", 7}; // member 8 is never drawn
    }
    const bool fourCorners = pattern == RotationPattern::FourCorners;
    const bool clockwise =
        direction == RotationDirection::Clockwise ||
        (direction == RotationDirection::Random && pattern != RotationPattern::Circle);
    if (fourCorners) {
        return clockwise ? RotationSequence{"1357", 4} : RotationSequence{"1753", 4};
    }
    return clockwise ? RotationSequence{"12345678", 8} : RotationSequence{"18765432", 8};
}

bool StepsAtRandom(RotationDirection direction, RotationPattern pattern) {
    return direction == RotationDirection::Random || pattern == RotationPattern::RandomPosition;
}

RotationCycle::Step RotationCycle::Next(RotationDirection direction, RotationPattern pattern,
                                        const RandomSource& rnd) {
    const RotationSequence sequence = SequenceFor(direction, pattern);
    const bool atRandom = StepsAtRandom(direction, pattern);
    if (atRandom) {
        stepIndex_ = int(Int(sequence.stepCount * rnd())) + 1;
    } else {
        stepIndex_ = stepIndex_ % sequence.stepCount + 1;
    }
    const int member = sequence.order.at(stepIndex_ - 1).digitValue();
    bool addsToRotations = atRandom;
    if (!atRandom && stepIndex_ == sequence.stepCount) {
        stepIndex_ = 0;
        addsToRotations = true;
    }
    return {member, addsToRotations};
}

namespace {

enum CharacterType { Digit = 1, Capital = 2, Small = 3, BdpqLetter = 4 };

CharacterType TypeFor(TargetType type, const RandomSource& rnd) {
    switch (type) {
    case TargetType::Numbers:
        return Digit;
    case TargetType::UpperCase:
        return Capital;
    case TargetType::LowerCase:
        return Small;
    case TargetType::Bdpq:
        return BdpqLetter;
    case TargetType::Random:
        break;
    }
    // Rounded half to even: 1 and 4 come up half as often as 2 and 3.
    return CharacterType(RoundHalfEven(rnd() * 3 + 1));
}

} // namespace

QString ChooseRotationTarget(TargetType type, const RandomSource& rnd) {
    const double r = rnd();
    switch (type) {
    case TargetType::Numbers:
        return RandomCharacter(CharacterKind::Digit, r);
    case TargetType::UpperCase:
        return RandomCharacter(CharacterKind::Capital, r);
    case TargetType::Bdpq:
        return RandomCharacter(CharacterKind::Bdpq, r);
    case TargetType::LowerCase:
    case TargetType::Random:
        break;
    }
    return RandomCharacter(CharacterKind::Small, r);
}

DiscCharacter GetRotationCharacter(TargetType type, const QString& target,
                                   const RandomSource& rnd) {
    const CharacterType characterType = TypeFor(type, rnd);
    const double r = rnd();
    QString text;
    switch (characterType) {
    case Digit: {
        const int number = int(Int(r * 9)) + 1;
        text = number % 4 == 0 ? target : QString::number(number);
        break;
    }
    case Capital:
    case Small: {
        text = RandomCharacter(
            characterType == Capital ? CharacterKind::Capital : CharacterKind::Small, r);
        text = text.at(0).unicode() % 6 == 0 ? target : text;
        break;
    }
    case BdpqLetter:
        text = RandomCharacter(CharacterKind::Bdpq, r);
        break;
    }
    return {text, text == target};
}

namespace {
// The colour entries in the order a random draw picks them; white last, since
// it is never drawn at random.
const std::array<std::pair<const char*, std::uint32_t>, 13> circleColors{{
    {"Lt Yellow", 65535},
    {"Dk Yellow", 32896},
    {"Lt Red", 255},
    {"Dk Red", 128},
    {"Dk Blue", 8388608},
    {"Lt Blue", 16711680},
    {"LtGreen", 65280},
    {"DKGreen", 32768},
    {"Lt Cyan", 16776960},
    {"Dk Cyan", 8421376},
    {"Lt Purple", 16711935},
    {"Dk Purple", 8388736},
    {"White", 16777215},
}};
} // namespace

std::optional<std::uint32_t> CircleColorValue(const QString& entry) {
    for (const auto& [name, value] : circleColors) {
        if (entry == QLatin1String(name)) {
            return value;
        }
    }
    return std::nullopt;
}

bool IsRandomCircleColor(const QString& entry) {
    return entry == QLatin1String("Random");
}

std::uint32_t RandomCircleColor(const RandomSource& rnd) {
    const int k = int(Int(rnd() * 12 + 1));
    return circleColors[std::size_t(k - 1)].second;
}

int DisplayIntervalMs(const QString& speedText) {
    const double typed = Val(speedText);
    const double seconds = typed > 0.09 ? std::min(typed, 3.0) : 0.1;
    return int(RoundHalfEven(seconds * 1000));
}

double DiscFontSize(const QString& fontText) {
    return std::clamp(Val(fontText), 12.0, 50.0);
}

int DiscRadius(const QString& sizeText) {
    return int(std::clamp(Int(Val(sizeText)), 1.0, 6.0));
}

int TargetsMissed(int targetsShown, int targetsCounted) {
    return std::max(0, targetsShown - targetsCounted);
}

namespace EyeRotations {

const AdaptiveLadder& Ladder() {
    // Each level shows every disc for a shorter time (less time to find it
    // and tell its character) or draws a smaller disc (less to catch the
    // eye as it moves on), and never makes the other easier.
    static const AdaptiveLadder ladder{{"cboSpeed", "cboSize"},
                                       {
                                           {"1.50", "6"}, // 1
                                           {"1.25", "6"}, // 2
                                           {"1.00", "5"}, // 3
                                           {"0.90", "5"}, // 4
                                           {"0.80", "4"}, // 5
                                           {"0.70", "4"}, // 6
                                           {"0.60", "3"}, // 7
                                           {"0.50", "3"}, // 8
                                           {"0.40", "2"}, // 9
                                           {"0.30", "2"}, // 10
                                           {"0.30", "1"}, // 11
                                           {"0.20", "1"}, // 12
                                       }};
    return ladder;
}

} // namespace EyeRotations
