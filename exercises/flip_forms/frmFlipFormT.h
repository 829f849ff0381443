// The Flip Forms exercise: flip a picture step by step in three boxes.
#pragma once

#include "exercises/flip_forms/flip_forms_rules.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/shapes.h"
#include "shell/framework/therapy_screen.h"

#include <array>

// Therapy screen: the sample and three boxes that the patient flips in turn.
class frmFlipFormT : public PictureTherapyScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFlipFormT";
    frmFlipFormT();

    void cmdNextSet_Click() override;
    void Picture1_Click() { BoxClick(1); }
    void Picture2_Click() { BoxClick(2); }
    void Picture3_Click() { BoxClick(3); }
    void cmdOK1_Click();
    void cmdOK2_Click();
    void cmdOK3_Click();
    void cmdRepeat_Click();

    PictureBox* Picture0;
    std::array<PictureBox*, 3> Boxes; // Picture1 to Picture3
    std::array<VbButton*, 3> cmdOK;   // cmdOK1 to cmdOK3
    std::array<ShapeControl*, 3> shpGrnBox;
    std::array<VbLabel*, 3> lblInfo; // lblInfo1 to lblInfo3: Correct / Incorrect
    VbLabel* lblInfo4;               // the instruction of the current step
    VbButton* cmdRepeat;
    VbLabel* lblRepeat;
    LineControl* Line1;
    LineControl* Line2;

    int PicturePosition = 0;

protected:
    void TakeStartingSettings() override;
    void ClearStimulus() override;

private:
    void BoxClick(int box);
    // Moves from the step of box `box` - 1 to the step of box `box` (2 or 3).
    void GoToBox(int box);
    void ShowGreenFrame(int box); // 0: none
    void SetBoxEnabled(int box, bool enabled);
    void SetRepeatVisible(bool visible);
    void SetResultsVisible(bool visible);
    // False when the screen was closed while the last-picture notice was open.
    bool LoadNextPicture();
    void ClearPictures();
    void CheckBoxes();
    void UpdateFlipFormCounters(Single responseTime);

    FlipFormSet set_;
};
