// Options of Closing Letters: the letter case, how many tiles one click of
// Erase Tiles removes, and a preview of the letter pictures.
#pragma once

#include "exercises/closing_letters/closing_letters_rules.h"
#include "shell/controls/picture_box.h"
#include "shell/framework/options_screen.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>

class frmLetterO : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmLetterO";
    frmLetterO();

    // Shows a random upper case letter (A to X) in the preview.
    void Form_Activate() override;
    void HScroll1_Change();
    void HScroll2_Change();

    // The chosen case and tiles per click, as the therapy screen reads them.
    ClosingLetters::LetterCase ChosenCase() const;
    int TilesPerClick() const { return HScroll2->value(); }

    VbLabel* Label1; // title
    QGroupBox* frmCaseOpts;
    QRadioButton* optUC;
    QRadioButton* optLC;
    QRadioButton* OptBoth;
    QGroupBox* Frame2;
    QScrollBar* HScroll2;
    VbLabel* lblSpd;
    VbLabel* Label2; // "Faster", at the 10 end
    VbLabel* Label3; // "Slower", at the 1 end
    QGroupBox* frmPick;
    QScrollBar* HScroll1;
    ImageBox* imgShowPic;
    VbLabel* lblPicNumb;
    VbButton* cmdStart;
    VbButton* cmdHelp;
    VbButton* cmdMenu;

private:
    void buildCaseFrame();
    void buildTilesFrame();
    void buildPreviewFrame();
    void buildButtons();
};
