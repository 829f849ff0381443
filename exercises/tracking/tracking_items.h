// The items of a tracking page: characters and sequences drawn at random,
// the target chosen for a page, and the rules that put the target in place
// of some drawn items so that it turns up often enough.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

enum class CharacterType {
    SingleDigitNumbers, // 1 to 9
    DoubleDigitNumbers, // 10 to 97
    UpperCaseLetters,   // A to Y
    LowerCaseLetters,   // a to y
    Bdpq,               // b, d, p, q
};

enum class SequenceCharacters {
    Numbers,          // digits 0 to 8
    UpperCaseLetters, // A to Y
    LowerCaseLetters, // a to y
};

// A value in [0, 1) per call (the platform's Rnd).
using RandomSource = std::function<double()>;

// Every item a page of the type can show ("1" to "9", "10" to "97", ...).
QStringList PossibleItems(CharacterType type);
// Each character of the type repeated to the sequence length ("AAA" to
// "YYY"): the widest sequence of the type is one of these.
QStringList WidestSequenceCandidates(SequenceCharacters type, int length);

// One item of the type from one random value; targets come from the same range.
QString DrawCharacter(CharacterType type, double rnd);

// Whether a drawn item is replaced by the page's target: single digits that
// are multiples of 5, double digits that are multiples of 7, letters whose
// character code is a multiple of 6 (B H N T, f l r x); never for bdpq.
bool IsReplacedByTarget(CharacterType type, const QString& drawn);

// The item for the next position: drawn, then replaced by the target when the
// rule above says so.
QString NextCharacter(CharacterType type, const QString& target, double rnd);

// A sequence of length characters drawn independently (repeats allowed).
QString DrawSequence(SequenceCharacters type, int length, const RandomSource& rnd);

// The target replaces a sequence with a chance of 1 in n, n depending on the
// sequences per line: 6 -> 6, 4 -> 5, 2 -> 3, anything else -> 0 (never).
int SequenceChanceDenominator(int perLine);

// True when the draw puts the target in place of the sequence:
// n × rnd + 1, rounded half to even, equals 2.
bool SequenceReplacedByTarget(int denominator, double rnd);
