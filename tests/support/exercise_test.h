// Fixture for an exercise's screens: the exercise registered and its options
// screen shown, as the main menu leaves it.
#pragma once

#include "tests/support/exercise_checks.h"
#include "tests/support/kova_test.h"

template <class Options, class Therapy, void (*Register)()> class ExerciseTest : public KovaTest {
protected:
    void SetUp() override {
        KovaTest::SetUp();
        Register();
        Forms::Show(Options::Name);
        ProcessEvents();
    }
    Options& options() { return Loaded<Options>(); }
    Therapy& therapy() { return Loaded<Therapy>(); }
    // The therapy screen opened from the options, and started.
    Therapy& startTherapy() {
        Click(&options(), "cmdStart");
        Click(therapy().cmdStart);
        return therapy();
    }
    // Stops the therapy when it runs, opens its scores screen and reads the
    // named lines there.
    QStringList scoreLines(const QStringList& lines) {
        Therapy& t = therapy();
        if (t.cmdStart->text() == "Stop") {
            Click(t.cmdStart);
        }
        Click(&t, "cmdScores");
        return Texts(&Forms::Get(options().Names().scores), lines);
    }
    // Back to the options from the scores screen when it is shown, otherwise
    // from the therapy, stopped first.
    Options& backToOptions() {
        const QString scores = options().Names().scores;
        if (IsShown(scores)) {
            Click(&Forms::Get(scores), "cmdOptions");
        } else {
            Therapy& t = therapy();
            if (t.cmdStart->text() == "Stop") {
                Click(t.cmdStart);
            }
            Click(&t, "cmdOptions");
        }
        ProcessEvents();
        return options();
    }
};
