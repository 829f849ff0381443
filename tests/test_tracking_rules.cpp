// The widget-free tracking rules: items, targets, substitutions, sequences,
// page positions and the option rules.
#include "exercises/tracking/option_rules.h"
#include "exercises/tracking/page_layout.h"
#include "exercises/tracking/tracking_items.h"
#include "tests/support/kova_test.h"

#include <QMap>
#include <QSet>

class TrackingRules : public KovaTest {
protected:
    QSet<QString> ManyDraws(CharacterType type) {
        QSet<QString> seen;
        for (int i = 0; i < 5000; ++i) {
            seen.insert(DrawCharacter(type, platform().Rnd()));
        }
        return seen;
    }
};

static QSet<QString> Range(int first, int last) {
    QSet<QString> all;
    for (int v = first; v <= last; ++v) {
        all.insert(QString::number(v));
    }
    return all;
}

static QSet<QString> Letters(char first, char last) {
    QSet<QString> all;
    for (char c = first; c <= last; ++c) {
        all.insert(QString(QChar(c)));
    }
    return all;
}

TEST_F(TrackingRules, CharactersCoverExactlyTheirRanges) {
    EXPECT_EQ(ManyDraws(CharacterType::SingleDigitNumbers), Range(1, 9));
    EXPECT_EQ(ManyDraws(CharacterType::DoubleDigitNumbers), Range(10, 97));
    EXPECT_EQ(ManyDraws(CharacterType::UpperCaseLetters), Letters('A', 'Y')); // never "Z"
    EXPECT_EQ(ManyDraws(CharacterType::LowerCaseLetters), Letters('a', 'y'));
    EXPECT_EQ(ManyDraws(CharacterType::Bdpq), (QSet<QString>{"b", "d", "p", "q"}));
}

TEST_F(TrackingRules, CharactersAtTheEndsOfTheRandomRange) {
    const double top = 0.9999999;
    EXPECT_EQ(DrawCharacter(CharacterType::SingleDigitNumbers, 0), "1");
    EXPECT_EQ(DrawCharacter(CharacterType::SingleDigitNumbers, top), "9");
    EXPECT_EQ(DrawCharacter(CharacterType::DoubleDigitNumbers, 0), "10");
    EXPECT_EQ(DrawCharacter(CharacterType::DoubleDigitNumbers, top), "97");
    EXPECT_EQ(DrawCharacter(CharacterType::UpperCaseLetters, top), "Y");
    EXPECT_EQ(DrawCharacter(CharacterType::LowerCaseLetters, 0), "a");
    EXPECT_EQ(DrawCharacter(CharacterType::Bdpq, 0), "b");
    EXPECT_EQ(DrawCharacter(CharacterType::Bdpq, top), "q");
}

TEST_F(TrackingRules, SubstitutionPutsTheTargetInPlaceOfTheRuleItems) {
    struct Case {
        CharacterType type;
        QSet<QString> replaced; // every drawable item the rule replaces
    } const cases[] = {
        {CharacterType::SingleDigitNumbers, {"5"}},
        {CharacterType::DoubleDigitNumbers,
         {"14", "21", "28", "35", "42", "49", "56", "63", "70", "77", "84", "91"}},
        {CharacterType::UpperCaseLetters, {"B", "H", "N", "T"}},
        {CharacterType::LowerCaseLetters, {"f", "l", "r", "x"}},
        {CharacterType::Bdpq, {}},
    };
    for (const Case& c : cases) {
        QSet<QString> replaced;
        for (int i = 0; i < 20000; ++i) {
            const double rnd = platform().Rnd();
            const QString drawn = DrawCharacter(c.type, rnd);
            const QString item = NextCharacter(c.type, "#", rnd);
            if (item == "#") {
                replaced.insert(drawn);
            } else {
                EXPECT_EQ(item, drawn);
            }
        }
        EXPECT_EQ(replaced, c.replaced) << int(c.type);
    }
}

TEST_F(TrackingRules, SequencesDrawEachCharacterFromItsRange) {
    QSet<QChar> digits, upper;
    for (int i = 0; i < 3000; ++i) {
        const QString numbers =
            DrawSequence(SequenceCharacters::Numbers, 4, [] { return platform().Rnd(); });
        ASSERT_EQ(numbers.size(), 4);
        for (QChar c : numbers) {
            digits.insert(c);
        }
        for (QChar c : DrawSequence(SequenceCharacters::UpperCaseLetters, 2,
                                    [] { return platform().Rnd(); })) {
            upper.insert(c);
        }
    }
    EXPECT_EQ(digits.size(), 9);
    EXPECT_FALSE(digits.contains('9'));
    EXPECT_TRUE(digits.contains('0') && digits.contains('8'));
    EXPECT_EQ(upper.size(), 25);
    EXPECT_FALSE(upper.contains('Z'));

    QList<double> values{0.0, 0.5, 0.999};
    EXPECT_EQ(DrawSequence(SequenceCharacters::LowerCaseLetters, 3,
                           [&values] { return values.takeFirst(); }),
              "amy");
}

