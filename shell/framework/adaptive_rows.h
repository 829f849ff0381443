// The adaptive choices on an options screen with a ladder: "Adaptive Level",
// "Start Level", "Lowest" and "Highest". They set the ladder's controls to
// a level, and a change of one of those controls by hand turns the mode off.
#pragma once

#include "shell/framework/adaptive_level.h"

#include <QObject>
#include <QPointer>

class OptionsScreen;
class QCheckBox;
class ValidatingComboBox;
struct ComboRule;

class AdaptiveOptionRows : public QObject {
    Q_OBJECT
public:
    // Adds the rows to the options screen; they live as long as it does.
    static AdaptiveOptionRows* AttachTo(OptionsScreen& screen,
                                        const AdaptiveLadderDeclaration& ladder);
    // The rows of an options screen; nullptr when it has none.
    static AdaptiveOptionRows* Of(const QWidget* screen);

    bool ModeOn() const;
    int StartLevel() const;
    int Lowest() const;
    int Highest() const;
    const AdaptiveLadder& Ladder() const { return ladder_; }

    // Sets the ladder's controls to the level (1 to the last) as the screen's
    // own code would, so the therapy screen reads them as usual.
    void ApplyLevel(int level);
    // The next practice starts at this level.
    void SetStartLevel(int level);
    // Whether the mode was turned off by a hand change since the last ask.
    bool TakeHandChangeNotice();

private:
    AdaptiveOptionRows(OptionsScreen& screen, AdaptiveLadder ladder);
    void build(double left, double top);
    ValidatingComboBox* addLevelBox(const QString& name, const QString& initial, ComboRule rule);
    void watchLadderControls();
    void modeClicked();
    void changedByHand();
    void showModeChoices();
    void readStoredLevel();

    OptionsScreen& screen_;
    AdaptiveLadder ladder_;
    QCheckBox* mode_ = nullptr;
    ValidatingComboBox* start_ = nullptr;
    ValidatingComboBox* lowest_ = nullptr;
    ValidatingComboBox* highest_ = nullptr;
    bool applying_ = false;
    bool handChangeNotice_ = false;
};

// The patient's stored level for the exercise, from the reader set.
std::optional<int> StoredLevel(const QString& optionsForm);
