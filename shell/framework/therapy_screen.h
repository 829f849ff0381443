// Base of every exercise's therapy screen: the hand-over to the options and
// scores screens, the practice-time caption, and safe loops that let events run.
#pragma once

#include "shell/controls/basic.h"
#include "shell/forms.h"
#include "shell/framework/triad.h"
#include "shell/vb_runtime.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <functional>

class TherapyScreen : public Form {
    Q_OBJECT
public:
    TherapyScreen(const QString& name, Triad triad);

    // Unloads this screen (which zeroes the scores) and shows the options screen.
    void cmdOptions_Click();
    // Hides this screen and shows the scores screen.
    void cmdScores_Click();
    // Zeroes the scores and the question time stamps.
    void Form_Unload() override;

    const Triad& Names() const { return triad_; }
    // Stop while a practice runs, otherwise Options.
    QAbstractButton* EscapeButton() const override;
    // Stays above its options screen, which lies greyed under it.
    QString StaysAbove() const override { return triad_.options; }

    // Recomputes the elapsed practice time and shows it in the caption.
    void ShowPracticeTime();
    // Shows the practice time. Once the practice minutes chosen are used up,
    // ends the practice instead of starting a set: runs the screen's own last
    // step, if any, shows the scores screen and returns true.
    bool EndPracticeIfTimeIsUp(double practiceMinutes, const std::function<void()>& lastStep = {});

protected:
    // The options screen, which stays loaded while this screen is.
    Form& OptionsForm() const { return Forms::Get(triad_.options); }
    template <class T> T* OptionControl(const QString& name) const {
        return OptionsForm().findChild<T*>(name);
    }

    VbButton* AddOptionsButton(const QString& name = "cmdOptions",
                               const QString& toolTip = "This Will Zero All Scores");
    VbButton* AddScoresButton(const QString& name = "cmdScores");

private:
    Triad triad_;
    VbButton* optionsButton_ = nullptr;
};

// The Start/Stop button of a therapy screen. Its flag is True while stopped
// (ready to start) and False while running. Start: caption "Stop", Scores and
// Options disabled, Next Set offered and focused, then the exercise's own
// preparation. Stop: the practice time in the caption, the exercise's own
// clearing, focus and caption "Start", Scores and Options enabled, Next Set
// taken away. A flag that is neither True nor False does nothing.
class StartStopToggle {
public:
    enum class Kind {
        // The shared ReadyToStart flag; Next Set is disabled while stopped
        // (the picture exercises).
        SharedFlagNextSetDisabled,
        // A stopped flag of the screen's own; Next Set is hidden while
        // stopped and shown while running.
        OwnFlagNextSetHidden,
    };
    struct Buttons {
        QPushButton* start;
        QPushButton* scores;
        QPushButton* options;
        QPushButton* nextSet;
    };

    StartStopToggle(TherapyScreen& screen, Buttons buttons, Kind kind);

    // The click on the Start/Stop button.
    void Toggle();
    // Ready to start (on activation or load); the buttons are left as they are.
    void SetStopped();
    bool Stopped() const { return flag() == VbTrue; }
    bool Running() const { return flag() == VbFalse; }

    // The exercise's preparation after the common Start steps.
    std::function<void()> OnStart;
    // The exercise's clearing on Stop, after the practice time is shown.
    std::function<void()> OnStop;

private:
    Integer& flag() const;
    void beginRunning();
    void endRunning();
    void offerNextSet(bool offered);

    TherapyScreen& screen_;
    Buttons buttons_;
    Kind kind_;
    mutable Integer ownFlag_ = VbTrue;
};

// A therapy screen of the picture exercises: Start/Stop with ReadyToStart,
// Next Set, and the counters C=, W=, T= and the last response time.
class PictureTherapyScreen : public TherapyScreen {
    Q_OBJECT
public:
    PictureTherapyScreen(const QString& name, Triad triad);

    // Zeroes the scores, takes the starting settings, zeroes the time stamps,
    // starts the practice clock and makes the screen ready to start.
    void Form_Activate() override;
    void cmdStart_Click() { startStop_.Toggle(); }
    virtual void cmdNextSet_Click() = 0;

    VbButton* cmdStart;
    VbButton* cmdScores;
    VbButton* cmdOptions;
    VbButton* cmdNextSet;
    QGroupBox* Frame1;
    VbLabel* lblCor;
    VbLabel* lblWrng;
    VbLabel* lblTotalPics;
    VbLabel* lblAveTime;

protected:
    virtual void TakeStartingSettings() {}
    // Exercise-specific preparation when Start is pressed.
    virtual void PrepareStart() {}
    // Clears the stimulus and answer controls when Stop is pressed.
    virtual void ClearStimulus() {}

    // Places Start, Scores and Options at the left of the bottom row and
    // Next Set at nextSetLeft, all at top (twips).
    void PlaceButtonRow(double top, double nextSetLeft);
    // A fifth counter after the four: "lblPerFinished", design caption "0%".
    VbLabel* AddPerFinishedCounter();
    // Places the counter frame and its labels side by side.
    void PlaceCounters(double left, double top, double width, double height);
    // Marks the answer time and returns the response time in seconds.
    Single TakeResponseTime();
    // Shows the counters and the last response time.
    void ShowCounters(int correct, int wrong, int total, Single responseTime);
    // Shows the last response time alone.
    void ShowResponseTime(Single responseTime);

private:
    void addCounter(VbLabel* label, int stretch);

    StartStopToggle startStop_;
    QHBoxLayout* counterRow_;
};
