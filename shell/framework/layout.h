// Small builders that place controls at their design position in twips.
#pragma once

#include "shell/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <initializer_list>
#include <utility>

// Places a control at its design rectangle; on a form that fills the screen
// the rectangle is scaled with the form.
void Place(QWidget* widget, double left, double top, double width, double height);

// Places a control whose design gives only its corner; it takes its natural size.
void PlaceAt(QWidget* widget, double left, double top);

QGroupBox* MakeFrame(const QString& name, const QString& caption, QWidget* parent);
QRadioButton* MakeOption(const QString& name, const QString& caption, QWidget* parent,
                         bool checked = false);
QCheckBox* MakeCheck(const QString& name, const QString& caption, QWidget* parent,
                     bool checked = false);
void SetFontSize(QWidget* widget, double points, bool bold = false);
// A plain white background behind the widget's children.
void FillWhite(QWidget* widget);

// Controls of one size side by side, each pitch twips right of the last.
void PlaceSideBySide(std::initializer_list<QWidget*> widgets, double left, double top, double width,
                     double height, double pitch);

// A label's place in its frame, in twips.
struct LabelPlace {
    QLabel* label;
    double left;
    double top;
    double width;
};
// Value labels of a counter frame: unwrapped, bold, aligned, each at its place.
void PlaceValueLabels(std::initializer_list<LabelPlace> places, double height, double points,
                      Qt::Alignment alignment);

// The value paired with the selected option button, or fallback when none
// of them is selected.
template <class T>
T ChosenOption(std::initializer_list<std::pair<const QRadioButton*, T>> options, T fallback) {
    for (const auto& [option, value] : options) {
        if (option != nullptr && option->isChecked()) {
            return value;
        }
    }
    return fallback;
}
