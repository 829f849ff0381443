// The tracking therapy and scores screens, driven page by page.
#include "tests/test_tracking_support.h"

#include "exercises/tracking/option_rules.h"
#include "shell/twips.h"

#include <QApplication>
#include <QSet>

using namespace ModDODI;

class TrackingTherapy : public TrackingTest {
protected:
    TrackScores& scores() { return Scores<TrackScores>(); }
    // Target first, then one value per item.
    void ScriptDigits(int target, const QList<int>& items) {
        QList<double> values{DigitRnd(target)};
        for (int item : items) {
            values << DigitRnd(item);
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
    frmTrackS& OpenScores(frmTrackT& t) {
        Click(t.cmdScores);
        return Loaded<frmTrackS>();
    }
    static QString Value(frmTrackS& s, const QString& name) { return s.Value(name)->text(); }
};

TEST_F(TrackingTherapy, PagePositionsFollowItemsPerLine) {
    for (bool sequences : {false, true}) {
        for (const QString& perLine : PerLineList(sequences)) {
            frmTrackO& o = OpenOptions(sequences);
            SetOption(o.cboPerLine, perLine);
            SetOption(o.cboFont, "16");
            Click(o.cmdToTherapy);
            frmTrackT& t = Loaded<frmTrackT>();
            QMap<int, int> perTop;
            for (VbLabel* position : t.Label1) {
                if (position->isVisible()) {
                    perTop[position->y()]++;
                    EXPECT_EQ(position->font().pointSize(), 16);
                    EXPECT_EQ(position->frameShape(), QFrame::Box);
                    EXPECT_EQ(position->BackColor(), QColor(Qt::white));
                }
            }
            EXPECT_EQ(perTop.size(), 6) << perLine.toStdString();
            for (int count : perTop) {
                EXPECT_EQ(count, perLine.toInt()) << perLine.toStdString();
            }
            EXPECT_EQ(t.Label1[0]->geometry(),
                      TwipsRect(sequences ? 300 : 350, 200, sequences ? 1200 : 550, 495));
            Forms::UnloadAll();
            ProcessEvents();
        }
    }
}

TEST_F(TrackingTherapy, BorderFollowsTheDisplayBorderSetting) {
    frmTrackO& o = OpenOptions();
    Click(o.Check1);
    Click(o.cmdToTherapy);
    EXPECT_EQ(Loaded<frmTrackT>().Label1[0]->frameShape(), QFrame::NoFrame);
}

TEST_F(TrackingTherapy, CountModePageShowsEachItemForTheDisplaySpeed) {
    frmTrackT& t = OpenTherapy();
    EXPECT_FALSE(t.cmdClkScore->isEnabled());
    EXPECT_EQ(t.lblCor->text(), "0 Counted");
    EXPECT_EQ(t.windowTitle(),
              "KOVA.....Practice Time = 0 Mins  0 Secs..........Reaction Time Off ");
    ScriptDigits(3, {3, 5, 1, 2, 3, 4, 6, 7, 8, 9, 1, 2}); // 5 is replaced by the target
    int itemsOnScreenDuringEvents = 0;
    PageScript script;
    script.pressesAt = {{1, 1}, {2, 2}, {7, 1}};
    script.atEvents = [&](frmTrackT& screen) {
        for (VbLabel* position : screen.Label1) {
            itemsOnScreenDuringEvents += position->text().trimmed().isEmpty() ? 0 : 1;
        }
    };
    RunPage(t, script);

    EXPECT_EQ(
        startMessages,
        QStringList{"You Are Looking For The Character:  3\r\nClick OK When Ready To Start."});
    EXPECT_EQ(t.lblTargType->text(), "Looking For: 3");
    EXPECT_EQ(ShownTexts(),
              (QStringList{"3", "3", "1", "2", "3", "4", "6", "7", "8", "9", "1", "2"}));
    for (int i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].position, i + 1);
        EXPECT_EQ(shown[i].ms, 800);
    }
    EXPECT_EQ(itemsOnScreenDuringEvents, 0); // erased before events run
    ASSERT_EQ(fake().Sounds.size(), 3);
    EXPECT_TRUE(fake().Sounds[0].endsWith("Ding.wav"));
    // The ready signal: three beats of 250 ms on and 250 ms off before the first item.
    EXPECT_EQ(fake().Sleeps.mid(0, 7), (QList<int>{250, 250, 250, 250, 250, 250, 800}));
    EXPECT_EQ(t.Label1[0]->font().pointSize(), t.Label1[1]->font().pointSize());

