// The tracking options screen in both modes, and its validations.
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

TEST_F(TrackingOptions, EachModeShowsItsTitleFramesListsAndHelpAndLeavesWithItsScreens) {
    struct Mode {
        bool sequences;
        QString title, perLineCaption;
        QStringList perLine;
        QString lastFont, help;
    } const modes[] = {
        {false,
         "Tracking Numbers or Letters",
         "Characters Per Line",
         {"2", "5", "8"},
         "36",
         "\\TrackNumbers.hlp"},
        {true, "Tracking Sequences", "Sequences Per Line", {"2", "4", "6"}, "30", "\\TrackSeq.hlp"},
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
        fake().HelpFiles.clear();
        Click(o.cmdHelp);
        EXPECT_TRUE(fake().HelpFiles.value(0).endsWith(m.help)) << m.help.toStdString();

        // Should the options go first, the therapy screen goes with them.
        Click(o.cmdToTherapy);
        o.cmdMenu_Click();
        ProcessEvents();
        EXPECT_FALSE(IsLoaded("frmTrackO") || IsLoaded("frmTrackT"));
        EXPECT_TRUE(Find<QWidget>(&Loaded<frmMain>(), "frmMenu")->isVisible());
    }
}

TEST_F(TrackingOptions, EveryComboValidatesWithItsBoundsAndMessage) {
    const QString practice = "Practice Time must be between 1 and 60 minutes.";
    const QString speed = "Display Speed must be between 0.1 and 2 secs.";
    const QString pages = "Pages Per Session must between 2 and 10.";
    const QString font36 = "Font Size must be between 12 and 36.";
    const QString font30 = "Font Size must be between 12 and 30.";
    const QString length = "Sequence Length must between 2 and 4.";
    struct Case {
        bool sequences;
        const char* combo;
        QString typed;
        QString after;   // text once validated
        QString message; // empty when accepted
    } const cases[] = {
        {false, "cboPracTime", "0", "0", practice}, {false, "cboPracTime", "61", "61", practice},
        {false, "cboSpeed", "0.09", "0.09", speed}, {false, "cboSpeed", "1.9", "1.9", ""},
        {false, "cboSpeed", "2", "2", ""},          {false, "cboSpeed", "2.01", "2.01", speed},
        {false, "cboPages", "1", "1", pages},       {false, "cboPages", "11", "11", pages},
        {false, "cboPages", "7.8", "7", ""},        {false, "cboPages", "NoLimit", "NoLimit", ""},
        {false, "cboFont", "11", "11", font36},     {false, "cboFont", "37", "37", font36},
        {false, "cboFont", "36", "36", ""},         {false, "cboFont", "24.5", "24", ""},
        {true, "cboFont", "31", "31", font30},      {true, "cboFont", "30", "30", ""},
        {true, "cboSeqLen", "1", "1", length},      {true, "cboSeqLen", "4.9", "4", length},
        {true, "cboSeqLen", "3.5", "3", ""},        {true, "cboSeqLen", "abc", "0", length},
    };
    for (const Case& c : cases) {
        const std::string label = std::string(c.combo) + " " + c.typed.toStdString();
        auto* box = Find<ValidatingComboBox>(&OpenOptions(c.sequences), c.combo);
        fake().Messages.clear();
        SetOption(box, c.typed);
        EXPECT_EQ(box->currentText(), c.after) << label;
        QStringList messages;
        for (const RecordedMessage& m : fake().Messages) {
            messages << m.prompt;
        }
        EXPECT_EQ(messages, c.message.isEmpty() ? QStringList{} : QStringList{c.message}) << label;
        Forms::UnloadAll();
        ProcessEvents();
    }
}

TEST_F(TrackingOptions, CheckBoxCaptionsAndTheInformationFrame) {
    frmTrackO& o = OpenOptions();
    Click(o.chkReact);
    EXPECT_EQ(o.chkReact->text(), "Reaction Time On");
    Click(o.Check1);
    EXPECT_EQ(o.Check1->text(), "Display Border Off");

    EXPECT_FALSE(o.frmInfo->isVisible());
    Click(o.cmdInfo);
    ASSERT_TRUE(o.frmInfo->isVisible());
    EXPECT_TRUE(Find<QLabel>(o.frmInfo, "Label5")->text().startsWith("REACTION TIMES ON:"));
    Click(o.frmInfo->cmdOK);
    EXPECT_FALSE(o.frmInfo->isVisible());
}
