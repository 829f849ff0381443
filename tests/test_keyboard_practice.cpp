// Whole practices with the keyboard alone: from the main menu to an
// exercise, one option set, three right answers and one wrong, the scores,
// and back to the main menu; and the answer marks of a right and a wrong
// answer.
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/closing_lines/frmVC2t.h"
#include "exercises/color_grids/color_grids_rules.h"
#include "exercises/color_grids/frmVD1t.h"
#include "exercises/flip_forms/frmFlipFormT.h"
#include "exercises/flipper/frmFlipperT.h"
#include "exercises/pattern_duplicator/frmVD8t.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"
#include "exercises/tracking/tracking_scores.h"
#include "shell/app.h"
#include "shell/controls/answer_marks.h"
#include "shell/controls/basic.h"
#include "shell/controls/combo_box.h"
#include "shell/controls/vb_timer.h"
#include "shell/main_menu.h"
#include "shell/mod_dodi.h"
#include "tests/support/keys.h"
#include "tests/support/kova_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <functional>

namespace {

// What a keyboard user does to answer the set shown, after Next Set.
using Answer = std::function<void()>;
// Sets one option on the options screen with keys.
using SetOption = std::function<void(QWidget& options)>;

// One exercise as a keyboard user practises it.
struct KeyboardPractice {
    const char* menuButton;
    SetOption setOption;
    // Scripts the next set and returns how to answer it right or wrong.
    std::function<Answer(FakePlatform& fake, QWidget& therapy, bool right)> nextSet;
    // Lines of the scores screen and what they read after the practice.
    QList<std::pair<const char*, const char*>> scores;
    // The answer controls that show the last answer's marks; none where the
    // exercise judges no answer by colour.
    std::function<QList<AnswerMark>(QWidget& therapy)> marks = nullptr;
    const char* nextButton = "cmdNextSet";
    // For an exercise that shows items one after another instead of sets:
    // starts the therapy screen, answers three items right and one wrong,
    // and leaves the screen stopped.
    std::function<void(FakePlatform& fake, QWidget& therapy)> practise = nullptr;
    const char* toTherapy = "cmdStart";
    const char* scoresButton = "cmdScores";
};

QString Value(const ValidatingComboBox* box) {
    return box->Text();
}

int Value(const QScrollBar* bar) {
    return bar->value();
}

Qt::Key DigitKey(int number) {
    return static_cast<Qt::Key>(Qt::Key_0 + number);
}

Answer Press(Qt::Key key) {
    return [key] { PressKey(key); };
}

// Tabs to the control first and presses the keys there.
Answer PressFrom(QWidget& therapy, const QString& first, const QList<Qt::Key>& keys) {
    return [&therapy, first, keys] {
        TabTo(&therapy, first);
        for (const Qt::Key key : keys) {
            PressKey(key);
        }
    };
}

Answer EnterOnAnswer(QWidget& therapy, const QString& button) {
    return [&therapy, button] { EnterOn(&therapy, button); };
}

// Tab stops at the checked choice of a group; an arrow picks the next one.
void ChooseNextOption(QWidget& options, const QString& checked, const QString& next) {
    TabTo(&options, checked);
    PressKey(Qt::Key_Down);
    EXPECT_TRUE(Find<QRadioButton>(&options, next)->isChecked()) << next.toStdString();
}

// Steps a control one place on with an arrow key, as a keyboard user sets it.
template <class Control> void StepOn(Control* control, Qt::Key arrow) {
    const auto before = Value(control);
    TabTo(control);
    PressKey(arrow);
    EXPECT_NE(Value(control), before) << control->objectName().toStdString();
}

// A scroll bar steps the way its arrows point: Right and End raise its value,
// Left and Home lower it.
void StepOn(QScrollBar* bar, Qt::Key key) {
    const int before = Value(bar);
    TabTo(bar);
    PressKey(key);
    const bool raises = key == Qt::Key_Right || key == Qt::Key_End;
    EXPECT_EQ(Value(bar) > before, raises) << bar->objectName().toStdString();
    EXPECT_NE(Value(bar), before) << bar->objectName().toStdString();
}

// Turns a check box over with Space.
SetOption Toggle(const char* name) {
    return [name](QWidget& options) {
        auto* box = Find<QCheckBox>(&options, name);
        const bool before = box->isChecked();
        TabTo(box);
        PressKey(Qt::Key_Space);
        EXPECT_NE(box->isChecked(), before) << name;
    };
}

// Steps an options box one item on with an arrow key.
SetOption StepBox(const char* name, Qt::Key arrow) {
    return [name, arrow](QWidget& options) {
        StepOn(Find<ValidatingComboBox>(&options, name), arrow);
    };
}

QList<AnswerMark> InfoMark(QWidget& therapy) {
    return {Find<VbLabel>(&therapy, "lblInfo")->Mark()};
}

template <class Controls> QList<AnswerMark> MarksOf(const Controls& controls) {
    QList<AnswerMark> marks;
    for (const auto* control : controls) {
        marks << control->Mark();
    }
    return marks;
}

// Moves a drawing's keyboard pointer from the middle of a 1000 × 1000 drawing
// to point: whole steps of a fortieth, then fine steps of a tenth of that.
void PointerTo(QPointF point) {
    constexpr double Step = 1000.0 / 40;
    const auto move = [](double distance, Qt::Key less, Qt::Key more) {
        const int steps = static_cast<int>(distance / Step);
        const int fine = static_cast<int>(std::lround((distance - steps * Step) / (Step / 10)));
        for (int i = 0; i < std::abs(steps); ++i) {
            PressKey(steps < 0 ? less : more);
        }
        for (int i = 0; i < std::abs(fine); ++i) {
            PressKey(fine < 0 ? less : more, Qt::ShiftModifier);
        }
    };
    move(point.x() - 500, Qt::Key_Left, Qt::Key_Right);
    move(point.y() - 500, Qt::Key_Up, Qt::Key_Down);
}

// Start pressed with Enter, and OK on the start message that it shows.
void StartByKeys(FakePlatform& fake, QWidget& therapy) {
    auto* ok = Find<QWidget>(&therapy, "cmdOK2");
    fake.OnDoEvents = [ok] {
        if (ok->isVisible()) {
            EnterOn(ok);
        }
    };
    EnterOn(&therapy, "cmdStart");
    fake.OnDoEvents = nullptr;
}

// A timed tracking page of twelve items drawn by draws: Click To Score
// pressed with Space at the first four items, three targets and one other.
void PractiseTrackingPage(FakePlatform& fake, QWidget& therapy, const QList<double>& draws) {
    fake.ScriptRnd(draws);
    QSet<int> pressed;
    auto* score = Find<QWidget>(&therapy, "cmdClkScore");
    auto* ok = Find<QWidget>(&therapy, "cmdOK2");
    fake.OnDoEvents = [&pressed, score, ok] {
        const int item = Scores<TrackScores>().PositionIndex;
        if (ok->isVisible()) {
            EnterOn(ok);
        } else if (item >= 1 && item <= 4 && !pressed.contains(item)) {
            pressed.insert(item);
            EXPECT_EQ(QApplication::focusWidget(), score);
            PressKey(Qt::Key_Space);
        }
    };
    EnterOn(&therapy, "cmdStart"); // runs the page to its end
    fake.OnDoEvents = nullptr;
}

// The draws of one digit each.
QList<double> Digits(const QList<int>& digits) {
    QList<double> draws;
    for (const int digit : digits) {
        draws << (digit - 1) / 9.0 + 0.01;
    }
    return draws;
}

// The draws of sequences of three digits (0 to 8), each followed by the draw
// that replaces it by the target (low) or keeps it (high).
QList<double> Sequences(const QList<QList<int>>& sequences, const QList<double>& replace) {
    QList<double> draws;
    for (qsizetype i = 0; i < sequences.size(); ++i) {
        for (const int digit : sequences[i]) {
            draws << digit / 9.0 + 0.01;
        }
        if (i > 0) {
            draws << replace[i - 1];
        }
    }
    return draws;
}

const KeyboardPractice Practices[] = {
    {"cmdFlipper",
     [](QWidget& options) { ChooseNextOption(options, "optInOrder", "optRandom"); },
     [](FakePlatform& fake, QWidget&, bool right) {
         const int answer = 2; // the unchanged picture under button 3
         fake.ScriptRnd({0.0, (answer + 0.5) / 4.0, 0.1});
         return Press(DigitKey(right ? answer + 1 : 1));
     },
     {{"lblCorrect", "3"}, {"lblWrong", "1"}},
     [](QWidget& therapy) { return MarksOf(static_cast<frmFlipperT&>(therapy).cmdAnswer); }},
    {"cmdColorGrids",
     Toggle("chkBorders"),
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         const int oddGrid = 3;
         const auto& screen = static_cast<frmVD1t&>(therapy);
         const int cells = ColorGrids::CellCount(ColorGrids::Geometry(screen.GridSizeCode()));
         QList<double> draws{0.0, (oddGrid - 1) / 3.0};
         draws.append(QList<double>(cells, 0.0));
         draws << 0.0 << 0.0;
         fake.ScriptRnd(draws);
         return Press(DigitKey(right ? oddGrid : 4));
     },
     {{"lblCorrect", "3"}, {"lblTotalWrong", "1"}},
     [](QWidget& therapy) { return MarksOf(static_cast<frmVD1t&>(therapy).cmdAns); }},
    {"cmdRL",
     StepBox("cboSpeed", Qt::Key_Up),
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         fake.ScriptRnd({0.1, 0.1}); // front view, the balloon in the left hand
         return EnterOnAnswer(therapy, right ? "cmdHand1" : "cmdHand0");
     },
     {{"lblCorrect", "3"}, {"lblWrong", "1"}},
     InfoMark},
    {"cmdFlipForm",
     [](QWidget& options) { StepOn(Find<QScrollBar>(&options, "HScroll1"), Qt::Key_End); },
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         fake.ScriptRnd({0.1, 0.1, 0.1}); // each box shows right to left at its first press
         return [&therapy, right] {
             // Each further press turns a box on: upside down, both ways, unchanged.
             const int presses[] = {right ? 1 : 2, 3, 2};
             for (int box = 1; box <= 3; ++box) {
                 TabTo(&therapy, QString("Picture%1").arg(box));
                 for (int press = 0; press < presses[box - 1]; ++press) {
                     PressKey(Qt::Key_Space);
                 }
                 EnterOn(&therapy, QString("cmdOK%1").arg(box));
             }
         };
     },
     {{"lblCorrect", "3"}, {"lblWrong", "1"}},
     [](QWidget& therapy) { return MarksOf(static_cast<frmFlipFormT&>(therapy).lblInfo); }},
    {"cmdTicTacToe",
     StepBox("cboSpeed", Qt::Key_Down),
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         QList<double> draws(9, 0.1);
         draws[4] = 0.9; // one X in the centre, the same turned either way
         fake.ScriptRnd(draws);
         return [&fake, &therapy, right] {
             fake.AdvanceTime(static_cast<frmVSS1t&>(therapy).Timer1->Interval());
             PressFrom(therapy, "cmdX(0)",
                       right ? QList{Qt::Key_Right, Qt::Key_Down, Qt::Key_Space}
                             : QList{Qt::Key_Space})();
             EnterOn(&therapy, "cmdChkAnswer");
         };
     },
     {{"lblCorrect", "3"}, {"lblAllCorrect", "3"}, {"lblTotalGrids", "4"}},
     nullptr,
     "cmdNextPat"},
    {"cmdVisSequence",
     StepBox("cboSpeed", Qt::Key_Down),
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         fake.ScriptRnd({0.5 / 9, 1.5 / 9, 2.5 / 9}); // squares 1, 2 and 3 of the top row
         // Square 2 picked first ends the answer wrong.
         return PressFrom(therapy, "cmdX(0)",
                          right ? QList{Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right,
                                        Qt::Key_Space}
                                : QList{Qt::Key_Right, Qt::Key_Space});
     },
     {{"lblTotSeqCor", "3"}, {"lblTotSeqDis", "4"}},
     InfoMark,
     "cmdNextPat"},
    {"cmdPatternDup",
     StepBox("cboMaxSq", Qt::Key_Down),
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         const int lastCell = static_cast<frmVD8t&>(therapy).PatternGrid()->Count() - 1;
         fake.ScriptRnd({0.2, 0.0, 0.5 / lastCell}); // one square, the first
         return [&therapy, right] {
             if (right) {
                 TabTo(&therapy, "lbl2R(0)");
                 PressKey(Qt::Key_Space);
                 EnterOn(&therapy, "cmdChkAnsw");
                 return;
             }
             for (int check = 0; check < 3; ++check) { // the empty grid, three checks
                 EnterOn(&therapy, "cmdChkAnsw");
             }
         };
     },
     {{"lblCorrect", "3"}, {"lblWrong", "3"}, {"lblTotalDis", "4"}},
     InfoMark},
    {"cmdMNBD",
     StepBox("cboBorder", Qt::Key_Down),
     [](FakePlatform& fake, QWidget&, bool right) {
         // The plainest background, then three boxes placed where they fall.
         QList<double> draws(3 * 1000, 0.5);
         draws << 0.0 << 0.25;
         fake.ScriptRnd(draws);
         return [right] {
             for (const char* count : right ? QList{"3"} : QList{"2", "4", "5"}) {
                 TypeKeys(count);
                 PressKey(Qt::Key_Return);
             }
         };
     },
     {{"lblCorrect", "3"}, {"lblWrong", "3"}, {"lblTotalDis", "4"}}},
    {"cmdCharSearch",
     StepBox("cboPerRow", Qt::Key_Down),
     [](FakePlatform& fake, QWidget&, bool right) {
         const frmFG7o& options = *Forms::Find<frmFG7o>();
         const int cells = options.cboRows->Text().toInt() * options.cboPerRow->Text().toInt();
         QList<double> draws{6.5 / 9}; // the target 7, in the first two cells, 1 elsewhere
         for (int cell = 0; cell < cells; ++cell) {
             draws << (cell < 2 ? 6.5 / 9 : 0.0);
         }
         fake.ScriptRnd(draws);
         return [right] {
             TypeKeys(right ? "2" : "3");
             PressKey(Qt::Key_Return);
         };
     },
     {{"lblCorrect", "3"}, {"lblWrong", "1"}},
     nullptr,
     "cmdBegin"},
    {"cmdCloseNL",
     [](QWidget& options) {
         StepOn(Find<QScrollBar>(&options, "HScroll2"), Qt::Key_Left);
         ChooseNextOption(options, "optUC", "optLC");
     },
     [](FakePlatform& fake, QWidget& therapy, bool right) {
         fake.ScriptRnd({2.5 / 25}); // the letter c
         return [&therapy, right] {
             EnterOn(&therapy, "cmdEraseTiles");
             if (!right) {
                 PressKey(Qt::Key_E); // a wrong guess; the letter stays in play
             }
             PressKey(Qt::Key_C);
         };
     },
     {{"lblCorrect", "4"}, {"lblWrong", "1"}, {"lblTotalDis", "4"}}},
    {"cmdTNL",
     Toggle("chkReact"),
     nullptr,
     {{"lblTotalTarg", "3"}, {"lblTargCount", "3"}, {"lblWrong1", "1"}, {"lblMissed", "0"}},
     nullptr,
     nullptr,
     [](FakePlatform& fake, QWidget& therapy) {
         // Looking for 3: three of them first, then none.
         PractiseTrackingPage(fake, therapy, Digits({3, 3, 3, 3, 1, 2, 4, 6, 7, 8, 9, 1, 2}));
     },
     "cmdToTherapy"},
    {"cmdTS",
     Toggle("chkReact"),
     nullptr,
     {{"lblTotalTarg", "3"}, {"lblTargCount", "3"}, {"lblWrong1", "1"}, {"lblMissed", "0"}},
     nullptr,
     nullptr,
     [](FakePlatform& fake, QWidget& therapy) {
         // Looking for 012: the first three replaced by it, the rest kept.
         QList<QList<int>> items(13, {8, 8, 8});
         items[0] = {0, 1, 2};
         QList<double> replace(12, 0.9);
         replace[0] = replace[1] = replace[2] = 0.2;
         PractiseTrackingPage(fake, therapy, Sequences(items, replace));
     },
     "cmdToTherapy"},
    {"cmdEyeRot",
     Toggle("chkBeep"),
     nullptr,
     {{"lblTargCount", "3"}, {"lblWrong", "1"}, {"lblTargDis", "3"}},
     nullptr,
     nullptr,
     [](FakePlatform& fake, QWidget& therapy) {
         // Looking for 3; each disc draws its character as it comes.
         fake.ScriptRnd({0.25, 0.25});
         StartByKeys(fake, therapy);
         PressKey(Qt::Key_Space); // Click To Score has the focus
         for (const double disc : {0.25, 0.25, 0.0}) {
             fake.ScriptRnd({disc});
             fake.AdvanceTime(1000);
             PressKey(Qt::Key_Space);
         }
         PressKey(Qt::Key_Escape); // Stop
     },
     "cmdStart",
     "cmdDOTScores"},
    {"cmdLinesBoxes",
     StepBox("cboSpeed", Qt::Key_Down),
     [](FakePlatform&, QWidget& therapy, bool right) {
         return [&therapy, right] {
             const QPointF target = static_cast<frmVC2t&>(therapy).Target().Target();
             EnterOn(&therapy, "cmdAnswer");
             // A wrong answer lies ten steps (250) to the side: off by 125.
             const double aside = right ? 0 : (target.x() > 500 ? -250 : 250);
             PointerTo(target + QPointF(aside, 0));
             PressKey(Qt::Key_Space);
         };
     },
     {{"lblTotalDis", "4"}, {"lblWrong", "31"}}},
};

} // namespace