    EXPECT_EQ(t.lblCor->text(), "4 Counted");
    EXPECT_EQ(t.lblWrng->text(), "3 Targets");
    EXPECT_EQ(scores().TotalCorrect, 4);
    EXPECT_EQ(scores().TotalTargets, 3);
    EXPECT_EQ(scores().TotalWrong, 0);
    EXPECT_EQ(scores().TotalMissed, -1);
    EXPECT_EQ(scores().PagesDone, 1);
    EXPECT_EQ(scores().PositionIndex, 0);
    EXPECT_EQ(scores().CorrectCount, 0); // the page counters start afresh
    EXPECT_FALSE(t.Running);
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_TRUE(t.cmdScores->isEnabled());
    EXPECT_TRUE(t.cmdOptions->isEnabled());
    EXPECT_FALSE(t.cmdClkScore->isEnabled());
}

TEST_F(TrackingTherapy, TimedModeJudgesEachPressAgainstTheLatestItem) {
    frmTrackO& o = OpenOptions();
    Click(o.chkReact);
    SetOption(o.cboSpeed, "0.25");
    Click(o.cmdToTherapy);
    frmTrackT& t = Loaded<frmTrackT>();
    EXPECT_EQ(t.lblCor->text(), "C= 0");
    EXPECT_EQ(t.lblWrng->text(), "W= 0");
    EXPECT_EQ(t.lblMissed->text(), "M= 0");
    ScriptDigits(3, {3, 1, 5, 2, 4, 6, 7, 8, 9, 1, 2, 4});
    QStringList missedDuringPage;
    PageScript script;
    script.pressesAt = {{1, 1}, {2, 1}, {3, 2}};
    script.atEvents = [&](frmTrackT& screen) {
        if (scores().PositionIndex == 2) {
            missedDuringPage << screen.lblMissed->text();
        }
    };
    RunPage(t, script);

    EXPECT_EQ(shown.first().ms, 250);
    EXPECT_EQ(missedDuringPage.first(), "M=0"); // 1 target, 1 counted
    EXPECT_EQ(t.lblCor->text(), "C= 3");
    EXPECT_EQ(t.lblWrng->text(), "W= 1");
    EXPECT_EQ(t.lblMissed->text(), "M=-1");
    EXPECT_EQ(scores().TotalTargets, 2);
    EXPECT_EQ(scores().TotalCorrect, 3);
    EXPECT_EQ(scores().TotalWrong, 1);
    EXPECT_EQ(scores().TotalMissed, -1);
    EXPECT_TRUE(t.windowTitle().endsWith("..........Reaction Time On"));

    frmTrackS& s = OpenScores(t);
    EXPECT_TRUE(s.Value("lblMissed")->isVisible());
    EXPECT_TRUE(s.Caption("Label5")->isVisible());
    EXPECT_EQ(Value(s, "lblWrong1"), "1");
    EXPECT_EQ(Value(s, "lblMissed"), "-1");
    EXPECT_EQ(s.Caption("Label3")->text(), "Over Counted Targets By:");
    EXPECT_EQ(Value(s, "lblPerCor"), "150%");
    EXPECT_EQ(Value(s, "lblAuto4"), "0.25 Secs");
}

