// A control placed by two end points in twips of its parent (a line): the
// stretching layout scaler scales its ends rather than its rectangle.
#pragma once

#include <QLineF>

class EndPointsControl {
public:
    virtual ~EndPointsControl() = default;
    virtual QLineF Ends() const = 0;
    virtual void SetEnds(double x1, double y1, double x2, double y2) = 0;
};
