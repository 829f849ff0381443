// Shape and line controls: decorations drawn on a form, in twips.
#pragma once

#include <QWidget>

class ShapeControl : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };
    ShapeControl(const QString& name, QWidget* parent, Kind kind = Rectangle);

    Kind Shape;
    QColor BorderColor = Qt::black;
    int BorderWidth = 1;
    QColor FillColor; // invalid: not filled
    void Refresh() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A line between two end points. It lies in a box of its own, placed and
// scaled like any other control; it draws its ends stretched with that box.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(const QString& name, QWidget* parent);
    // End points in twips of the parent.
    void SetEnds(double x1, double y1, double x2, double y2);
    QColor BorderColor = Qt::black;
    int BorderWidth = 1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QRect designBox_; // in pixels of the parent at design size
};
