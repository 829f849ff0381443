// The adaptive mode as a therapist meets it: the rows on every options screen
// with a ladder, "Level n" and the scores lines only while it is on, a hand
// change turning it off, and the level kept for the patient's next practice.
#include "clinic/history/practice_history.h"
#include "clinic/history/progress_chart.h"
#include "exercises/closing_letters/frmLetterO.h"
#include "exercises/closing_letters/frmLetterT.h"
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2s.h"
#include "exercises/visual_sequencing/frmVSS2t.h"
#include "shell/app.h"
#include "shell/framework/adaptive_level.h"
#include "shell/framework/option_values.h"
#include "shell/mod_dodi.h"
#include "tests/support/kova_test.h"
#include "tests/support/menu_screens.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <algorithm>

namespace {

const QStringList AdaptiveControls = {AdaptiveNames::ModeCheck, AdaptiveNames::StartLevel,
                                      AdaptiveNames::LowestLevel, AdaptiveNames::HighestLevel};

class AdaptiveRows : public KovaTest {};

TEST_F(AdaptiveRows, FitOnEveryOptionsScreenWithALadderBesideTheDesignedControls) {
    RegisterExercises();
    for (const AdaptiveLadderDeclaration& declared : DeclaredAdaptiveLadders()) {
        const std::string exercise = declared.optionsForm.toStdString();
        Forms::Show(declared.optionsForm);
        Form& options = Forms::Get(declared.optionsForm);
        ProcessEvents();
        QList<QWidget*> added;
        for (const QString& name : AdaptiveControls) {
            added << Find<QWidget>(&options, name);
        }
        for (QWidget* row : added) {
            const QString name = row->objectName();
            EXPECT_TRUE(options.rect().contains(row->geometry()))
                << exercise << " " << name.toStdString();
            EXPECT_EQ(row->isEnabled(), name == AdaptiveNames::ModeCheck) << exercise;
            for (QWidget* other : options.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool ours = std::any_of(AdaptiveControls.begin(), AdaptiveControls.end(),
                                              [other](const QString& added) {
                                                  return other->objectName().startsWith(added);
                                              });
                if (!ours && other->isVisible()) {
                    EXPECT_FALSE(other->geometry().intersects(row->geometry()))
                        << exercise << ": " << name.toStdString() << " covers "
                        << other->objectName().toStdString();
                }
            }
        }
        EXPECT_FALSE(Find<QCheckBox>(&options, AdaptiveNames::ModeCheck)->isChecked()) << exercise;
        Forms::Unload(options);
    }
}

TEST_F(AdaptiveRows, ValuesKeptBeforeTheRowsExistedAreStillAccepted) {
    RegisterExercises();
    Form& options = Forms::Get(frmVSS2o::Name);
    OptionValues kept;
    for (const OptionValue& value : ReadOptionValues(options)) {
        if (!AdaptiveControls.contains(value.control)) {
            kept << value;
        }
    }
    EXPECT_EQ(SetAndCheckOptionValues(options, kept), std::nullopt);
    EXPECT_FALSE(ValueOf(ReadOptionValues(options), AdaptiveNames::ModeCheck).isEmpty());
    EXPECT_TRUE(ValueOf(ReadOptionValues(options), AdaptiveNames::StartLevel).isEmpty())
        << "the start follows the patient's history, never a kept value";
}

TEST_F(AdaptiveRows, AScrollBarOfTheLadderIsSetByTheLevelAndAStepByHandTurnsTheModeOff) {
    RegisterExercises();
    Forms::Show(frmLetterO::Name);
    auto& options = Loaded<frmLetterO>();
    auto* mode = Find<QCheckBox>(&options, AdaptiveNames::ModeCheck);
    Click(mode);
    auto* start = Find<ValidatingComboBox>(&options, AdaptiveNames::StartLevel);
    TypeInto(start, "6");
    TabOut(start);
    Click(options.cmdStart);
    EXPECT_EQ(options.HScroll2->value(), 3);
    EXPECT_EQ(options.lblSpd->text(), "3") << "the caption follows as for a hand change";
    EXPECT_TRUE(options.OptBoth->isChecked());
    EXPECT_TRUE(mode->isChecked()) << "a level set is no hand change";
    EXPECT_EQ(Find<QLabel>(&Loaded<frmLetterT>(), AdaptiveNames::LevelLabel)->text(), "Level 6");

    Click(Loaded<frmLetterT>().cmdOptions);
    ClickAt(options.HScroll2, {options.HScroll2->width() - 4, options.HScroll2->height() / 2});
    EXPECT_EQ(options.HScroll2->value(), 4) << "one step by the arrow at the Faster end";
    EXPECT_FALSE(mode->isChecked());
    Click(options.cmdStart);
    EXPECT_EQ(Loaded<frmLetterT>().lblAnswer->text(), "Adaptive Level off: set by hand");
    EXPECT_EQ(options.HScroll2->value(), 4) << "the therapist's choice holds";
}

// Visual Sequencing in the adaptive mode.
class AdaptivePractice : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        RegisterExercises();
        openOptions();
    }
    void openOptions() {
        Forms::Show(frmVSS2o::Name);
        options_ = &Loaded<frmVSS2o>();
    }
    QCheckBox* mode() { return Find<QCheckBox>(options_, AdaptiveNames::ModeCheck); }
    void choose(const char* box, const QString& value) {
        auto* combo = Find<ValidatingComboBox>(options_, box);
        TypeInto(combo, value);
        TabOut(combo);
    }
    frmVSS2t& startTherapy() {
        Click(options_, "cmdStart");
        Click(Loaded<frmVSS2t>().cmdStart);
        return Loaded<frmVSS2t>();
    }
    // Sequences answered right, one a set.
    void answerRight(frmVSS2t& t, int sets) {
        for (int set = 0; set < sets; ++set) {
            Click(t.cmdNextPat);
            for (int i = 1; i <= t.ShownLength(); ++i) {
                Click(t.cmdX->Cell(t.Sequence[std::size_t(i)] - 1));
            }
        }
    }
    QString levelShown(const frmVSS2t& t) {
        const auto* label = t.findChild<QLabel*>(AdaptiveNames::LevelLabel);
        return label != nullptr && label->isVisible() ? label->text() : QString();
    }
    frmVSS2s& scoresAfterStop(frmVSS2t& t) {
        Click(t.cmdStart);
        Click(t.cmdScores);
        return Loaded<frmVSS2s>();
    }
    QStringList levelLines(const frmVSS2s& scores) {
        QStringList lines;
        for (const char* name :
             {AdaptiveNames::StartLine, AdaptiveNames::EndLine, AdaptiveNames::HighestLine}) {
            const QLabel* value = scores.Value(name);
            lines << (value->isVisible() ? value->text() : "hidden");
        }
        return lines;
    }

    frmVSS2o* options_ = nullptr;
};

