// A 3 x 3 board as the tic-tac-toe style exercises show it: nine square
// cells on a white sheet with a plain border, and four thick black lines in
// the gaps between the cells. Disabling the board stops its clicks without
// greying it.
#pragma once

#include "shell/controls/cell_grid.h"

#include <QFrame>

class LinedBoard : public QFrame {
    Q_OBJECT
public:
    // Cells of 1335 twips on a 1560 pitch, 360 from the sheet's edge; the
    // sheet is 5055 twips square. The lines are named Line1, Line2
    // (vertical) and Line3, Line6 (horizontal).
    static constexpr int Side = 5055;
    static constexpr int CellSide = 1335;
    static constexpr int Pitch = 1560;
    static constexpr int Margin = 360;

    LinedBoard(const QString& name, const QString& cellsName, QWidget* parent);

    // Places the sheet with its top-left corner at (left, top) twips of its parent.
    void PlaceAt(double left, double top);
    CellGrid* Cells() const { return cells_; }

private:
    void drawLines();

    CellGrid* cells_;
};
