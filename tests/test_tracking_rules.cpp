// The widget-free tracking rules: items, substitutions, sequences, the size
// of the page positions and the items-per-line rule.
#include "exercises/tracking/page_layout.h"
#include "exercises/tracking/tracking_items.h"
#include "exercises/tracking/tracking_rules.h"
#include "exercises/tracking/tracking_scores.h"
#include "tests/support/kova_test.h"

#include <QSet>
#include <QStringList>
#include <algorithm>

namespace {

double rnd() {
    return platform().Rnd();
}

// Each different item that many draws gave, in order, end to end.
QString Seen(CharacterType type) {
    QStringList seen;
    for (int i = 0; i < 5000; ++i) {
        seen << DrawCharacter(type, rnd());
    }
    seen.removeDuplicates();
    seen.sort();
    return seen.join("");
}
// Each different character that many sequences held, in order.
QString Seen(SequenceCharacters type) {
    QString seen;
    for (int i = 0; i < 5000; ++i) {
        seen += DrawSequence(type, 2, rnd);
    }
    std::sort(seen.begin(), seen.end());
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    return seen;
}

} // namespace

class TrackingRules : public KovaTest {};

TEST_F(TrackingRules, CharactersAndSequencesCoverExactlyTheirRanges) {
    QString tenTo97;
    for (int n = 10; n <= 97; ++n) {
        tenTo97 += QString::number(n);
    }
    EXPECT_EQ(Seen(CharacterType::SingleDigitNumbers), "123456789");
    EXPECT_EQ(Seen(CharacterType::DoubleDigitNumbers), tenTo97);
    EXPECT_EQ(Seen(CharacterType::UpperCaseLetters), "ABCDEFGHIJKLMNOPQRSTUVWXY"); // never "Z"
    EXPECT_EQ(Seen(CharacterType::LowerCaseLetters), "abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(Seen(CharacterType::Bdpq), "bdpq");
    EXPECT_EQ(Seen(SequenceCharacters::Numbers), "012345678"); // never "9"
    EXPECT_EQ(Seen(SequenceCharacters::UpperCaseLetters), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    // The items measured for the page's font size are the items drawn.
    for (CharacterType type :
         {CharacterType::SingleDigitNumbers, CharacterType::DoubleDigitNumbers,
          CharacterType::UpperCaseLetters, CharacterType::LowerCaseLetters, CharacterType::Bdpq}) {
        QStringList items = PossibleItems(type);
        items.sort();
        EXPECT_EQ(items.join(""), Seen(type));
    }
    const QStringList widest = WidestSequenceCandidates(SequenceCharacters::UpperCaseLetters, 4);
    EXPECT_EQ(widest.size(), 25);
    EXPECT_TRUE(widest.contains("WWWW") && widest.contains("MMMM"));
    // Each character of a sequence is drawn by itself.
    QList<double> values{0.0, 0.5, 0.999};
    EXPECT_EQ(DrawSequence(SequenceCharacters::LowerCaseLetters, 3,
                           [&values] { return values.takeFirst(); }),
              "amy");
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
            const double value = rnd();
            const QString drawn = DrawCharacter(c.type, value);
            const QString item = NextCharacter(c.type, "#", value);
            if (item == "#") {
                replaced.insert(drawn);
            } else {
                EXPECT_EQ(item, drawn);
            }
        }
        EXPECT_EQ(replaced, c.replaced) << int(c.type);
    }
}

TEST_F(TrackingRules, SequenceTargetChanceIsOneInNByItemsPerLine) {
    EXPECT_EQ(SequenceChanceDenominator(6), 6);
    EXPECT_EQ(SequenceChanceDenominator(4), 5);
    EXPECT_EQ(SequenceChanceDenominator(2), 3);
    EXPECT_EQ(SequenceChanceDenominator(8), 0);

    // n × rnd + 1 rounded half to even is 2 for rnd in [0.5 / n, 1.5 / n].
    EXPECT_FALSE(SequenceReplacedByTarget(6, 0.08));
    EXPECT_TRUE(SequenceReplacedByTarget(6, 0.5 / 6)); // 1.5 rounds to 2
    EXPECT_TRUE(SequenceReplacedByTarget(6, 1.5 / 6)); // 2.5 rounds to 2
    EXPECT_FALSE(SequenceReplacedByTarget(6, 0.26));
    EXPECT_FALSE(SequenceReplacedByTarget(0, 0.999));
}

