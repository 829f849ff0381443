// Character Searching options: rows, characters per row, font size, practice
// time and character type, which the therapy and scores screens read from
// here. A font above 18 leaves room for at most 10 rows.
#pragma once

#include "exercises/character_searching/character_searching_rules.h"
#include "shell/framework/options_screen.h"

#include <QGroupBox>
#include <QRadioButton>

class frmFG7o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmFG7o";
    frmFG7o();

    void Form_Load() override;
    // After every check of the font box: the rows list that fits the font,
    // showing the rows chosen last (at most 10 for a large font).
    void cboFont_Validate();
    // After every check of the rows box: remembers the rows chosen.
    void cboRows_Validate();

    // 10 above font 18, else 15.
    int RowMaximum() const;
    CharacterSearching::TypeChoice ChosenType() const;
    // The grid settings as the therapy screen uses them, kept within the
    // boxes' bounds.
    CharacterSearching::LayoutSettings GridSettings() const;
    int StoredRows() const { return storedRows_; }

    ValidatingComboBox* cboRows;
    ValidatingComboBox* cboPerRow;
    ValidatingComboBox* cboFont;
    ValidatingComboBox* cboPracTime;
    QGroupBox* Frame1;
    QRadioButton* optNumbers;
    QRadioButton* optLCLetters;
    QRadioButton* optUCLetters;
    QRadioButton* OptRandom;

private:
    void buildCombos();
    void addComboRow(ValidatingComboBox* combo, const QString& labelName, const QString& caption,
                     const QString& toolTip, bool labelTip, int top);
    void buildTypeFrame();
    void buildButtons();

    int storedRows_ = 5;
};