class KeyboardOnly : public KovaTest, public ::testing::WithParamInterface<KeyboardPractice> {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        main_ = &StartMainMenu();
        main_->activateWindow();
        ProcessEvents();
    }
    // From the main menu to the exercise's options screen, by keys. An
    // exercise's screens are named alike: frmFlipperO, frmFlipperT, frmFlipperS.
    QWidget& openOptions() {
        EnterOn(main_, "cmdTRMenu");
        EnterOn(main_, GetParam().menuButton);
        Form* options = Forms::Active();
        if (options == nullptr || options == main_ || !options->isVisible()) {
            throw std::runtime_error("the options screen did not open");
        }
        optionsForm_ = options->objectName();
        const bool upper = optionsForm_.back().isUpper();
        therapyForm_ = optionsForm_.chopped(1) + (upper ? "T" : "t");
        scoresForm_ = optionsForm_.chopped(1) + (upper ? "S" : "s");
        return *options;
    }
    // The therapy screen opened from the options and started, by keys.
    QWidget& startTherapy(QWidget& options) {
        EnterOn(&options, GetParam().toTherapy);
        Form& therapy = Forms::Get(therapyForm_);
        EnterOn(&therapy, "cmdStart");
        return therapy;
    }
    void answerSet(QWidget& therapy, bool right) {
        const Answer answer = GetParam().nextSet(fake(), therapy, right);
        EnterOn(&therapy, GetParam().nextButton);
        answer();
    }
    frmMain* main_ = nullptr;
    QString optionsForm_, therapyForm_, scoresForm_;
};