TEST_F(AdaptivePractice, OffByDefaultTheScreensShowNoLevel) {
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(levelShown(t), "");
    answerRight(t, 5);
    EXPECT_EQ(options_->cboMaxSeq->Text(), "3") << "the options stay as chosen";
    EXPECT_EQ(levelLines(scoresAfterStop(t)), QStringList({"hidden", "hidden", "hidden"}));
}

TEST_F(AdaptivePractice, LevelBesideTheCountersAndTheLevelLinesOnTheScores) {
    Click(mode());
    choose(AdaptiveNames::StartLevel, "6");
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(levelShown(t), "Level 6");
    EXPECT_EQ(options_->cboMaxSeq->Text(), "5");
    answerRight(t, 4);
    EXPECT_EQ(levelShown(t), "Level 6") << "four answers are no block yet";
    answerRight(t, 2);
    EXPECT_EQ(levelShown(t), "Level 7");
    EXPECT_EQ(options_->cboSpeed->Text(), "0.40");
    frmVSS2s& scores = scoresAfterStop(t);
    EXPECT_EQ(levelLines(scores), QStringList({"6", "7", "7"}));
    EXPECT_EQ(scores.Caption("lblHighestLevelCaption")->text(), "Highest Level Reached");
}

TEST_F(AdaptivePractice, AHandChangeTurnsTheModeOffWithANoticeForThatPractice) {
    Click(mode());
    auto* speed = options_->cboSpeed;
    TypeInto(speed, "0.30");
    TabOut(speed);
    EXPECT_FALSE(mode()->isChecked());
    const QString chosen = speed->Text();
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(t.lblInfo->text(), "Adaptive Level off: set by hand");
    EXPECT_EQ(levelShown(t), "");
    EXPECT_EQ(speed->Text(), chosen) << "the therapist's choice holds";
    Click(t.cmdStart);
    Click(t.cmdOptions);
    Click(mode());
    EXPECT_TRUE(mode()->isChecked());
    EXPECT_EQ(levelShown(startTherapy()), "Level 1") << "ticked again, the mode is back";
    EXPECT_EQ(Loaded<frmVSS2t>().lblInfo->text(), "") << "the notice was for one practice";
}