TEST_F(TrackingTherapy, OverCountingShowsOnTheScoresScreen) {
    frmTrackT& t = OpenTherapy();
    ScriptDigits(5, QList<int>(12, 5)); // every drawn 5 is one target
    PageScript script;
    for (int position = 1; position <= 12; ++position) {
        script.pressesAt[position] = position == 12 ? 4 : 1;
    }
    RunPage(t, script);
    EXPECT_EQ(scores().TotalTargets, 12);
    EXPECT_EQ(scores().TotalCorrect, 15);
    EXPECT_EQ(scores().TotalMissed, -3);

    frmTrackS& s = OpenScores(t);
    EXPECT_FALSE(IsShown("frmTrackT"));
    EXPECT_FALSE(IsShown("frmTrackO"));
    EXPECT_EQ(s.Title()->text(), "Tracking Numbers or Letters Scores");
    EXPECT_EQ(Value(s, "lblTotalTarg"), "12");
    EXPECT_EQ(Value(s, "lblTargCount"), "15");
    EXPECT_EQ(s.Caption("Label3")->text(), "Over Counted Targets By:");
    EXPECT_EQ(Value(s, "lblPerCor"), "125%");
    // Count mode: nothing is wrong or missed.
    EXPECT_FALSE(s.Value("lblWrong1")->isVisible());
    EXPECT_FALSE(s.Caption("Label5")->isVisible());
    EXPECT_FALSE(s.Value("lblMissed")->isVisible());
    EXPECT_FALSE(s.Caption("Label6")->isVisible());
    const int lineStep = s.Caption("Label2")->y() - s.Caption("Label1")->y();
    EXPECT_EQ(s.Caption("Label3")->y(), s.Caption("Label2")->y() + lineStep); // no gap
    EXPECT_EQ(Value(s, "lblPages"), "1");
    EXPECT_EQ(s.Caption("Label10")->text(), "Total Characters All Pages");
    EXPECT_EQ(Value(s, "lblTotal"), "12");
    EXPECT_EQ(Value(s, "lblAuto4"), "0.8 Secs");
    EXPECT_EQ(Value(s, "lblAuto6"), "14");
    EXPECT_EQ(Value(s, "lblPracTime"), "0 Mins  11 Secs");
}

TEST_F(TrackingTherapy, ScoresBeforeAnyPageAndTheWaysBack) {
    frmTrackT& t = OpenTherapy();
    frmTrackS& s = OpenScores(t);
    EXPECT_EQ(Value(s, "lblTotalTarg"), "0");
    EXPECT_EQ(s.Caption("Label3")->text(), "Percent Correct:");
    EXPECT_EQ(Value(s, "lblPerCor"), "");
    EXPECT_EQ(Value(s, "lblPages"), "0");

    Click(&s, "cmdOptions");
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmTrackT"));
    EXPECT_FALSE(IsLoaded("frmTrackS"));
    EXPECT_TRUE(IsShown("frmTrackO"));

    frmTrackT& again = OpenTherapy();
    frmTrackS& s2 = OpenScores(again);
    Click(&s2, "cmdMainMenu");
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmTrackO"));
    EXPECT_FALSE(IsLoaded("frmTrackT"));
    EXPECT_FALSE(IsLoaded("frmTrackS"));
}

TEST_F(TrackingTherapy, RequiredPagesEndWithTheInformationFrame) {
    frmTrackO& o = OpenOptions();
    SetOption(o.cboPages, "2");
    Click(o.cmdToTherapy);
    frmTrackT& t = Loaded<frmTrackT>();
    RunPage(t);
    RunPage(t);
    EXPECT_EQ(startMessages.size(), 2);
    EXPECT_FALSE(t.frmInfo->isVisible());
    const int sleepsBefore = static_cast<int>(fake().Sleeps.size());

    Click(t.cmdStart); // the third page is not started
    EXPECT_EQ(startMessages.size(), 2);
    EXPECT_EQ(fake().Sleeps.size(), sleepsBefore);
    ASSERT_TRUE(t.frmInfo->isVisible());
    EXPECT_EQ(t.frmInfo->title(), "Information:");
    EXPECT_EQ(t.frmInfo->Text->text(),
              "You have completed the required number of pages requested in the Options Menu. "
              "Your scores will now be displayed.");
    EXPECT_FALSE(t.cmdStart->isEnabled());

    Click(t.frmInfo->cmdOK);
    frmTrackS& s = Loaded<frmTrackS>();
    EXPECT_TRUE(IsShown("frmTrackS"));
    EXPECT_EQ(Value(s, "lblPages"), "2");
    EXPECT_EQ(Value(s, "lblTotal"), "24");
}

