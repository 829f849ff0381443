#include "shell/framework/layout.h"

#include "shell/resizer.h"

void Place(QWidget* widget, double left, double top, double width, double height) {
    if (DesignScale(widget) == 1.0) {
        widget->setGeometry(TwipsRect(left, top, width, height));
    } else {
        PlaceInDesign(widget, QRectF(TwipsRect(left, top, width, height)));
    }
}

void PlaceAt(QWidget* widget, double left, double top) {
    PlaceInDesignAt(widget, QPointF(Twips(left), Twips(top)));
}

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QRadioButton* MakeOption(const QString& name, const QString& caption, QWidget* parent,
                         bool checked) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setChecked(checked);
    return option;
}

QCheckBox* MakeCheck(const QString& name, const QString& caption, QWidget* parent, bool checked) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setChecked(checked);
    return check;
}

void SetFontSize(QWidget* widget, double points, bool bold) {
    QFont f = DesignFontOf(widget);
    f.setPointSizeF(points);
    f.setBold(bold);
    SetDesignFont(widget, f);
}

void FillWhite(QWidget* widget) {
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

void PlaceSideBySide(std::initializer_list<QWidget*> widgets, double left, double top, double width,
                     double height, double pitch) {
    for (QWidget* widget : widgets) {
        Place(widget, left, top, width, height);
        left += pitch;
    }
}

void PlaceValueLabels(std::initializer_list<LabelPlace> places, double height, double points,
                      Qt::Alignment alignment) {
    for (const LabelPlace& place : places) {
        place.label->setWordWrap(false);
        place.label->setAlignment(alignment);
        SetFontSize(place.label, points, true);
        Place(place.label, place.left, place.top, place.width, height);
    }
}