TEST_F(AdaptivePractice, ThePatientsNextPracticeStartsAtTheLevelStored) {
    ModDODI::PatientName = "Ann Example";
    Click(mode());
    choose(AdaptiveNames::StartLevel, "3");
    frmVSS2t& t = startTherapy();
    answerRight(t, 11);
    EXPECT_EQ(levelShown(t), "Level 5");
    Click(&scoresAfterStop(t), "cmdMainMenu");

    const QList<PracticeSummary> kept = PracticeHistory::Store()->Practices("Ann Example");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].endLevel, 5.0);
    ProgressChart chart(nullptr);
    chart.ShowSessions("Visual Sequencing", kept);
    EXPECT_EQ(chart.LevelSeries()->points(), QList<QPointF>({{1, 5}}));

    openOptions();
    EXPECT_EQ(Find<ValidatingComboBox>(options_, AdaptiveNames::StartLevel)->Text(), "5");
    Click(mode());
    EXPECT_EQ(levelShown(startTherapy()), "Level 5");

    // A program step keeps the choice of the mode, and starts at the level stored.
    Forms::UnloadAll();
    const OptionValues values = WithOption({"", ReadOptionValues(Forms::Get(frmVSS2o::Name))},
                                           AdaptiveNames::ModeCheck, "True")
                                    .options;
    Forms::UnloadAll();
    Form& again = Forms::Get(frmVSS2o::Name);
    ASSERT_EQ(SetAndCheckOptionValues(again, values), std::nullopt);
    EXPECT_EQ(ValueOf(ReadOptionValues(again), AdaptiveNames::ModeCheck), "True");
    EXPECT_EQ(Find<ValidatingComboBox>(&again, AdaptiveNames::StartLevel)->Text(), "5");
}

TEST_F(AdaptivePractice, LevelBoxesRefuseLevelsOffTheLadderAndBoundsCrossed) {
    Click(mode());
    struct Case {
        const char* box;
        const char* typed;
        QString message;
    };
    const Case cases[] = {
        {AdaptiveNames::StartLevel, "13", "Start Level must be between 1 and 12."},
        {AdaptiveNames::StartLevel, "0", "Start Level must be between 1 and 12."},
        {AdaptiveNames::HighestLevel, "8", ""},
        {AdaptiveNames::LowestLevel, "9", "Lowest must be between 1 and 8."},
        {AdaptiveNames::LowestLevel, "4", ""},
        {AdaptiveNames::HighestLevel, "3", "Highest must be between 4 and 12."},
    };
    for (const Case& c : cases) {
        auto* box = Find<ValidatingComboBox>(options_, c.box);
        const QString before = box->Text();
        box->SetText(c.typed);
        const std::optional<QString> refusal = box->Refusal();
        EXPECT_EQ(refusal.value_or(""), c.message) << c.box << " " << c.typed;
        if (refusal) {
            box->SetText(before);
        }
    }
    choose(AdaptiveNames::StartLevel, "2");
    frmVSS2t& t = startTherapy();
    EXPECT_EQ(levelShown(t), "Level 4") << "a start below the lowest starts at the lowest";
}

} // namespace