TEST_F(TrackingTherapy, NoPageLimitKeepsStartingPages) {
    frmTrackT& t = OpenTherapy();
    for (int page = 0; page < 3; ++page) {
        RunPage(t);
    }
    EXPECT_EQ(startMessages.size(), 3);
    EXPECT_FALSE(t.frmInfo->isVisible());
    EXPECT_EQ(Value(OpenScores(t), "lblTotal"), "36"); // 2 per line, 3 pages
}

TEST_F(TrackingTherapy, StoppedPageAddsItsCountsButDoesNotCount) {
    frmTrackT& t = OpenTherapy();
    ScriptDigits(5, QList<int>(12, 5));
    PageScript script;
    script.pressesAt = {{1, 1}, {2, 1}};
    script.atEvents = [](frmTrackT& screen) {
        if (Scores<TrackScores>().PositionIndex == 1 && screen.lblCor->isVisible()) {
            Click(screen.lblCor); // hides the three counters
        }
        if (Scores<TrackScores>().PositionIndex == 4 && screen.Running) {
            Click(screen.cmdStart); // Stop
        }
    };
    RunPage(t, script);
    EXPECT_EQ(shown.size(), 4);
    EXPECT_EQ(scores().TotalTargets, 4);
    EXPECT_EQ(scores().TotalCorrect, 2);
    EXPECT_EQ(scores().PagesDone, 0);
    for (VbLabel* counter : {t.lblCor, t.lblWrng, t.lblMissed}) {
        EXPECT_TRUE(counter->isVisible()) << counter->objectName().toStdString();
    }
    EXPECT_EQ(t.lblWrng->text(), "4 Targets");
    EXPECT_EQ(t.cmdStart->text(), "Start");
    EXPECT_TRUE(t.cmdScores->isEnabled());
    EXPECT_FALSE(t.cmdClkScore->isEnabled());
}

TEST_F(TrackingTherapy, HiddenCountersReturnWithoutMissedAtThePageEnd) {
    frmTrackT& t = OpenTherapy();
    PageScript script;
    script.atEvents = [](frmTrackT& screen) {
        if (Scores<TrackScores>().PositionIndex == 1 && screen.lblMissed->isVisible()) {
            Click(screen.lblMissed);
        }
    };
    RunPage(t, script);
    EXPECT_TRUE(t.lblCor->isVisible());
    EXPECT_TRUE(t.lblWrng->isVisible());
    EXPECT_FALSE(t.lblMissed->isVisible());
}

TEST_F(TrackingTherapy, EnterAndSpacePressClickToScore) {
    frmTrackT& t = OpenTherapy();
    ScriptDigits(3, QList<int>(12, 1));
    PageScript script;
    script.atEvents = [](frmTrackT& screen) {
        const int position = Scores<TrackScores>().PositionIndex;
        if (position == 2) {
            QTest::keyClick(screen.windowHandle(), Qt::Key_Return);
        } else if (position == 3) {
            ASSERT_EQ(QApplication::focusWidget(), screen.cmdClkScore);
            QTest::keyClick(screen.cmdClkScore, Qt::Key_Space);
        }
        QCoreApplication::processEvents();
    };
    RunPage(t, script);
    EXPECT_EQ(scores().TotalCorrect, 2);
}

TEST_F(TrackingTherapy, PracticeTimeEndsWithTheScoresScreen) {
    frmTrackO& o = OpenOptions();
    SetOption(o.cboPracTime, "1");
    Click(o.cmdToTherapy);
    frmTrackT& t = Loaded<frmTrackT>();
    PageScript script;
    script.atEvents = [this](frmTrackT&) {
        if (Scores<TrackScores>().PositionIndex == 12) {
            fake().Now += 60;
        }
    };
    RunPage(t, script);
    EXPECT_EQ(fake().Sleeps.last(), 1000);
    EXPECT_TRUE(IsShown("frmTrackS"));
    EXPECT_FALSE(IsShown("frmTrackT"));
    EXPECT_EQ(Value(Loaded<frmTrackS>(), "lblPages"), "1");
    EXPECT_EQ(Value(Loaded<frmTrackS>(), "lblPracTime"), "1 Mins  11 Secs");
}

