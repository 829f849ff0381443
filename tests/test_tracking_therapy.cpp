// The tracking therapy and scores screens, driven page by page.
#include "tests/support/exercise_checks.h"
#include "tests/test_tracking_support.h"

#include <QApplication>
#include <QFontMetrics>
#include <QSet>

using namespace ModDODI;

class TrackingTherapy : public TrackingTest {
protected:
    TrackScores& scores() { return Scores<TrackScores>(); }
    // Draws the target, then one item per value (single digits 1 to 9).
    void ScriptDigits(int target, const QList<int>& items) {
        QList<double> values;
        for (int digit : QList<int>{target} + items) {
            values << (digit - 1) / 9.0 + 0.01;
        }
        fake().ScriptRnd(values);
    }
    QStringList ShownTexts() const {
        QStringList texts;
        for (const ShownItem& item : shown) {
            texts << item.text;
        }
        return texts;
    }
    // The three counters of the page, as shown.
    static QString Counters(const frmTrackT& t) {
        return QStringList{t.lblCor->text(), t.lblWrng->text(), t.lblMissed->text()}.join(" | ");
    }
    // Targets, right and wrong of every page so far.
    QList<int> Totals() {
        return {scores().TotalTargets, scores().TotalCorrect, scores().TotalWrong};
    }
    frmTrackS& OpenScores(frmTrackT& t) {
        Click(t.cmdScores);
        return Loaded<frmTrackS>();
    }
};

TEST_F(TrackingTherapy, PagesHoldSixLinesOfTheChosenItemsPerLineInReadingOrder) {
    const std::pair<bool, QString> choices[] = {{false, "2"}, {false, "5"}, {false, "8"},
                                                {true, "2"},  {true, "4"},  {true, "6"}};
    for (const auto& [sequences, perLine] : choices) {
        QList<std::pair<QString, QString>> settings{{"cboPerLine", perLine}, {"cboFont", "16"}};
        if (sequences) {
            settings.emplace_back("Check1", ""); // no border
        }
        frmTrackT& t = OpenTherapy(sequences, settings);
        QMap<int, int> perTop;
        QRect previous;
        for (VbLabel* position : t.Label1) {
            if (position->isVisible()) {
                perTop[position->y()]++;
                EXPECT_TRUE(previous.isNull() || position->y() > previous.y() ||
                            (position->y() == previous.y() && position->x() > previous.x()));
                previous = position->geometry();
                EXPECT_EQ(position->font().pointSize(), 16);
                EXPECT_EQ(position->frameShape(), sequences ? QFrame::NoFrame : QFrame::Box);
            }
        }
        EXPECT_EQ(perTop.values(), QList<int>(6, perLine.toInt())) << perLine.toStdString();
        Forms::UnloadAll();
        ProcessEvents();
    }
}

TEST_F(TrackingTherapy, CountModePageShowsEachItemForTheDisplaySpeedAndCountsOverCounting) {
    frmTrackT& t = OpenTherapy();
    ScriptDigits(3, {3, 5, 3, 5, 5, 3, 5, 3, 3, 5, 3, 5}); // every 5 is replaced by the target
    int itemsOnScreenDuringEvents = 0;
    PageScript script{{}, [&](frmTrackT& screen) {
                          for (VbLabel* position : screen.Label1) {
                              itemsOnScreenDuringEvents += !position->text().trimmed().isEmpty();
                          }
                      }};
    for (int position = 1; position <= 12; ++position) {
        script.pressesAt[position] = position == 12 ? 4 : 1;
    }
    RunPage(t, script);

    EXPECT_EQ(
        startMessages,
        QStringList{"You Are Looking For The Character:  3\r\nClick OK When Ready To Start."});
    EXPECT_EQ(t.lblTargType->text(), "Looking For: 3");
    EXPECT_EQ(ShownTexts(), QStringList(12, "3"));
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].position, i + 1);
        EXPECT_EQ(shown[i].ms, 800);
    }
    EXPECT_EQ(itemsOnScreenDuringEvents, 0); // erased before events run
    // The ready signal: three beats of 250 ms on and 250 ms off before the first item.
    EXPECT_EQ(fake().Sleeps.mid(0, 7), (QList<int>{250, 250, 250, 250, 250, 250, 800}));
    EXPECT_TRUE(Counters(t).startsWith("15 Counted | 12 Targets | "));
    EXPECT_EQ(scores().CorrectCount, 0); // the page counters start afresh
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_FALSE(t.cmdClkScore->isEnabled());

    frmTrackS& s = OpenScores(t);
    EXPECT_EQ(
        Texts(&s, {"lblTotalTarg", "lblTargCount", "Label3", "lblPerCor", "lblPages", "lblTotal",
                   "lblAuto4", "lblAuto6"}),
        (QStringList{"12", "15", "Over Counted Targets By:", "125%", "1", "12", "0.8 Secs", "14"}));
    // Count mode: nothing is wrong or missed.
    EXPECT_FALSE(s.Caption("Label5")->isVisible() || s.Value("lblWrong1")->isVisible());
    EXPECT_FALSE(s.Caption("Label6")->isVisible() || s.Value("lblMissed")->isVisible());
}

