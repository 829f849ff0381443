#include "exercises/closing_letters/closing_letters_rules.h"

#include "shell/vb_runtime.h"

namespace ClosingLetters {

QPoint TileCorner(int index) {
    const int row = index / TilesPerRow;
    const int column = index % TilesPerRow;
    const int rowStart = row % 2 == 0 ? 0 : -TileStep / 2;
    return {rowStart + column * TileStep, row * TileStep};
}

int ChooseLetterCode(LetterCase letterCase, const std::function<double()>& rnd) {
    bool upper = letterCase == LetterCase::Upper;
    if (letterCase == LetterCase::Both) {
        upper = rnd() < 0.5;
    }
    const int first = upper ? 'A' : 'a';
    return static_cast<int>(Int(rnd() * 25 + first));
}

int TileForDraw(double rnd) {
    return static_cast<int>(RoundHalfEven(rnd * PercentDivisor));
}

QString LetterFileName(int letterCode) {
    const QChar letter(letterCode);
    return letterCode >= 96 ? "LetterLC" + QString(letter) + ".jpg"
                            : "Letter" + QString(letter) + ".jpg";
}

void TileCover::Cover() {
    gone_.fill(false);
    goneCount_ = 0;
}

void TileCover::Remove(int index) {
    if (!gone_[index]) {
        gone_[index] = true;
        ++goneCount_;
    }
}

int DrawTileStillThere(const TileCover& cover, const std::function<double()>& rnd) {
    int tile = TileForDraw(rnd());
    while (cover.IsGone(tile)) {
        tile = TileForDraw(rnd());
    }
    return tile;
}

int PercentRevealed(int tilesErased) {
    return tilesErased * 100 / PercentDivisor;
}

QString PercentFinishedText(int tilesErased) {
    return Format1(tilesErased * 100.0 / PercentDivisor) + "%";
}

QChar InLetterCase(QChar typed, int letterCode) {
    return letterCode >= 96 ? typed.toLower() : typed.toUpper();
}

QString BoxText(QChar key) {
    return key.isPrint() ? QString(key) : QString();
}

QString AnswerMessage(QChar key, bool correct) {
    return BoxText(key) + (correct ? " Is Correct" : " Is Incorrect");
}

QString AverageCompletedText(long long percentRevealedSum, int tried) {
    if (tried <= 0) {
        return {};
    }
    return QString::number(percentRevealedSum / tried) + "%";
}

const AdaptiveLadder& Ladder() {
    // Each level makes one thing harder and nothing easier: fewer tiles go
    // with each click of Erase Tiles (the letter is named from less of its
    // shape, where a large piece at a click often shows more than was
    // needed), and more of the letters in lower case, first half of them
    // (Both), then all (many lower case letters differ from another only in
    // a stroke or in which way they face: b d p q, n u h, i j l).
    static const AdaptiveLadder ladder{{"optUC", "OptBoth", "optLC", "HScroll2"},
                                       {
                                           {"True", "False", "False", "10"}, // 1
                                           {"True", "False", "False", "8"},  // 2
                                           {"True", "False", "False", "6"},  // 3
                                           {"True", "False", "False", "4"},  // 4
                                           {"False", "True", "False", "4"},  // 5
                                           {"False", "True", "False", "3"},  // 6
                                           {"False", "True", "False", "2"},  // 7
                                           {"False", "False", "True", "2"},  // 8
                                           {"False", "False", "True", "1"},  // 9
                                       }};
    return ladder;
}

} // namespace ClosingLetters