TEST_F(TrackingRules, PageFontSizeStepsDownUntilTheWidestItemFitsEveryPosition) {
    // Six sequences per line above 20 points: lefts 25 to 10150, 2025 apart;
    // the last moves left from the page's edge until it meets the fifth.
    const PageSettings sixAt30{6, 30, true, false};
    EXPECT_EQ(ItemRoom(sixAt30), 1877); // (12000 - 120 - 8125) / 2
    auto width = [](int twipsPerPoint) {
        return [twipsPerPoint](int size) { return size * twipsPerPoint; };
    };
    EXPECT_EQ(PageFontSize(sixAt30, width(62)), 30); // 1860 fits
    EXPECT_EQ(PageFontSize(sixAt30, width(70)), 26); // 1820 is the first that fits
    EXPECT_EQ(PageFontSize(sixAt30, width(1000)), MinimumPageFontSize);
    EXPECT_EQ(PageFontSize({2, 30, true, false}, width(70)), 30);

    // Positions grow alike to the widest item and none runs past the page or
    // into its neighbour.
    for (const int itemWidth : {0, 1877, 5000}) {
        PageSettings grown = sixAt30;
        grown.itemWidth = itemWidth;
        const QList<QRect> positions = PagePositions(grown);
        const int expected = std::max(1800, std::min(itemWidth, 1877));
        for (int i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(positions[i].width(), expected);
            EXPECT_LE(positions[i].right(), PageWidth - 60);
            if (i % 6 != 0) {
                EXPECT_GE(positions[i].left(), positions[i - 1].right() + 60) << i;
            }
        }
        EXPECT_EQ(positions[4].left(), 8125); // only the last of a line moves
    }
}

TEST_F(TrackingRules, ItemsPerLineAcceptOnlyTheOfferedValues) {
    for (bool sequences : {false, true}) {
        const ComboRule rule = PerLineRule(sequences);
        QStringList accepted;
        for (const char* text : {"0", "2", "3", "4", "4.5", "5", "6", "8", "9", "two"}) {
            if (rule.accepts(text)) {
                accepted << text;
            }
        }
        EXPECT_EQ(accepted,
                  sequences ? QStringList({"2", "4", "6"}) : QStringList({"2", "5", "8"}));
        EXPECT_EQ(rule.title, "Error Message");
        EXPECT_EQ(rule.icon, vbInformation);
    }
    EXPECT_EQ(PerLineRule(false).message, "Only 2, 5, or 8 Characters Per Line.");
    EXPECT_EQ(PerLineRule(true).message, "Only 2, 4, or 6 Characters Per Line.");
}

TEST_F(TrackingRules, APagesJudgedAnswersCountEveryMissedTargetAsWrong) {
    struct Case {
        ResponseMode mode;
        int counted, wrong, targets;
        int right, judgedWrong;
    } const cases[] = {
        {ResponseMode::Timed, 3, 0, 3, 3, 0},
        {ResponseMode::Timed, 1, 2, 3, 1, 4}, // two presses on other items, two targets missed
        {ResponseMode::Timed, 0, 0, 0, 0, 0},
        {ResponseMode::Timed, 3, 0, 2, 3, 0}, // a target pressed twice counts twice
        {ResponseMode::Count, 2, 0, 3, 2, 1},
        {ResponseMode::Count, 5, 0, 3, 3, 2}, // presses beyond the targets are wrong
        {ResponseMode::Count, 3, 0, 3, 3, 0},
    };
    for (const Case& c : cases) {
        TrackScores page;
        page.CorrectCount = c.counted;
        page.WrongCount = c.wrong;
        page.TargetCount = c.targets;
        const JudgedAnswers judged = PageJudgedAnswers(page, c.mode);
        EXPECT_EQ(judged.right, c.right) << c.counted << " of " << c.targets;
        EXPECT_EQ(judged.wrong, c.judgedWrong) << c.counted << " of " << c.targets;
        AddPageToTotals(page, c.mode);
        AddPageToTotals(page, c.mode);
        EXPECT_EQ(page.Judged.right, 2 * c.right);
        EXPECT_EQ(page.Judged.wrong, 2 * c.judgedWrong);
    }
}

// Both exercises share the ladder: every level must suit both options
// screens, and each step must be harder without making anything easier.
TEST_F(TrackingRules, TheLadderSuitsBothExercisesAndEveryStepIsHarder) {
    const AdaptiveLadder& ladder = Tracking::Ladder();
    ASSERT_EQ(ladder.controls, QStringList({"cboSpeed", "cboFont", "Check1"}));
    ASSERT_GE(ladder.LevelCount(), 8);
    for (int level = 1; level <= ladder.LevelCount(); ++level) {
        const QStringList& values = ladder.levels[level - 1];
        for (bool sequences : {false, true}) {
            EXPECT_TRUE(SpeedList().contains(values[0])) << level;
            EXPECT_TRUE(FontList(sequences).contains(values[1])) << level;
            EXPECT_TRUE(FontRule(sequences).accepts(values[1])) << level;
        }
        if (level == 1) {
            continue;
        }
        const QStringList& easier = ladder.levels[level - 2];
        const bool faster = values[0].toDouble() < easier[0].toDouble();
        const bool smaller = values[1].toInt() < easier[1].toInt();
        const bool borderGone = values[2] == "False" && easier[2] == "True";
        EXPECT_TRUE(faster || smaller || borderGone) << "level " << level << " is no harder";
        EXPECT_LE(values[0].toDouble(), easier[0].toDouble()) << level;
        EXPECT_LE(values[1].toInt(), easier[1].toInt()) << level;
        EXPECT_FALSE(values[2] == "True" && easier[2] == "False") << level;
    }
}