TEST_F(TrackingTherapy, TimedModeJudgesEachPressOrKeyAgainstTheLatestItem) {
    frmTrackT& t = OpenTherapy(false, {{"chkReact", ""}, {"cboSpeed", "0.25"}});
    EXPECT_EQ(t.lblMissed->text(), "M= 0");
    ScriptDigits(3, {3, 1, 5, 2, 4, 6, 7, 8, 9, 1, 2, 4});
    QStringList missedDuringPage;
    // Enter presses the default button "Click To Score"; space presses it, as it has the focus.
    RunPage(t, {{{1, 1}, {3, 1}}, [&](frmTrackT& screen) {
                    if (scores().PositionIndex == 2) {
                        missedDuringPage << screen.lblMissed->text();
                        QTest::keyClick(screen.windowHandle(), Qt::Key_Return);
                    } else if (scores().PositionIndex == 3) {
                        EXPECT_EQ(QApplication::focusWidget(), screen.cmdClkScore);
                        QTest::keyClick(screen.cmdClkScore, Qt::Key_Space);
                    }
                    QCoreApplication::processEvents();
                }});

    EXPECT_EQ(shown.first().ms, 250);
    EXPECT_EQ(missedDuringPage, QStringList{"M=0"}); // 1 target, 1 counted
    EXPECT_EQ(Counters(t), "C= 3 | W= 1 | M=-1");
    EXPECT_EQ(Totals(), (QList<int>{2, 3, 1}));
    EXPECT_TRUE(t.windowTitle().endsWith("..........Reaction Time On"));

    frmTrackS& s = OpenScores(t);
    EXPECT_TRUE(s.Caption("Label5")->isVisible() && s.Value("lblMissed")->isVisible());
    EXPECT_EQ(Texts(&s, {"lblWrong1", "lblMissed", "Label3", "lblPerCor"}),
              (QStringList{"1", "-1", "Over Counted Targets By:", "150%"}));
}

TEST_F(TrackingTherapy, TimedPagesEachStartFromZeroAndAddUpOnce) {
    frmTrackT& t = OpenTherapy(false, {{"chkReact", ""}});
    // Page 1: one target, pressed; a wrong press after the second item.
    ScriptDigits(3, {3, 1, 2, 4, 6, 7, 8, 9, 1, 2, 4, 6});
    RunPage(t, {{{1, 1}, {2, 1}}, {}});
    EXPECT_TRUE(Counters(t).startsWith("C= 1 | W= 1 | "));

    // Page 2: two targets, neither pressed; one wrong press.
    QStringList countersAtStart;
    ScriptDigits(7, {7, 7, 1, 2, 4, 6, 8, 9, 1, 2, 4, 6});
    RunPage(t, {{{3, 1}}, [&](frmTrackT& screen) {
                    if (screen.frmStartMess->isVisible() && countersAtStart.isEmpty()) {
                        countersAtStart << Counters(screen);
                    }
                }});
    EXPECT_EQ(countersAtStart, QStringList{"C= 0 | W= 0 | M= 0"});
    EXPECT_EQ(Counters(t), "C= 0 | W= 1 | M=2");

    EXPECT_EQ(Texts(&OpenScores(t), {"lblTotalTarg", "lblTargCount", "lblWrong1", "lblMissed",
                                     "lblPerCor", "lblPages", "lblTotal"}),
              (QStringList{"3", "1", "2", "2", "33%", "2", "24"}));
}

TEST_F(TrackingTherapy, ScoresBeforeAnyPageKeepThePercentLineEmpty) {
    EXPECT_EQ(Texts(&OpenScores(OpenTherapy()), {"Label3", "lblPerCor"}),
              (QStringList{"Percent Correct:", ""}));
}

TEST_F(TrackingTherapy, RequiredPagesEndWithTheInformationFrame) {
    frmTrackT& t = OpenTherapy(false, {{"cboPages", "2"}});
    RunPage(t);
    RunPage(t);
    EXPECT_FALSE(t.frmInfo->isVisible());

    Click(t.cmdStart); // the third page is not started
    EXPECT_EQ(startMessages.size(), 2);
    ASSERT_TRUE(t.frmInfo->isVisible());
    EXPECT_TRUE(t.frmInfo->Text->text().startsWith("You have completed the required number"));
    EXPECT_FALSE(t.cmdStart->isEnabled());

    Click(t.frmInfo->cmdOK);
    EXPECT_TRUE(IsShown("frmTrackS"));
    EXPECT_EQ(Texts(&Loaded<frmTrackS>(), {"lblPages", "lblTotal"}), (QStringList{"2", "24"}));
}

