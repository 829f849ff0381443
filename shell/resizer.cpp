#include "shell/resizer.h"

#include "shell/controls/picture_box.h"
#include "shell/controls/shapes.h"
#include "shell/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <cmath>

namespace {

// The form's controls: its named children, and those of its frames.
void collectControls(QWidget* container, QList<QPointer<QWidget>>& controls) {
    for (QObject* child : container->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control == nullptr || control->isWindow() || control->objectName().isEmpty() ||
            control->objectName().startsWith("qt_")) {
            continue;
        }
        controls.append(control);
        if (qobject_cast<QGroupBox*>(control) != nullptr) {
            collectControls(control, controls);
        }
    }
}

int toTwips(int pixels) {
    return static_cast<int>(std::lround(PixelsToTwips(pixels)));
}

bool keepsFontFace(const QString& family) {
    return family == "Wingdings" || family == "Symbol" || family == "UPCA";
}

} // namespace

clsResizer::Kind clsResizer::KindOf(const QWidget* control) {
    if (qobject_cast<const LineControl*>(control)) {
        return Kind::Line;
    }
    if (qobject_cast<const QLabel*>(control)) {
        return Kind::Label;
    }
    if (qobject_cast<const QLineEdit*>(control)) {
        return Kind::TextBox;
    }
    if (qobject_cast<const QTextEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control)) {
        return Kind::MultiLineTextBox;
    }
    if (qobject_cast<const QPushButton*>(control)) {
        return Kind::CommandButton;
    }
    if (qobject_cast<const QGroupBox*>(control)) {
        return Kind::Frame;
    }
    if (qobject_cast<const QComboBox*>(control)) {
        return Kind::ComboBox;
    }
    if (qobject_cast<const QRadioButton*>(control)) {
        return Kind::OptionButton;
    }
    if (qobject_cast<const ImageBox*>(control)) {
        return Kind::Image;
    }
    return Kind::Other;
}

void clsResizer::record(QWidget* control, ControlGeometry& geometry) {
    const Kind kind = KindOf(control);
    if (kind == Kind::Line) {
        const auto* line = static_cast<LineControl*>(control);
        geometry.Top = static_cast<int>(std::lround(line->Y1()));
        geometry.Left = static_cast<int>(std::lround(line->X1()));
        geometry.Height = static_cast<int>(std::lround(line->Y2()));
        geometry.Width = static_cast<int>(std::lround(line->X2()));
        return;
    }
    geometry.Top = toTwips(control->y());
    geometry.Left = toTwips(control->x());
    geometry.Height = toTwips(control->height());
    geometry.Width = toTwips(control->width());
    switch (kind) {
    case Kind::Label:
    case Kind::TextBox:
    case Kind::MultiLineTextBox:
    case Kind::CommandButton:
    case Kind::Frame:
    case Kind::ComboBox:
    case Kind::OptionButton: {
        QFont font = control->font();
        geometry.FontSize = static_cast<int>(std::lround(font.pointSizeF()));
        if (!keepsFontFace(font.family())) {
            font.setFamily("Arial");
            control->setFont(font);
        }
        break;
    }
    case Kind::Image:
        static_cast<ImageBox*>(control)->Stretch = true;
        break;
    default:
        break;
    }
}

void clsResizer::Startup(QWidget* form) {
    form_ = form;
    controls_.clear();
    collectControls(form, controls_);
    table_ = QList<ControlGeometry>(controls_.size());
    for (int i = 0; i < controls_.size(); ++i) {
        record(controls_[i], table_[i]);
    }
    formHeight_ = toTwips(form->height());
    formWidth_ = toTwips(form->width());
}

void clsResizer::Resize() {
    if (form_ == nullptr || formHeight_ == 0 || formWidth_ == 0) {
        return;
    }
    const float heightRatio = float(PixelsToTwips(form_->height())) / float(formHeight_);
    const float widthRatio = float(PixelsToTwips(form_->width())) / float(formWidth_);
    const float fontRatio = std::min(heightRatio, widthRatio);
    for (int i = 0; i < controls_.size(); ++i) {
        QWidget* control = controls_[i];
        const ControlGeometry& g = table_[i];
        if (control == nullptr || g.Top <= 0) {
            continue;
        }
        const Kind kind = KindOf(control);
        if (kind == Kind::Line) {
            static_cast<LineControl*>(control)->SetEnds(g.Left * widthRatio, g.Top * heightRatio,
                                                        g.Width * widthRatio,
                                                        g.Height * heightRatio);
            continue;
        }
        const bool isCombo = kind == Kind::ComboBox;
        const int height = isCombo ? control->height() : Twips(g.Height * heightRatio);
        control->setGeometry(Twips(g.Left * widthRatio), Twips(g.Top * heightRatio),
                             Twips(g.Width * widthRatio), height);
        if (g.FontSize != -1 && kind != Kind::MultiLineTextBox) {
            QFont font = control->font();
            font.setPointSizeF(g.FontSize * fontRatio);
            control->setFont(font);
        }
        if (!isCombo) {
            control->resize(control->width(), Twips(g.Height * heightRatio));
        }
    }
}