TEST_F(TrackingTherapy, SequencePageCountsOnlySubstitutedTargets) {
    frmTrackO& o = OpenOptions(true);
    Click(o.chkReact); // timed
    Click(o.cmdToTherapy);
    frmTrackT& t = Loaded<frmTrackT>();
    auto digits = [](const char* text) {
        QList<double> values;
        for (const char* c = text; *c != 0; ++c) {
            values << SequenceDigitRnd(*c - '0');
        }
        return values;
    };
    QList<double> values = digits("012");      // the target
    values << digits("345") << 0.2;            // replaced by the target: 3 × 0.2 + 1 = 1.6 -> 2
    values << digits("012") << NoSubstitution; // the target by chance
    for (int i = 0; i < 10; ++i) {
        values << digits("888") << NoSubstitution;
    }
    fake().ScriptRnd(values);
    PageScript script;
    script.pressesAt = {{1, 1}, {2, 1}, {3, 1}};
    RunPage(t, script);

    EXPECT_EQ(
        startMessages,
        QStringList{"You Are Looking For The Sequence:  012\r\nClick OK When Ready To Start."});
    EXPECT_EQ(t.lblTargType->text(), "Looking For: 012");
    EXPECT_EQ(ShownTexts().mid(0, 3), (QStringList{"012", "012", "888"}));
    EXPECT_EQ(scores().TotalTargets, 1);
    EXPECT_EQ(scores().TotalCorrect, 2); // the chance item is still judged as the target
    EXPECT_EQ(scores().TotalWrong, 1);
    EXPECT_EQ(t.lblCor->text(), "C= 2");

    frmTrackS& s = OpenScores(t);
    EXPECT_EQ(s.Title()->text(), "Tracking Sequences Scores");
    EXPECT_EQ(s.Caption("Label10")->text(), "Total Sequences All Pages");
    EXPECT_EQ(Value(s, "lblPerCor"), "200%");
}

// ---- Leaving the screen while it loops ----

TEST_F(TrackingTherapy, ClosingTheWindowDuringAPageEndsIt) {
    frmTrackT& t = OpenTherapy();
    PageScript script;
    script.pressesAt = {{1, 1}};
    script.atEvents = [](frmTrackT& screen) {
        if (Scores<TrackScores>().PositionIndex == 3) {
            screen.close();
        }
    };
    RunPage(t, script);
    ProcessEvents();
    EXPECT_EQ(shown.size(), 3);
    EXPECT_FALSE(IsLoaded("frmTrackT"));
    EXPECT_TRUE(IsShown("frmTrackO"));
    EXPECT_EQ(Forms::Active(), Forms::Find("frmTrackO"));
    EXPECT_EQ(scores().PagesDone, 0);
    EXPECT_EQ(scores().TotalCorrect, 0);
    const int doEvents = fake().DoEventsCalls;
    ProcessEvents();
    EXPECT_EQ(fake().DoEventsCalls, doEvents); // the loop is over
}

TEST_F(TrackingTherapy, ClosingTheWindowDuringTheStartMessageEndsTheWait) {
    frmTrackT& t = OpenTherapy();
    PageScript script;
    script.atEvents = [](frmTrackT& screen) {
        if (screen.frmStartMess->isVisible()) {
            screen.close();
        }
    };
    RunPage(t, script);
    ProcessEvents();
    EXPECT_TRUE(startMessages.isEmpty());
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(IsLoaded("frmTrackT"));
    EXPECT_TRUE(IsShown("frmTrackO"));
}

TEST_F(TrackingTherapy, ActivatedAgainDuringAPageItGoesOnAsItBegan) {
    frmTrackT& t = OpenTherapy();
    PageScript script;
    bool reopened = false;
    script.atEvents = [&reopened](frmTrackT& screen) {
        if (Scores<TrackScores>().PositionIndex == 4 && !reopened) {
            reopened = true;
            // The options reopened in the other mode, then the therapy
            // screen shown and activated again.
            Loaded<frmMain>().cmdTS_Click();
            Forms::Show(screen);
        }
    };
    RunPage(t, script);
    EXPECT_TRUE(reopened);
    EXPECT_EQ(shown.size(), 12);
    for (const ShownItem& item : shown) {
        EXPECT_EQ(item.text.size(), 1) << item.text.toStdString();
    }
    EXPECT_EQ(scores().PagesDone, 1);
}
