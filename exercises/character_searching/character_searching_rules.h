// The rules of Character Searching, free of widgets: drawing a grid of
// characters with its target, laying the grid out in irregular rows, and
// judging a count.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QString>
#include <functional>
#include <vector>

namespace CharacterSearching {

// A source of uniform random values in [0, 1).
using RandomSource = std::function<double()>;

// The characters of one grid: digits 1 to 9, capitals A to Y, small letters
// a to y.
enum class CharType { Digits = 1, UpperCase = 2, LowerCase = 3 };

// The character type chosen on the options screen; Random mixes the three.
enum class TypeChoice { Numbers, UpperCase, LowerCase, Random };

// The type for one character: the chosen one, or Int(Rnd × 3) + 1 in random
// mode, so each type comes up a third of the time.
CharType DrawType(TypeChoice choice, const RandomSource& rnd);

// One character of the chosen type (a fresh type first in random mode).
QString DrawCharacter(TypeChoice choice, const RandomSource& rnd);

struct Grid {
    QString target;             // the character to count
    std::vector<QString> chars; // in reading order
    int targets = 0;            // how many of chars are the target
};

// The target first, then cellCount characters. Characters match the target
// by their text only, case counting: "A" is not "a", and a letter never
// matches a digit.
Grid MakeGrid(TypeChoice choice, int cellCount, const RandomSource& rnd);

// How the rows are laid out, from the options.
struct LayoutSettings {
    int rows = 5;
    int perRow = 10;
    double fontSize = 12;
    bool upperCaseChosen = false; // the Upper Case Letters option
};

// A place on the 0..100 drawing scale.
struct PrintPoint {
    double x = 0;
    double y = 0;
};

// The left margin of every row: centred for a row estimate 3 × (per row + 1)
// wide, (100 − that) / 2; 45 − per row × 1.75 above font 22; 9 for upper
// case letters with more than 12 per row above font 20.
double RowStartX(const LayoutSettings& settings);
// The first row's top: 22 − (rows − 5) up to font 18, else 17 − (rows − 5).
double FirstRowY(const LayoutSettings& settings);
// Rows 4 apart up to font 18, else 5 apart.
double RowStep(double fontSize);

// The width of a character on the drawing scale.
using TextWidth = std::function<double(const QString& text)>;

// Where each character is printed: rows start at the row margin; every
// further character of a row starts Int(end of the previous + 2, 3 or 4),
// the step drawn as Int(Rnd × 3 + 2). One step is drawn for every character,
// the first of a row included. A row that would end past rightLimit (a large
// font on a narrow screen) has its gaps narrowed to end there.
std::vector<PrintPoint> LayOutGrid(const std::vector<QString>& chars,
                                   const LayoutSettings& settings, const TextWidth& widthOf,
                                   const RandomSource& rnd, double rightLimit = 100);

// Where the answer grid reprints a character printed at place, width wide:
// from the point just past it, Int(x − 1), Int(y). A character wider than
// one unit comes back a little to the right of where it was, but never so far
// that it would end past rightLimit.
PrintPoint AnswerPlace(const PrintPoint& printedAt, double width, double rightLimit = 100);

// The text judged: an empty answer is 0.
bool IsRightCount(const QString& answer, int targets);

// "4 Is Correct!" or "3 Is Wrong! There are 4 7's.", with the answer as
// typed (an empty one reads " Is Correct!")
QString Verdict(const QString& answer, int targets, const QString& target);

// "How many  7's  are in the grid?"
QString Question(const QString& target);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace CharacterSearching