TEST_F(TrackingTherapy, StoppedPageAddsItsCountsButDoesNotCountAndPagesGoOnWithoutALimit) {
    frmTrackT& t = OpenTherapy();
    ScriptDigits(5, QList<int>(12, 5));
    // A click on a counter hides the three of them.
    auto hideCountersThenStopAt = [](int stopAt) {
        return [stopAt](frmTrackT& screen) {
            if (Scores<TrackScores>().PositionIndex == 1 && screen.lblCor->isVisible()) {
                Click(screen.lblCor);
            }
            if (Scores<TrackScores>().PositionIndex == stopAt && screen.Running) {
                Click(screen.cmdStart); // Stop
            }
        };
    };
    RunPage(t, {{{1, 1}, {2, 1}}, hideCountersThenStopAt(4)});
    EXPECT_EQ(shown.size(), 4);
    EXPECT_EQ(Totals().mid(0, 2), (QList<int>{4, 2}));
    EXPECT_EQ(scores().PagesDone, 0);
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWrng->isVisible() && t.lblMissed->isVisible());
    EXPECT_EQ(t.lblWrng->text(), "4 Targets");
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_FALSE(t.cmdClkScore->isEnabled());

    // A page that ends shows two of the hidden counters again, not the missed one.
    RunPage(t, {{}, hideCountersThenStopAt(-1)});
    EXPECT_TRUE(t.lblCor->isVisible() && t.lblWrng->isVisible());
    EXPECT_FALSE(t.lblMissed->isVisible());
    RunPage(t);
    RunPage(t);
    EXPECT_EQ(startMessages.size(), 4);
    EXPECT_EQ(shown.size(), 4 + 36);
    EXPECT_EQ(scores().PagesDone, 3);
    EXPECT_FALSE(t.frmInfo->isVisible());
}

TEST_F(TrackingTherapy, PracticeTimeEndsWithTheScoresScreen) {
    frmTrackT& t = OpenTherapy(false, {{"cboPracTime", "1"}});
    RunPage(t, {{}, [this](frmTrackT&) {
                    if (Scores<TrackScores>().PositionIndex == 12) {
                        fake().Now += 60;
                    }
                }});
    EXPECT_EQ(fake().Sleeps.last(), 1000);
    EXPECT_TRUE(IsShown("frmTrackS"));
    EXPECT_EQ(Loaded<frmTrackS>().Value("lblPages")->text(), "1");
}

TEST_F(TrackingTherapy, SequencePageCountsOnlySubstitutedTargets) {
    frmTrackT& t = OpenTherapy(true, {{"chkReact", ""}}); // timed
    const double keep = 0.9;                              // the 1-in-3 draw that keeps a sequence
    QList<double> values = SequenceRnd("012");            // the target
    values << SequenceRnd("345") << 0.2;  // replaced by the target: 3 × 0.2 + 1 = 1.6 -> 2
    values << SequenceRnd("012") << keep; // the target by chance
    for (int i = 0; i < 10; ++i) {
        values << SequenceRnd("888") << keep;
    }
    fake().ScriptRnd(values);
    RunPage(t, {{{1, 1}, {2, 1}, {3, 1}}, {}});

    EXPECT_EQ(startMessages.value(0), "You Are Looking For The Sequence:  012\r\n"
                                      "Click OK When Ready To Start.");
    EXPECT_EQ(ShownTexts().mid(0, 3), (QStringList{"012", "012", "888"}));
    EXPECT_EQ(Totals(), (QList<int>{1, 2, 1})) << "the chance item is still judged as the target";

    EXPECT_EQ(OpenScores(t).Caption("Label10")->text(), "Total Sequences All Pages");
}

