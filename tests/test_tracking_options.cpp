// The tracking options screen in both modes, and its validations.
#include "tests/test_tracking_support.h"

#include <QApplication>

using namespace ModDODI;

class TrackingOptions : public TrackingTest {};

static QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

TEST_F(TrackingOptions, NumbersLettersModeLayoutAndDefaults) {
    frmTrackO& o = OpenOptions(false);
    EXPECT_EQ(TrackNumbersLetters, VbTrue);
    EXPECT_EQ(TrackSequences, VbFalse);
    EXPECT_TRUE(IsShown("frmTrackO"));
    EXPECT_EQ(o.Label1->text(), "Tracking Numbers or Letters");
    EXPECT_TRUE(o.Frame1->isVisible());
    EXPECT_FALSE(o.Frame2->isVisible());
    EXPECT_FALSE(o.cboSeqLen->isVisible());
    EXPECT_FALSE(o.lblSeqLen->isVisible());
    EXPECT_EQ(o.Label3->text(), "Characters Per Line");
    EXPECT_EQ(Items(o.cboPerLine), (QStringList{"2", "5", "8"}));
    EXPECT_EQ(o.cboPerLine->currentText(), "2");
    EXPECT_FALSE(o.cboPerLine->isEditable()); // picked from the list only
    EXPECT_EQ(Items(o.cboFont).first(), "12");
    EXPECT_EQ(Items(o.cboFont).last(), "36");
    EXPECT_EQ(o.cboFont->currentText(), "14");
    EXPECT_EQ(o.cboPracTime->currentText(), "5");
    EXPECT_EQ(o.cboSpeed->currentText(), "0.8");
    EXPECT_EQ(Items(o.cboSpeed).size(), 10);
    EXPECT_EQ(o.cboPages->currentText(), "NoLimit");
    EXPECT_EQ(Items(o.cboPages).size(), 10);
    EXPECT_TRUE(o.optSNumbers->isChecked());
    EXPECT_TRUE(o.chkReact->isChecked());
    EXPECT_EQ(o.chkReact->text(), "Reaction Time Off ");
    EXPECT_TRUE(o.Check1->isChecked());
    EXPECT_EQ(o.Check1->text(), "Display Border On ");

    Click(o.cmdHelp);
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\TrackNumbers.hlp"));
}

TEST_F(TrackingOptions, SequencesModeLayout) {
    frmTrackO& o = OpenOptions(true);
    EXPECT_EQ(TrackSequences, VbTrue);
    EXPECT_EQ(TrackNumbersLetters, VbFalse);
    EXPECT_EQ(o.Label1->text(), "Tracking Sequences");
    EXPECT_FALSE(o.Frame1->isVisible());
    EXPECT_TRUE(o.Frame2->isVisible());
    EXPECT_EQ(o.Frame2->title(), "Sequence Targets");
    EXPECT_TRUE(o.OptNumberS->isChecked());
    EXPECT_TRUE(o.cboSeqLen->isVisible());
    EXPECT_EQ(o.cboSeqLen->currentText(), "3");
    EXPECT_EQ(o.Label3->text(), "Sequences Per Line");
    EXPECT_EQ(Items(o.cboPerLine), (QStringList{"2", "4", "6"}));
    EXPECT_EQ(Items(o.cboFont).last(), "30");

    Click(o.cmdHelp);
    ASSERT_EQ(fake().HelpFiles.size(), 1);
    EXPECT_TRUE(fake().HelpFiles[0].endsWith("\\TrackSeq.hlp"));
}

