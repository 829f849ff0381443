#include "shell/controls/lined_board.h"

#include "shell/controls/shapes.h"
#include "shell/twips.h"

LinedBoard::LinedBoard(const QString& name, const QString& cellsName, QWidget* parent)
    : QFrame(parent), cells_(new CellGrid(cellsName, this)) {
    setObjectName(name);
    setFrameShape(QFrame::Box);
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, Qt::white);
    setPalette(sheet);
    setAutoFillBackground(true);
    cells_->SetLayout({3, 3, Margin, Margin, CellSide, Pitch});
    // The lines part the cells: a border of their own would double them.
    cells_->SetBorders(false);
    drawLines();
}

void LinedBoard::PlaceAt(double left, double top) {
    setGeometry(TwipsRect(left, top, Side, Side));
}

void LinedBoard::drawLines() {
    // In the middle of the gaps, from the first cell's edge to the last one's
    // far side and a little beyond, as the board is drawn on paper.
    const double inner = Margin + CellSide + (Pitch - CellSide) / 2.0;
    const double far = Side - Margin + 105;
    const struct {
        const char* name;
        double x1, y1, x2, y2;
    } lines[] = {{"Line1", inner, Margin, inner, far},
                 {"Line2", inner + Pitch, Margin, inner + Pitch, far},
                 {"Line3", Margin, inner, far, inner},
                 {"Line6", Margin, inner + Pitch, far, inner + Pitch}};
    for (const auto& each : lines) {
        auto* line = new LineControl(each.name, this);
        line->BorderWidth = 5;
        line->SetEnds(each.x1, each.y1, each.x2, each.y2);
    }
}
