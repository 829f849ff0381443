// The tracking options screen in both modes: titles, frames, lists and captions.
#include "tests/test_tracking_support.h"

using namespace ModDODI;

class TrackingOptions : public TrackingTest {};

static QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

TEST_F(TrackingOptions, EachModeShowsItsTitleFramesAndListsAndLeavesWithItsScreens) {
    struct Mode {
        bool sequences;
        QString title, perLineCaption;
        QStringList perLine;
        QString lastFont;
    } const modes[] = {
        {false, "Tracking Numbers or Letters", "Characters Per Line", {"2", "5", "8"}, "36"},
        {true, "Tracking Sequences", "Sequences Per Line", {"2", "4", "6"}, "30"},
    };
    for (const Mode& m : modes) {
        frmTrackO& o = OpenOptions(m.sequences);
        EXPECT_EQ(o.Label1->text(), m.title);
        EXPECT_EQ(o.Frame1->isVisible(), !m.sequences);
        EXPECT_EQ(o.Frame2->isVisible(), m.sequences);
        EXPECT_EQ(o.cboSeqLen->isVisible() && o.lblSeqLen->isVisible(), m.sequences);
        EXPECT_EQ(o.Label3->text(), m.perLineCaption);
        EXPECT_EQ(Items(o.cboPerLine), m.perLine);
        EXPECT_EQ(Items(o.cboFont).last(), m.lastFont);

        // Should the options go first, the therapy screen goes with them.
        Click(o.cmdToTherapy);
        o.cmdMenu_Click();
        ProcessEvents();
        EXPECT_FALSE(IsLoaded("frmTrackO") || IsLoaded("frmTrackT"));
        EXPECT_TRUE(Find<QWidget>(&Loaded<frmMain>(), "frmMenu")->isVisible());
    }
}

TEST_F(TrackingOptions, TheInformationFrameOpensAndCloses) {
    frmTrackO& o = OpenOptions();
    Click(o.cmdInfo);
    ASSERT_TRUE(o.frmInfo->isVisible());
    EXPECT_TRUE(Find<QLabel>(o.frmInfo, "Label5")->text().startsWith("REACTION TIMES ON:"));
    Click(o.frmInfo->cmdOK);
    EXPECT_FALSE(o.frmInfo->isVisible());
}
