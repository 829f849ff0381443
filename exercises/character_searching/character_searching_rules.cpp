#include "exercises/character_searching/character_searching_rules.h"

#include "shell/random_characters.h"
#include "shell/vb_runtime.h"

#include <algorithm>

namespace CharacterSearching {

namespace {

CharacterKind KindOf(CharType type) {
    switch (type) {
    case CharType::UpperCase:
        return CharacterKind::Capital;
    case CharType::LowerCase:
        return CharacterKind::Small;
    case CharType::Digits:
        break;
    }
    return CharacterKind::Digit;
}

} // namespace

CharType DrawType(TypeChoice choice, const RandomSource& rnd) {
    switch (choice) {
    case TypeChoice::Numbers:
        return CharType::Digits;
    case TypeChoice::UpperCase:
        return CharType::UpperCase;
    case TypeChoice::LowerCase:
        return CharType::LowerCase;
    case TypeChoice::Random:
        break;
    }
    const int type = std::clamp(static_cast<int>(Int(rnd() * 3)) + 1, 1, 3);
    return static_cast<CharType>(type);
}

QString DrawCharacter(TypeChoice choice, const RandomSource& rnd) {
    const CharType type = DrawType(choice, rnd);
    return RandomCharacter(KindOf(type), rnd());
}

Grid MakeGrid(TypeChoice choice, int cellCount, const RandomSource& rnd) {
    Grid grid;
    grid.target = DrawCharacter(choice, rnd);
    grid.chars.reserve(std::size_t(std::max(cellCount, 0)));
    for (int i = 0; i < cellCount; ++i) {
        QString drawn = DrawCharacter(choice, rnd);
        if (drawn == grid.target) {
            ++grid.targets;
        }
        grid.chars.push_back(std::move(drawn));
    }
    return grid;
}

double RowStartX(const LayoutSettings& settings) {
    const int estimate = 3 * (settings.perRow + 1);
    double x = (100.0 - estimate) / 2;
    if (settings.fontSize > 22) {
        x = 45 - settings.perRow * 1.75;
    }
    if (settings.upperCaseChosen && settings.perRow > 12 && settings.fontSize > 20) {
        x = 9;
    }
    return x;
}

double RowStep(double fontSize) {
    return fontSize > 18 ? 5 : 4;
}

double FirstRowY(const LayoutSettings& settings) {
    const double above = settings.fontSize > 18 ? 12 : 18;
    return above - (settings.rows - 5) + RowStep(settings.fontSize);
}

namespace {

// Narrows the gaps of a row that would end past rightLimit, in proportion, so
// that no character is drawn over the frame or off the screen. The
// characters keep their order and their first place.
void KeepRowInside(PrintPoint* row, std::size_t count, const std::vector<double>& widths,
                   double rightLimit) {
    if (count < 2) {
        return;
    }
    const double end = row[count - 1].x + widths[count - 1];
    if (end <= rightLimit) {
        return;
    }
    std::vector<double> gaps(count, 0.0);
    double gapSum = 0;
    for (std::size_t k = 1; k < count; ++k) {
        gaps[k] = row[k].x - (row[k - 1].x + widths[k - 1]);
        gapSum += gaps[k];
    }
    const double kept = gapSum > 0 ? std::max(0.0, (gapSum - (end - rightLimit)) / gapSum) : 0;
    for (std::size_t k = 1; k < count; ++k) {
        row[k].x = row[k - 1].x + widths[k - 1] + gaps[k] * kept;
    }
}

} // namespace

std::vector<PrintPoint> LayOutGrid(const std::vector<QString>& chars,
                                   const LayoutSettings& settings, const TextWidth& widthOf,
                                   const RandomSource& rnd, double rightLimit) {
    std::vector<PrintPoint> places;
    places.reserve(chars.size());
    std::vector<double> widths;
    widths.reserve(chars.size());
    const std::size_t perRow = std::size_t(std::max(settings.perRow, 1));
    const double step = RowStep(settings.fontSize);
    double x = Int((100.0 - 3 * (int(perRow) + 1)) / 2);
    double y = FirstRowY(settings) - step;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        x = Int(x + Int(rnd() * 3 + 2));
        if (i % perRow == 0) {
            y += step;
            x = RowStartX(settings);
        }
        places.push_back({x, y});
        widths.push_back(widthOf(chars[i]));
        x += widths.back();
        if (i % perRow == perRow - 1 || i + 1 == chars.size()) {
            const std::size_t rowStart = i - i % perRow;
            KeepRowInside(&places[rowStart], i + 1 - rowStart,
                          std::vector<double>(widths.begin() + long(rowStart), widths.end()),
                          rightLimit);
        }
    }
    return places;
}

PrintPoint AnswerPlace(const PrintPoint& printedAt, double width, double rightLimit) {
    double x = Int(printedAt.x + width - 1);
    if (x + width > rightLimit) {
        x = std::max(printedAt.x, rightLimit - width);
    }
    return {x, Int(printedAt.y)};
}

bool IsRightCount(const QString& answer, int targets) {
    return Val(answer) == targets;
}

QString Verdict(const QString& answer, int targets, const QString& target) {
    if (IsRightCount(answer, targets)) {
        return answer + " Is Correct!";
    }
    return answer + " Is Wrong! There are " + QString::number(targets) + " " + target + "'s.";
}

QString Question(const QString& target) {
    return "How many  " + target + "'s  are in the grid?";
}

const AdaptiveLadder& Ladder() {
    // Each level puts more characters in the grid and takes none away: more
    // characters per row (longer rows to scan) or one more row (more rows to
    // scan), never fewer of the other. The rows stay within 10, which every
    // font size allows, so the font stays as the therapist chose it.
    static const AdaptiveLadder ladder{{"cboPerRow", "cboRows"},
                                       {
                                           {"5", "5"},   // 1: 25 characters
                                           {"10", "5"},  // 2: 50
                                           {"10", "6"},  // 3: 60
                                           {"10", "7"},  // 4: 70
                                           {"10", "8"},  // 5: 80
                                           {"10", "9"},  // 6: 90
                                           {"10", "10"}, // 7: 100
                                           {"12", "10"}, // 8: 120
                                           {"15", "10"}, // 9: 150
                                       }};
    return ladder;
}

} // namespace CharacterSearching
