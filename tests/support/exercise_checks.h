// Checks shared by the exercise tests: what validating combo boxes do with
// typed values, and the texts of a screen's labels.
#pragma once

#include "shell/controls/cell_grid.h"
#include "shell/controls/combo_box.h"
#include "shell/framework/adaptive_level.h"
#include "tests/support/fake_platform.h"
#include "tests/support/kova_test.h"

#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <vector>

// One value typed into a validating combo box, which is then left.
struct ComboCase {
    ValidatingComboBox* box;
    const char* typed;
    QString message;             // the refusal shown; empty when the value is accepted
    const char* after = nullptr; // the box's text afterwards; null when as typed
};

// Checks each case in order, in the boxes' window made active. A refused value
// keeps the focus and the text and shows the message (of that style and title);
// an accepted one lets the focus go. After a refusal the box
// gets back the text it had before, so the next case starts from a box that
// lets the focus go.
inline void ExpectComboChecks(FakePlatform& fake, const std::vector<ComboCase>& cases,
                              int style = vbExclamation, const QString& title = "Information") {
    if (cases.size() > 0) {
        cases.begin()->box->window()->activateWindow();
        ProcessEvents();
    }
    for (const ComboCase& c : cases) {
        const QString before = c.box->Text();
        fake.Messages.clear();
        TypeInto(c.box, c.typed);
        TabOut(c.box);
        ProcessEvents();
        const bool refused = !c.message.isEmpty();
        const std::string what = c.box->objectName().toStdString() + " " + c.typed;
        EXPECT_EQ(c.box->hasFocus(), refused) << what;
        EXPECT_EQ(c.box->Text(), c.after != nullptr ? c.after : c.typed) << what;
        ASSERT_EQ(fake.Messages.size(), refused ? 1 : 0) << what;
        if (refused) {
            EXPECT_EQ(fake.Messages[0].prompt, c.message) << what;
            EXPECT_EQ(fake.Messages[0].style, style) << what;
            EXPECT_EQ(fake.Messages[0].title, title) << what;
            TypeInto(c.box, before);
            TabOut(c.box);
            ProcessEvents();
        }
    }
}

// The texts of the named labels of a screen, in order.
inline QStringList Texts(const QWidget* form, const QStringList& labels) {
    QStringList texts;
    for (const QString& label : labels) {
        texts << Find<QLabel>(form, label)->text();
    }
    return texts;
}

// Turns the adaptive mode on in an options screen and types the level it
// starts at into its box.
inline void ChooseAdaptive(QWidget& options, int startLevel) {
    Click(Find<QCheckBox>(&options, AdaptiveNames::ModeCheck));
    auto* start = Find<ValidatingComboBox>(&options, AdaptiveNames::StartLevel);
    TypeInto(start, QString::number(startLevel));
    TabOut(start);
}

// The cells of a grid, by index, that show that caption or that colour.
template <class Shows> QList<int> CellsShowing(const CellGrid* grid, Shows shows) {
    QList<int> cells;
    for (int k = 0; k < grid->Count(); ++k) {
        if (shows(*grid->Cell(k))) {
            cells << k;
        }
    }
    return cells;
}
inline QList<int> CellsCaptioned(const CellGrid* grid, const QString& caption) {
    return CellsShowing(grid, [&](const auto& cell) { return cell.Caption() == caption; });
}
inline QList<int> CellsColoured(const CellGrid* grid, const QColor& colour) {
    return CellsShowing(grid, [&](const auto& cell) { return cell.BackColor() == colour; });
}
