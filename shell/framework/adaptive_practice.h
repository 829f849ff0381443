// One practice in the adaptive mode, kept on its therapy screen: the walk on
// the ladder, "Level n" beside the counters, and the notice when a hand
// change turned the mode off.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QObject>
#include <QPointer>
#include <optional>

class AdaptiveOptionRows;
class Form;
class VbLabel;

class AdaptivePractice : public QObject {
    Q_OBJECT
public:
    // Begins the practice of a therapy screen just made: in the mode, its
    // options are set to the start level before the screen reads them.
    static void BeginOn(Form& therapyScreen, const AdaptiveLadderDeclaration& declaration);
    // The practice of a therapy screen; nullptr when it has none.
    static AdaptivePractice* Of(const QWidget* therapyScreen);
    ~AdaptivePractice() override;

    // The walk; nothing while the mode is off for this practice.
    const std::optional<LevelStaircase>& Walk() const { return walk_; }
    // Takes the totals between sets; true when the options changed.
    bool BetweenSets(JudgedAnswers totals);
    // Shows the notice of a hand change, once, in the info line.
    void Activated();

private:
    AdaptivePractice(Form& screen, AdaptiveOptionRows* rows, AdaptivePlaces places);
    void addLevelLabel();
    void showLevel();

    Form& screen_;
    QPointer<AdaptiveOptionRows> rows_;
    AdaptivePlaces places_;
    std::optional<LevelStaircase> walk_;
    VbLabel* levelLabel_ = nullptr;
    bool noticePending_ = false;
};

// The info line's text when a hand change turned the mode off.
inline const char* const AdaptiveOffNotice = "Adaptive Level off: set by hand";