TEST_P(KeyboardOnly, PractisesFromTheMainMenuAndBackEscapingEachScreen) {
    const KeyboardPractice& p = GetParam();
    QWidget& options = openOptions();
    p.setOption(options);
    EnterOn(&options, p.toTherapy);
    EXPECT_TRUE(IsShown(therapyForm_));
    PressKey(Qt::Key_Escape); // stopped: back to the options
    EXPECT_FALSE(IsLoaded(therapyForm_));
    ASSERT_TRUE(options.isVisible());
    if (p.practise) {
        EnterOn(&options, p.toTherapy);
        p.practise(fake(), Forms::Get(therapyForm_));
    } else {
        QWidget& therapy = startTherapy(options);
        for (const bool right : {true, true, false, true}) {
            answerSet(therapy, right);
        }
        PressKey(Qt::Key_Escape); // Stop
    }
    EnterOn(&Forms::Get(therapyForm_), p.scoresButton);
    Form& scores = Forms::Get(scoresForm_);
    ASSERT_TRUE(scores.isVisible());
    for (const auto& [line, text] : p.scores) {
        EXPECT_EQ(Find<QLabel>(&scores, line)->text().trimmed(), text) << line;
    }

    PressKey(Qt::Key_Escape); // to the options
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(IsLoaded(scoresForm_));
    PressKey(Qt::Key_Escape); // to the main menu
    EXPECT_FALSE(IsLoaded(optionsForm_));
    EXPECT_TRUE(Find<QGroupBox>(main_, "frmMenu")->isVisible());
}