TEST_F(TrackingTherapy, EveryItemOfAPageIsShownAtOneFontSizeThatHoldsTheWidestItem) {
    // The random value that draws an upper case letter.
    auto letters = [](const QString& text) {
        QList<double> values;
        for (const QChar c : text) {
            values << (c.unicode() - 'A' + 0.5) / 25.0;
        }
        return values;
    };
    struct Case {
        bool sequences;
        QList<std::pair<QString, QString>> settings;
        bool stepsDown; // the widest item cannot fit at the chosen size
    } const cases[] = {
        {false, {{"optDnumbers", ""}, {"cboPerLine", "8"}, {"cboFont", "36"}}, false},
        {true,
         {{"optSLetterU", ""}, {"cboSeqLen", "4"}, {"cboPerLine", "2"}, {"cboFont", "30"}},
         false},
        {true,
         {{"optSLetterU", ""}, {"cboSeqLen", "4"}, {"cboPerLine", "6"}, {"cboFont", "30"}},
         true},
    };
    for (const Case& c : cases) {
        shown.clear();
        frmTrackT& t = OpenTherapy(c.sequences, c.settings);
        if (c.sequences) {
            QList<double> values = letters("MMMM"); // the target
            for (int i = 0; i < 12; ++i) {
                values << letters(i % 2 == 0 ? "IIII" : "WWWW") << 0.9; // kept
            }
            fake().ScriptRnd(values);
        } else {
            fake().ScriptRnd({0.999, 0.0, 0.999, 0.5}); // 97, 10, 97, 54
        }
        RunPage(t);

        const int chosen = c.settings.last().second.toInt();
        QSet<int> sizes;
        for (const ShownItem& item : shown) {
            sizes.insert(item.font.pointSize());
            EXPECT_LE(QFontMetrics(item.font).horizontalAdvance(item.text), item.room)
                << item.text.toStdString();
        }
        ASSERT_EQ(sizes.size(), 1) << "one page, one font size";
        EXPECT_EQ(*sizes.begin() < chosen, c.stepsDown) << *sizes.begin();
        EXPECT_TRUE(ShownTexts().contains(c.sequences ? "WWWW" : "97"));
        Forms::UnloadAll();
        ProcessEvents();
    }
}

// ---- Leaving the screen while it loops ----

TEST_F(TrackingTherapy, ClosingTheWindowDuringTheStartMessageOrAPageEndsIt) {
    for (int closeAt : {0, 3}) { // 0: while the start message waits for OK
        shown.clear();
        startMessages.clear();
        RunPage(OpenTherapy(), {{{1, 1}}, [closeAt](frmTrackT& screen) {
                                    if (Scores<TrackScores>().PositionIndex == closeAt) {
                                        screen.close();
                                    }
                                }});
        ProcessEvents();
        EXPECT_EQ(startMessages.size(), closeAt == 0 ? 0 : 1);
        EXPECT_EQ(shown.size(), closeAt);
        EXPECT_FALSE(IsLoaded("frmTrackT"));
        EXPECT_TRUE(IsShown("frmTrackO"));
        EXPECT_EQ(scores().PagesDone, 0);
        EXPECT_EQ(scores().TotalCorrect, 0);
    }
}

TEST_F(TrackingTherapy, ActivatedAgainDuringAPageItGoesOnAsItBegan) {
    frmTrackT& t = OpenTherapy();
    bool reopened = false;
    RunPage(t, {{}, [&reopened](frmTrackT& screen) {
                    if (Scores<TrackScores>().PositionIndex == 4 && !reopened) {
                        reopened = true;
                        // The options reopened in the other mode, then the therapy
                        // screen shown and activated again.
                        Loaded<frmMain>().cmdTS_Click();
                        Forms::Show(screen);
                    }
                }});
    EXPECT_TRUE(reopened);
    EXPECT_EQ(shown.size(), 12);
    EXPECT_EQ(ShownTexts().join("").size(), 12); // single characters to the end
    EXPECT_EQ(scores().PagesDone, 1);
}

// In the adaptive mode a page is a set: the level moves only when the next
// page starts, and that page is laid out and timed for its level. A missed
// target is judged wrong.
TEST_F(TrackingTherapy, TheAdaptiveLevelMovesBetweenPagesAndLaysOutTheNextOne) {
    frmTrackO& o = OpenOptions();
    ChooseAdaptive(o, 5);
    frmTrackT& t = OpenTherapy(false, {{"chkReact", ""}}); // timed: C, W and M
    auto level = [&t] { return Find<QLabel>(&t, AdaptiveNames::LevelLabel)->text(); };
    const QList<int> threeTargets = {3, 1, 1, 3, 1, 1, 3, 1, 1, 1, 1, 1};
    const PageScript allPressed{{{1, 1}, {4, 1}, {7, 1}}, {}};
    ScriptDigits(3, threeTargets);
    RunPage(t, allPressed);
    ScriptDigits(3, threeTargets);
    RunPage(t, allPressed);
    EXPECT_EQ(level(), "Level 5") << "no page has started since the block was complete";
    EXPECT_EQ(scores().Judged.right, 6);

    shown.clear();
    ScriptDigits(3, threeTargets);
    RunPage(t, {{{1, 1}}, {}}); // two targets missed
    EXPECT_EQ(level(), "Level 6");
    EXPECT_EQ(QStringList({o.cboSpeed->Text(), o.cboFont->Text()}), QStringList({"0.6", "16"}));
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first().ms, 600);
    EXPECT_EQ(shown.first().font.pointSize(), 16);
    EXPECT_EQ(t.Label1[0]->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(scores().Judged.right, 7);
    EXPECT_EQ(scores().Judged.wrong, 2);
}
