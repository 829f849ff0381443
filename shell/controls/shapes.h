// Shape and line controls: decorations drawn on a form, in twips.
#pragma once

#include "shell/end_points_control.h"

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

class LineControl : public QWidget, public EndPointsControl {
    Q_OBJECT
public:
    LineControl(const QString& name, QWidget* parent);
    // End points in twips of the parent.
    void SetEnds(double x1, double y1, double x2, double y2) override;
    QLineF Ends() const override { return {x1_, y1_, x2_, y2_}; }
    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    QColor BorderColor = Qt::black;
    int BorderWidth = 1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QRect designBox_; // in pixels of the parent at design size
};
