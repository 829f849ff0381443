// Checks of what a validating combo box does with one typed value.
#pragma once

#include "shell/controls/combo_box.h"
#include "tests/support/fake_platform.h"
#include "tests/support/kova_test.h"

#include <gtest/gtest.h>

// Types into the box and leaves it. A value refused with message keeps the
// focus and the text after, and shows the message; an accepted one (empty
// message) lets the focus go and reads after. A refused value is replaced by
// valid, so that the next check starts from a box that lets the focus go.
inline void ExpectComboCheck(FakePlatform& fake, ValidatingComboBox* box, const char* typed,
                             const QString& message, const char* after, const char* valid) {
    fake.Messages.clear();
    TypeInto(box, typed);
    TabOut(box);
    ProcessEvents();
    const bool refused = !message.isEmpty();
    const std::string what = box->objectName().toStdString() + " " + typed;
    EXPECT_EQ(box->hasFocus(), refused) << what;
    EXPECT_EQ(box->Text(), after) << what;
    ASSERT_EQ(fake.Messages.size(), refused ? 1 : 0) << what;
    if (refused) {
        EXPECT_EQ(fake.Messages[0].prompt, message) << what;
        EXPECT_EQ(fake.Messages[0].style, vbExclamation);
        EXPECT_EQ(fake.Messages[0].title, "Information");
        TypeInto(box, valid);
        TabOut(box);
        ProcessEvents();
    }
}
