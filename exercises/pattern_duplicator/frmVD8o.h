// Pattern Duplicator options: grid size, grid borders, the most squares in
// a pattern and the practice time, which the therapy and scores screens read
// from here.
#pragma once

#include "shell/framework/options_screen.h"

#include <QCheckBox>

class frmVD8o : public OptionsScreen {
    Q_OBJECT
public:
    static constexpr const char* Name = "frmVD8o";
    frmVD8o();

    bool SmallGrid() const { return chkGridSize->isChecked(); }
    bool BordersOn() const { return chkBorders->isChecked(); }
    // 25 or 100: the squares of the chosen grid, the most a pattern may use.
    int GridCells() const;

    // Empties the maximum-squares list, fills it in fives up to the grid's
    // squares and puts "10" back.
    void FillMaxSquaresList();

    QCheckBox* chkGridSize;
    QCheckBox* chkBorders;
    ValidatingComboBox* cboMaxSq;
    ValidatingComboBox* cboPracTime;

private:
    void buildChecks();
    void buildCombos();
    void buildButtons();
};
