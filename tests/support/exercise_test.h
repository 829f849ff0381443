// Fixture for an exercise's screens: the exercise registered and its options
// screen shown, as the main menu leaves it.
#pragma once

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
};
