// Therapy of the two tracking exercises: items appear one at a time along the
// six lines of a page and the patient responds to the target with
// "Click To Score".
#pragma once

#include "exercises/tracking/page_layout.h"
#include "exercises/tracking/tracking_items.h"
#include "exercises/tracking/tracking_scores.h"
#include "shell/framework/info_frame.h"
#include "shell/framework/target_watch.h"
#include "shell/framework/therapy_screen.h"

class frmTrackT : public TherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmTrackT";
    frmTrackT();

    void Form_Load() override;
    // Lays out the page for the current settings; while a page runs it only
    // refreshes the caption.
    void Form_Activate() override;
    // Zeroes the scores and unloads the scores screen.
    void Form_Unload() override;

    // Starts a page, or stops the running one.
    void cmdStart_Click();
    void cmdClkScore_Click();
    // Required pages done: on to the scores screen.
    void cmdOK_Click();

    // The page positions, element 1 first.
    QList<VbLabel*> Label1;
    VbLabel* lblTargType;
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblMissed;
    StartMessage* frmStartMess;
    InfoFrame* frmInfo;
    VbButton* cmdStart;
    VbButton* cmdClkScore;
    VbButton* cmdOptions;
    VbButton* cmdScores;

    bool Running = false;        // a page is being presented
    bool ChoosingTarget = false; // the page's target is being built
    bool TargetShown = false;    // the latest item equals the target
    QString DisplayItem;         // the item on screen; empty when none
    QString Target;

private:
    // Page start, up to and including the loop; Stop.
    void StartPage();
    void StopPage();
    bool PagesLimitReached() const;
    // Builds the target and returns the start message.
    QString ChooseTarget();
    // The start message, the ready signal and the page; false when the screen went away.
    bool PresentPage(const QString& message);
    bool RunPage();
    void ShowNextItem();
    void EndPage();

    void LayoutPage();
    void EnsurePositionLabels(int count);
    QString ChooseTargetCharacter();
    void GetDisplayCharacter();
    void BuildSequence();
    void GetReadySignal();
    void ScoreResponse();

    void ShowCaption();
    void ShowCounterCaptions();
    void ShowMissed();

    // Settings, read from the options screen whenever they are needed.
    bool TimedMode() const;
    CharacterType ChosenCharacterType() const;
    SequenceCharacters ChosenSequenceCharacters() const;
    bool SequencesMode() const;
    PageSettings CurrentPageSettings() const;
    // The one font size of the page's items: the chosen one, or smaller when
    // the widest possible item would not fit its position.
    int ItemFontSize(const PageSettings& page) const;
    QFont ItemFont(int fontSize) const;
    // Twips that the widest possible item needs at that font size.
    int WidestItemWidth(int fontSize) const;
    int SequenceLength() const;
    int OptionNumber(const QString& comboName) const;
    QString OptionText(const QString& comboName) const;

    void BuildControls();

    TargetCounters counters_;
    bool loopRunning_ = false;   // a page (or its start message) is in progress
    bool sequencesPage_ = false; // the mode of the running page
    bool practiceTimeUp_ = false;
};
