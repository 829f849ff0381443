// Options screen of the picture exercises: presentation order, the picture
// picker with its preview, and example boxes that draw the flips when clicked.
#pragma once

#include "exercises/flipper/orientations.h"
#include "shell/controls/picture_box.h"
#include "shell/framework/options_screen.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QRect>
#include <QScrollBar>
#include <array>

struct PictureOptionsLayout {
    QString title;
    QRect titleRect;        // all rectangles in twips
    QRect orderFrame;       // Frame1
    QRect pickFrame;        // frmPick
    QPoint numberLabel;     // lblPicNumb, in frmPick
    QRect scrollBar;        // HScroll1, in frmPick
    QRect preview;          // imgShowPic, in frmPick
    QString exampleCaption; // frmExample
    QRect exampleFrame;
    std::array<QRect, 4> exampleBoxes; // Picture1 to Picture4, in frmExample
    std::array<QString, 4> exampleCaptions;
    std::array<QPoint, 4> exampleCaptionCorners; // Label2 to Label5, in frmExample
    int exampleCaptionWidth = 0;                 // 0: the box's width + 240
    std::array<Orientation, 3> exampleFlips;     // drawn into Picture2 to Picture4
    ButtonRow buttons;                           // Main Menu, Help, Therapy
    QSize formSize;
};

class PictureOptionsScreen : public OptionsScreen {
    Q_OBJECT
public:
    PictureOptionsScreen(const QString& name, Triad triad, const PictureOptionsLayout& layout);

    // Sets the picker's maximum and shows Image1.jpg and the example picture.
    void Form_Activate() override;
    void HScroll1_Change();
    void optInOrder_Click();
    // Draws the example picture into box 2, 3 or 4 in that box's flip.
    void ExampleBox_Click(int box);

    QRadioButton* optInOrder;
    QRadioButton* optRandom;
    QGroupBox* frmPick;
    VbLabel* lblPicNumb;
    QScrollBar* HScroll1;
    ImageBox* imgShowPic;
    QGroupBox* frmExample;
    std::array<PictureBox*, 4> ExampleBoxes; // Picture1 to Picture4

private:
    std::array<Orientation, 3> exampleFlips_;
};
