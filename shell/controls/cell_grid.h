// A grid of square cells placed row by row from an origin on a fixed pitch:
// a back colour, an optional border and a caption per cell, and one click
// handler that receives the cell's index. Disabling the grid (or a frame that
// holds it) stops its clicks and keys without greying its cells.
#pragma once

#include "shell/controls/answer_marks.h"
#include "shell/controls/focus_frame.h"

#include <QAbstractButton>
#include <QList>

// Where the cells lie, in twips of the grid's parent. Cell index = row ×
// columns + column, from 0 at the top left.
struct GridLayout {
    int rows = 1;
    int columns = 1;
    double left = 0; // the top-left corner of the first cell
    double top = 0;
    double cellSize = 0; // side of one cell
    double pitch = 0;    // from one cell's corner to the next one's
};

// One cell: a flat square that a click, the space bar, Enter or a screen
// reader presses. The arrow keys move the focus to the neighbouring cells,
// and a cell focused from the keyboard shows a bold focus frame. A screen
// reader hears its name and colour ("Grid 3 square 5, blue").
class GridCell : public QAbstractButton {
    Q_OBJECT
public:
    GridCell(int index, QWidget* parent);

    int Index() const { return index_; }
    // The caption, centred; also what a screen reader reads as the cell's description.
    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }
    // The back colour; an answer mark shown before is taken away.
    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }
    // The colour that judges an answer, with its answer mark.
    void SetAnswerColor(const QColor& color, AnswerMark mark);
    AnswerMark Mark() const { return mark_; }
    // The name a screen reader says before the colour ("Grid 3 square 5").
    void SetSpokenName(const QString& name);
    // Whether the keyboard's focus frame is drawn now.
    bool FocusFrameShown() const { return keyFocus_.Shown(*this); }
    void SetCaptionColor(const QColor& color);
    QColor CaptionColor() const { return captionColor_; }
    void SetFontSize(double points);
    // A single black line around the cell.
    void SetBorder(bool on);
    bool Border() const { return border_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateSpokenName();
    void updateOpaque();

    int index_;
    QString spokenName_;
    AnswerMark mark_ = AnswerMark::None;
    KeyboardFocus keyFocus_;
    QColor backColor_ = Qt::white;
    QColor captionColor_ = Qt::black;
    bool border_ = true;
};

class CellGrid : public QWidget {
    Q_OBJECT
public:
    CellGrid(const QString& name, QWidget* parent);

    // Places rows × columns cells. A cell larger than the pitch overlaps its
    // right and lower neighbours by exactly one line, so that neighbours share
    // a single border line whatever the rounding to pixels. New cells are
    // white with a border, a black caption and the grid's name scheme.
    void SetLayout(const GridLayout& layout);
    const GridLayout& Layout() const { return layout_; }

    int Count() const { return static_cast<int>(cells_.size()); }
    // The cell at index (0 to Count() - 1).
    GridCell* Cell(int index) const { return cells_.at(index); }

    // The same setting for every cell.
    void SetBackColors(const QColor& color);
    void SetCaptions(const QString& caption);
    void SetCaptionColors(const QColor& color);
    void SetFontSize(double points);
    void SetBorders(bool on);

    // Screen-reader names: prefix followed by the cell's number counted from 1
    // ("Grid 3 square 5" is cell index 4 of prefix "Grid 3 square"), then
    // the cell's colour.
    void NameCells(const QString& prefix);

Q_SIGNALS:
    void CellClick(int index);

private:
    void nameCell(GridCell* cell) const;

    GridLayout layout_;
    QList<GridCell*> cells_;
    QString namePrefix_;
};
