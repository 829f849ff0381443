#include "shell/controls/cell_grid.h"

#include "shell/controls/colors.h"
#include "shell/keyboard.h"
#include "shell/resizer.h"
#include "shell/twips.h"

#include <QKeyEvent>
#include <QPainter>

GridCell::GridCell(int index, QWidget* parent) : QAbstractButton(parent), index_(index) {
    setObjectName(parent->objectName() + "(" + QString::number(index) + ")");
    setFocusPolicy(Qt::StrongFocus);
    updateOpaque();
}

// An opaque back colour covers the whole cell: what lies under it need not
// be painted first.
void GridCell::updateOpaque() {
    setAttribute(Qt::WA_OpaquePaintEvent, backColor_.isValid() && backColor_.alpha() == 255);
}

void GridCell::SetCaption(const QString& caption) {
    setText(caption);
    setAccessibleDescription(caption.trimmed());
    update();
}

void GridCell::SetBackColor(const QColor& color) {
    SetAnswerColor(color, AnswerMark::None);
}

void GridCell::SetAnswerColor(const QColor& color, AnswerMark mark) {
    // A cell that already shows this is left alone: setting a whole grid
    // repaints only the cells that change.
    if (color == backColor_ && mark == mark_) {
        return;
    }
    backColor_ = color;
    mark_ = mark;
    updateOpaque();
    updateSpokenName();
    update();
}

void GridCell::SetSpokenName(const QString& name) {
    spokenName_ = name;
    updateSpokenName();
}

void GridCell::updateSpokenName() {
    setAccessibleName(spokenName_ + ", " + ColorName(backColor_) +
                      AnswerMarks::SpokenSuffix(mark_));
}

void GridCell::SetCaptionColor(const QColor& color) {
    captionColor_ = color;
    update();
}

void GridCell::SetFontSize(double points) {
    SetDesignFontSize(this, points);
    update();
}

void GridCell::SetBorder(bool on) {
    border_ = on;
    update();
}

void GridCell::paintEvent(QPaintEvent*) {
    // Drawn in its own colours only: a disabled cell looks the same.
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (border_) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // A blank caption draws nothing; laying it out would cost more than
    // the rest of the cell.
    if (!text().trimmed().isEmpty()) {
        painter.setPen(captionColor_);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    if (keyFocus_.Shown(*this)) {
        DrawFocusFrame(painter, rect());
    } else if (hasFocus()) {
        painter.setPen(QPen(captionColor_, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    AnswerMarks::Draw(painter, rect(), mark_);
}

void GridCell::keyPressEvent(QKeyEvent* event) {
    keyFocus_.KeyPressed();
    update();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
    } else if (!Keyboard::MoveFocusByArrow(this, event->key())) {
        QAbstractButton::keyPressEvent(event);
    }
}

void GridCell::mousePressEvent(QMouseEvent* event) {
    keyFocus_.Hide();
    QAbstractButton::mousePressEvent(event);
}

void GridCell::focusInEvent(QFocusEvent* event) {
    keyFocus_.FocusIn(*event);
    QAbstractButton::focusInEvent(event);
}

void GridCell::focusOutEvent(QFocusEvent* event) {
    keyFocus_.Hide();
    QAbstractButton::focusOutEvent(event);
}

CellGrid::CellGrid(const QString& name, QWidget* parent) : QWidget(parent), namePrefix_("Square") {
    setObjectName(name);
}

namespace {

// Pixel edges of cell n along one axis, relative to the grid's own corner.
struct Span {
    int start;
    int end;
};

Span CellSpan(double origin, double cellSize, double pitch, int n) {
    const int corner = Twips(origin);
    const int start = Twips(origin + n * pitch) - corner;
    if (cellSize > pitch) {
        // Up to and including the next cell's first line.
        return {start, Twips(origin + (n + 1) * pitch) - corner + 1};
    }
    return {start, Twips(origin + n * pitch + cellSize) - corner};
}

} // namespace

void CellGrid::SetLayout(const GridLayout& layout) {
    layout_ = layout;
    const int count = std::max(0, layout.rows) * std::max(0, layout.columns);
    while (cells_.size() > count) {
        delete cells_.takeLast();
    }
    while (cells_.size() < count) {
        auto* cell = new GridCell(static_cast<int>(cells_.size()), this);
        nameCell(cell);
        connect(cell, &QAbstractButton::clicked, this,
                [this, cell] { Q_EMIT CellClick(cell->Index()); });
        cell->show();
        cells_.append(cell);
    }
    QSize extent;
    for (GridCell* cell : cells_) {
        const int row = cell->Index() / layout.columns;
        const int column = cell->Index() % layout.columns;
        const Span x = CellSpan(layout.left, layout.cellSize, layout.pitch, column);
        const Span y = CellSpan(layout.top, layout.cellSize, layout.pitch, row);
        PlaceInDesign(cell, QRectF(x.start, y.start, x.end - x.start, y.end - y.start));
        extent = extent.expandedTo(QSize(x.end, y.end));
    }
    PlaceInDesign(this, QRectF(QPoint(Twips(layout.left), Twips(layout.top)), extent));
}

void CellGrid::SetBackColors(const QColor& color) {
    for (GridCell* cell : cells_) {
        cell->SetBackColor(color);
    }
}

void CellGrid::SetCaptions(const QString& caption) {
    for (GridCell* cell : cells_) {
        cell->SetCaption(caption);
    }
}

void CellGrid::SetCaptionColors(const QColor& color) {
    for (GridCell* cell : cells_) {
        cell->SetCaptionColor(color);
    }
}

void CellGrid::SetFontSize(double points) {
    SetDesignFontSize(this, points); // cells made later take it too
    for (GridCell* cell : cells_) {
        cell->SetFontSize(points);
    }
}

void CellGrid::SetBorders(bool on) {
    for (GridCell* cell : cells_) {
        cell->SetBorder(on);
    }
}

void CellGrid::NameCells(const QString& prefix) {
    namePrefix_ = prefix;
    for (GridCell* cell : cells_) {
        nameCell(cell);
    }
}

void CellGrid::nameCell(GridCell* cell) const {
    cell->SetSpokenName(namePrefix_ + " " + QString::number(cell->Index() + 1));
}