TEST_F(TrackingOptions, EveryComboValidatesWithItsBoundsAndMessage) {
    struct Case {
        bool sequences;
        const char* combo;
        QString typed;
        QString after;   // text once validated
        QString message; // empty when accepted
    } const cases[] = {
        {false, "cboPracTime", "0", "0", "Practice Time must be between 1 and 60 minutes."},
        {false, "cboPracTime", "61", "61", "Practice Time must be between 1 and 60 minutes."},
        {false, "cboPracTime", "30.9", "30", ""},
        {false, "cboSpeed", "1.9", "1.9", ""}, // beyond the list, still accepted
        {false, "cboSpeed", "0.09", "0.09", "Display Speed must be between 0.1 and 2 secs."},
        {false, "cboSpeed", "2.01", "2.01", "Display Speed must be between 0.1 and 2 secs."},
        {false, "cboSpeed", "fast", "fast", "Display Speed must be between 0.1 and 2 secs."},
        {false, "cboSpeed", "2", "2", ""},
        {false, "cboPages", "NoLimit", "NoLimit", ""},
        {false, "cboPages", "7.8", "7", ""},
        {false, "cboPages", "1", "1", "Pages Per Session must between 2 and 10."},
        {false, "cboPages", "11", "11", "Pages Per Session must between 2 and 10."},
        {false, "cboFont", "45", "45", "Font Size must be between 12 and 36."},
        {false, "cboFont", "11", "11", "Font Size must be between 12 and 36."},
        {false, "cboFont", "32", "32", ""},
        {false, "cboFont", "24.5", "24", ""},
        {true, "cboFont", "32", "32", "Font Size must be between 12 and 30."},
        {true, "cboFont", "45", "45", "Font Size must be between 12 and 30."},
        {true, "cboFont", "30", "30", ""},
        {true, "cboSeqLen", "1", "1", "Sequence Length must between 2 and 4."},
        {true, "cboSeqLen", "5", "5", "Sequence Length must between 2 and 4."},
        {true, "cboSeqLen", "4.9", "4", "Sequence Length must between 2 and 4."},
        {true, "cboSeqLen", "3.5", "3", ""},
        {true, "cboSeqLen", "abc", "0", "Sequence Length must between 2 and 4."},
    };
    for (const Case& c : cases) {
        const std::string label = std::string(c.combo) + " " + c.typed.toStdString();
        frmTrackO& o = OpenOptions(c.sequences);
        auto* box = Find<ValidatingComboBox>(&o, c.combo);
        fake().Messages.clear();
        TypeInto(box, c.typed);
        TabOut(box);
        ProcessEvents();
        EXPECT_EQ(box->currentText(), c.after) << label;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(fake().Messages.isEmpty()) << label;
            EXPECT_FALSE(box->hasFocus()) << label;
        } else {
            ASSERT_EQ(fake().Messages.size(), 1) << label;
            EXPECT_EQ(fake().Messages[0].prompt, c.message) << label;
            EXPECT_EQ(fake().Messages[0].style, vbExclamation) << label;
            EXPECT_EQ(fake().Messages[0].title, "Information") << label;
            EXPECT_EQ(QApplication::focusWidget(), box) << label;
        }
        Forms::UnloadAll();
        ProcessEvents();
    }
}

TEST_F(TrackingOptions, CheckBoxCaptionsFollowTheirValues) {
    frmTrackO& o = OpenOptions();
    Click(o.chkReact);
    EXPECT_FALSE(o.chkReact->isChecked());
    EXPECT_EQ(o.chkReact->text(), "Reaction Time On");
    Click(o.chkReact);
    EXPECT_EQ(o.chkReact->text(), "Reaction Time Off ");
    Click(o.Check1);
    EXPECT_EQ(o.Check1->text(), "Display Border Off");
    Click(o.Check1);
    EXPECT_EQ(o.Check1->text(), "Display Border On ");
}

TEST_F(TrackingOptions, InformationFrameExplainsTheResponseModes) {
    frmTrackO& o = OpenOptions();
    EXPECT_FALSE(o.frmInfo->isVisible());
    Click(o.cmdInfo);
    ASSERT_TRUE(o.frmInfo->isVisible());
    EXPECT_EQ(o.frmInfo->title(), "Information:");
    const QString text = Find<QLabel>(o.frmInfo, "Label5")->text();
    EXPECT_TRUE(text.startsWith("REACTION TIMES ON: You must respond to the target character "
                                "while it is displayed to recieve a correct score."));
    EXPECT_TRUE(text.contains("REACTION TIMES OFF: You may click the Score Button or press the "
                              "<SPACE BAR> at any time"));
    EXPECT_TRUE(text.endsWith("See the Help Files for more information."));
    Click(o.frmInfo->cmdOK);
    EXPECT_FALSE(o.frmInfo->isVisible());
}

TEST_F(TrackingOptions, MainMenuLeavesTheExerciseWithItsScreens) {
    frmTrackO& o = OpenOptions();
    Click(o.cmdToTherapy);
    ASSERT_TRUE(IsShown("frmTrackT"));
    o.cmdMenu_Click(); // should the options go first, the therapy screen goes with them
    ProcessEvents();
    EXPECT_FALSE(IsLoaded("frmTrackO"));
    EXPECT_FALSE(IsLoaded("frmTrackT"));
    EXPECT_TRUE(Find<QWidget>(&Loaded<frmMain>(), "frmMenu")->isVisible());
}
