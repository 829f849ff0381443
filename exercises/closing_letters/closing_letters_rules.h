// The rules of Closing Letters, free of widgets: where the tiles lie, which
// letter is drawn, which tile one click removes, how a typed key is judged
// and how the percentages are worked out.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QChar>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

namespace ClosingLetters {

constexpr int TileCount = 144;
constexpr int TilesPerRow = 12;
constexpr int TileSize = 255; // twips, square
constexpr int TileStep = 240; // twips between neighbouring tiles
// The percentages of the letter uncovered divide by 143, not 144.
constexpr int PercentDivisor = 143;

// Top-left corner of tile index (0 to 143) in twips inside the letter box:
// rows of twelve, each 240 lower; odd rows shifted half a tile to the left.
QPoint TileCorner(int index);

enum class LetterCase { Upper, Lower, Both };

// Character code of the letter to present: A to Y or a to y, never Z. With
// Both, a first draw below 0.5 gives upper case; the next draw the letter.
int ChooseLetterCode(LetterCase letterCase, const std::function<double()>& rnd);

// The tile a draw names: Rnd × 143 rounded, halves to even (0 to 143).
int TileForDraw(double rnd);

// "LetterF.jpg" for an upper case code, "LetterLCf.jpg" for a lower case one.
QString LetterFileName(int letterCode);

// The tiles over the current letter: which are gone and how many were erased.
class TileCover {
public:
    // Every tile back in place.
    void Cover();
    bool IsGone(int index) const { return gone_[index]; }
    // Marks tile index gone (it must not be gone yet).
    void Remove(int index);
    bool AllGone() const { return goneCount_ == TileCount; }
    int GoneCount() const { return goneCount_; }
    // Tiles erased as the percentages count them: a letter uncovered to the
    // last tile counts 143, that is 100%.
    int TilesErased() const { return goneCount_ < TileCount ? goneCount_ : PercentDivisor; }

private:
    std::array<bool, TileCount> gone_{};
    int goneCount_ = 0;
};

// Draws tiles until one that is still there comes up. Only called while at
// least one tile is left.
int DrawTileStillThere(const TileCover& cover, const std::function<double()>& rnd);

// Whole percent of the letter uncovered with tilesErased tiles gone (rounded down).
int PercentRevealed(int tilesErased);
// "3.5%": the same with one decimal.
QString PercentFinishedText(int tilesErased);

// The typed character in the case of the letter shown: lower case for a
// code of 96 or more, else upper case.
QChar InLetterCase(QChar typed, int letterCode);

// What the answer box and the result line show for a typed key: the
// character, or nothing for a key that types nothing visible (Backspace,
// Enter, Esc, Ctrl with a letter).
QString BoxText(QChar key);
// "F Is Correct" / "E Is Incorrect", the key shown as the box shows it.
QString AnswerMessage(QChar key, bool correct);

// "Average % Completed": Int(sum / tried) & "%"; empty when none was tried.
QString AverageCompletedText(long long percentRevealedSum, int tried);

// The adaptive ladder: one row of option values per level, easiest first.
const AdaptiveLadder& Ladder();

} // namespace ClosingLetters
