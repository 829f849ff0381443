#include "exercises/tracking/tracking_items.h"

#include "shell/random_characters.h"
#include "shell/vb_runtime.h"

namespace {

QString Letters(char first) {
    QString letters;
    for (int i = 0; i < 25; ++i) {
        letters += QChar(static_cast<char16_t>(first + i));
    }
    return letters;
}

} // namespace

QStringList PossibleItems(CharacterType type) {
    QStringList items;
    switch (type) {
    case CharacterType::SingleDigitNumbers:
    case CharacterType::DoubleDigitNumbers: {
        const bool doubleDigits = type == CharacterType::DoubleDigitNumbers;
        for (int n = doubleDigits ? 10 : 1; n <= (doubleDigits ? 97 : 9); ++n) {
            items << QString::number(n);
        }
        return items;
    }
    case CharacterType::UpperCaseLetters:
    case CharacterType::LowerCaseLetters:
        for (const QChar c : Letters(type == CharacterType::UpperCaseLetters ? 'A' : 'a')) {
            items << QString(c);
        }
        return items;
    case CharacterType::Bdpq:
        break;
    }
    return {"b", "d", "p", "q"};
}

QStringList WidestSequenceCandidates(SequenceCharacters type, int length) {
    QString characters;
    switch (type) {
    case SequenceCharacters::Numbers:
        characters = "012345678";
        break;
    case SequenceCharacters::UpperCaseLetters:
        characters = Letters('A');
        break;
    case SequenceCharacters::LowerCaseLetters:
        characters = Letters('a');
        break;
    }
    QStringList candidates;
    for (const QChar c : characters) {
        candidates << QString(length, c);
    }
    return candidates;
}

QString DrawCharacter(CharacterType type, double rnd) {
    switch (type) {
    case CharacterType::SingleDigitNumbers:
        return RandomCharacter(CharacterKind::Digit, rnd);
    case CharacterType::DoubleDigitNumbers:
        return WholeText(Int(rnd * 88 + 10));
    case CharacterType::UpperCaseLetters:
        return RandomCharacter(CharacterKind::Capital, rnd);
    case CharacterType::LowerCaseLetters:
        return RandomCharacter(CharacterKind::Small, rnd);
    case CharacterType::Bdpq:
        break;
    }
    return RandomCharacter(CharacterKind::Bdpq, rnd);
}

bool IsReplacedByTarget(CharacterType type, const QString& drawn) {
    switch (type) {
    case CharacterType::SingleDigitNumbers:
        return drawn.toInt() % 5 == 0;
    case CharacterType::DoubleDigitNumbers:
        return drawn.toInt() % 7 == 0;
    case CharacterType::UpperCaseLetters:
    case CharacterType::LowerCaseLetters:
        return drawn.size() == 1 && drawn.at(0).unicode() % 6 == 0;
    case CharacterType::Bdpq:
        break;
    }
    return false;
}

QString NextCharacter(CharacterType type, const QString& target, double rnd) {
    const QString drawn = DrawCharacter(type, rnd);
    return IsReplacedByTarget(type, drawn) ? target : drawn;
}

QString DrawSequence(SequenceCharacters type, int length, const RandomSource& rnd) {
    QString sequence;
    for (int i = 0; i < length; ++i) {
        const double r = rnd();
        switch (type) {
        case SequenceCharacters::Numbers:
            sequence += QChar(static_cast<char16_t>(Int(r * 9 + '0')));
            break;
        case SequenceCharacters::UpperCaseLetters:
            sequence += RandomCharacter(CharacterKind::Capital, r);
            break;
        case SequenceCharacters::LowerCaseLetters:
            sequence += RandomCharacter(CharacterKind::Small, r);
            break;
        }
    }
    return sequence;
}

int SequenceChanceDenominator(int perLine) {
    switch (perLine) {
    case 6:
        return 6;
    case 4:
        return 5;
    case 2:
        return 3;
    default:
        return 0;
    }
}

bool SequenceReplacedByTarget(int denominator, double rnd) {
    return RoundHalfEven(denominator * rnd + 1) == 2;
}
