#include "shell/framework/layout.h"

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
    QFont f = widget->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    widget->setFont(f);
}