TEST_P(KeyboardOnly, AnswerMarksShowOnARightAndAWrongAnswer) {
    if (!GetParam().marks) {
        GTEST_SKIP() << "no answer is judged by colour";
    }
    EnterOn(main_, "cmdTools");
    auto* choice = Find<QCheckBox>(main_, "chkAnswerMarks");
    EXPECT_FALSE(choice->isChecked());
    TabTo(choice);
    PressKey(Qt::Key_Space);
    EXPECT_TRUE(AnswerMarks::Shown());
    EXPECT_TRUE(choice->isChecked());
    EXPECT_EQ(fake().Settings.value("AnswerMarks"), "On");

    QWidget& options = openOptions();
    GetParam().setOption(options); // the sets are scripted for this option
    QWidget& therapy = startTherapy(options);
    answerSet(therapy, true);
    const QList<AnswerMark> afterRight = GetParam().marks(therapy);
    EXPECT_TRUE(afterRight.contains(AnswerMark::Right));
    EXPECT_FALSE(afterRight.contains(AnswerMark::Wrong));
    answerSet(therapy, false);
    EXPECT_TRUE(GetParam().marks(therapy).contains(AnswerMark::Wrong));
}

INSTANTIATE_TEST_SUITE_P(Exercises, KeyboardOnly, ::testing::ValuesIn(Practices),
                         [](const auto& info) { return std::string(info.param.menuButton); });