TEST_F(TrackingRules, SequenceTargetChanceIsOneInN) {
    EXPECT_EQ(SequenceChanceDenominator(6), 6);
    EXPECT_EQ(SequenceChanceDenominator(4), 5);
    EXPECT_EQ(SequenceChanceDenominator(2), 3);
    EXPECT_EQ(SequenceChanceDenominator(8), 0);

    // n × rnd + 1 rounded half to even is 2 for rnd in [0.5 / n, 1.5 / n].
    EXPECT_FALSE(SequenceReplacedByTarget(6, 0.08));
    EXPECT_TRUE(SequenceReplacedByTarget(6, 0.5 / 6)); // 1.5 rounds to 2
    EXPECT_TRUE(SequenceReplacedByTarget(6, 1.5 / 6)); // 2.5 rounds to 2
    EXPECT_FALSE(SequenceReplacedByTarget(6, 0.26));
    for (int n : {3, 5, 6}) {
        int hits = 0;
        const int draws = 30000;
        for (int i = 0; i < draws; ++i) {
            hits += SequenceReplacedByTarget(n, platform().Rnd()) ? 1 : 0;
        }
        EXPECT_NEAR(double(hits) / draws, 1.0 / n, 0.01) << n;
    }
    for (double rnd : {0.0, 0.3, 0.999}) {
        EXPECT_FALSE(SequenceReplacedByTarget(0, rnd));
    }
}

TEST_F(TrackingRules, EveryLineHoldsTheChosenNumberOfPositions) {
    const int lineTops[] = {200, 1400, 2600, 3800, 5000, 6200};
    for (bool sequences : {false, true}) {
        const QList<int> perLineValues = sequences ? QList<int>{2, 4, 6} : QList<int>{2, 5, 8};
        for (int perLine : perLineValues) {
            for (int font : {12, 20, 22, 30, 32, 36}) {
                const PageSettings page{perLine, font, sequences, false};
                const QList<QRect> positions = PagePositions(page);
                ASSERT_EQ(positions.size(), perLine * 6) << perLine << " " << font;
                EXPECT_EQ(PageLimit(page), perLine * 6 + 1);
                for (int i = 0; i < positions.size(); ++i) {
                    const QRect& r = positions[i];
                    EXPECT_EQ(r.top(), lineTops[i / perLine]);
                    EXPECT_EQ(r.left(), positions[i - i % perLine].left() +
                                            (i % perLine) * HorizontalStep(perLine));
                    EXPECT_LE(r.left(), 11000);
                }
            }
        }
    }
    EXPECT_EQ(PageLimit({8, 14, false, false}), 49);
    EXPECT_EQ(PageLimit({4, 14, true, false}), 25);
}

TEST_F(TrackingRules, PositionSizeFollowsFontAndCharacterType) {
    struct Case {
        PageSettings page;
        QRect first;
    } const cases[] = {
        {{2, 20, false, false}, {350, 200, 550, 495}}, {{2, 22, false, true}, {350, 200, 550, 650}},
        {{2, 32, false, false}, {350, 200, 700, 820}}, {{2, 32, false, true}, {350, 200, 750, 820}},
        {{2, 20, true, false}, {300, 200, 1200, 495}}, {{2, 22, true, false}, {25, 200, 1800, 650}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PagePositions(c.page).first(), c.first) << c.page.fontSize;
    }
}

TEST_F(TrackingRules, ItemsPerLineAcceptOnlyTheListedValues) {
    for (bool sequences : {false, true}) {
        const ComboRule rule = PerLineRule(sequences);
        for (int n = 0; n <= 9; ++n) {
            const bool listed = PerLineList(sequences).contains(QString::number(n));
            EXPECT_EQ(rule.accepts(QString::number(n)), listed) << n;
        }
        EXPECT_FALSE(rule.accepts("4.5"));
        EXPECT_FALSE(rule.accepts("two"));
        EXPECT_EQ(rule.title, "Error Message");
        EXPECT_EQ(rule.icon, vbInformation);
    }
    EXPECT_EQ(PerLineRule(false).message, "Only 2, 5, or 8 Characters Per Line.");
    EXPECT_EQ(PerLineRule(true).message, "Only 2, 4, or 6 Characters Per Line.");
}
