#include "shell/resizer.h"

#include "shell/controls/picture_box.h"
#include "shell/forms.h"
#include "shell/twips.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
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
    if (uniform_) {
        if (form_ == nullptr) {
            return;
        }
        fit_ = FitUniformly(designSize_, form_->size(), mode_);
        for (UniformRecord& record : records_) {
            applyUniform(record);
        }
        return;
    }
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

UniformFit FitUniformly(QSizeF design, QSizeF room, FitMode mode) {
    if (design.isEmpty() || room.isEmpty()) {
        return {};
    }
    const double factor = std::min(room.width() / design.width(), room.height() / design.height());
    if (mode == FitMode::WholeForm) {
        return {factor, {}};
    }
    return {factor,
            {(room.width() - design.width() * factor) / 2,
             (room.height() - design.height() * factor) / 2}};
}

QRect ScaledRect(const QRectF& design, double factor, QPointF offset) {
    const auto edge = [](double at) { return static_cast<int>(std::lround(at)); };
    const int left = edge(design.left() * factor + offset.x());
    const int top = edge(design.top() * factor + offset.y());
    const int right = edge(design.right() * factor + offset.x());
    const int bottom = edge(design.bottom() * factor + offset.y());
    return {left, top, right - left, bottom - top};
}

namespace {

// Controls whose children are their own parts, placed by themselves.
bool placesOwnParts(const QWidget* control) {
    return qobject_cast<const QComboBox*>(control) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(control) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(control) != nullptr ||
           qobject_cast<const QLineEdit*>(control) != nullptr;
}

bool placedByLayout(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    return parent != nullptr && parent->layout() != nullptr &&
           parent->layout()->indexOf(control) >= 0;
}

// Whole points, rounded down: a caption never outgrows its scaled control.
QFont scaledFont(QFont font, double factor) {
    font.setPointSizeF(std::max(1.0, std::floor(font.pointSizeF() * factor + 1e-6)));
    return font;
}

} // namespace

void clsResizer::StartupUniform(QWidget* form, QSize designSize, FitMode mode) {
    form_ = form;
    uniform_ = true;
    mode_ = mode;
    designSize_ = designSize;
    records_.clear();
    recordIndex_.clear();
    recordUniform(form);
    fit_ = {};
}

void clsResizer::recordUniform(QWidget* container) {
    for (QObject* child : container->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control == nullptr || control->isWindow() || control->objectName().startsWith("qt_")) {
            continue;
        }
        uniformRecord(control);
        if (!placesOwnParts(control)) {
            recordUniform(control);
        }
    }
}

clsResizer::UniformRecord& clsResizer::uniformRecord(QWidget* control) {
    const auto found = recordIndex_.constFind(control);
    if (found != recordIndex_.cend()) {
        return records_[*found];
    }
    // At design size the control's geometry and font are the design's; one
    // recorded later (made at run time) is read back from the scaled form.
    const double factor = fit_.factor;
    const bool onForm = control->parentWidget() == form_;
    const QPointF offset = onForm ? fit_.offset : QPointF();
    const QRectF at(control->geometry());
    QFont font = control->font();
    const bool managed = font.pointSizeF() > 0;
    // A font of its own or one taken from a scaled frame is scaled; the
    // form's own font is not.
    const bool scaledAlready = control->testAttribute(Qt::WA_SetFont) || !onForm;
    if (managed && factor != 1 && scaledAlready) {
        font.setPointSizeF(font.pointSizeF() / factor);
    }
    UniformRecord record{control,
                         QRectF((at.left() - offset.x()) / factor, (at.top() - offset.y()) / factor,
                                at.width() / factor, at.height() / factor),
                         font,
                         managed,
                         !placedByLayout(control),
                         onForm};
    recordIndex_.insert(control, records_.size());
    records_.push_back(record);
    return records_.back();
}

void clsResizer::applyUniform(UniformRecord& record) const {
    QWidget* control = record.control;
    if (control == nullptr) {
        return;
    }
    if (record.managedFont) {
        const QFont font = scaledFont(record.font, fit_.factor);
        if (control->font() != font) {
            control->setFont(font);
        }
    }
    if (record.placed) {
        QRect at = ScaledRect(record.design, fit_.factor, record.onForm ? fit_.offset : QPointF());
        // Rounding never lets a control that lies inside its frame stick out of it.
        const auto parent = recordIndex_.constFind(control->parentWidget());
        if (!record.onForm && parent != recordIndex_.cend() &&
            QRectF(QPointF(), records_[*parent].design.size()).contains(record.design)) {
            at &= QRect(QPoint(), control->parentWidget()->size());
        }
        if (control->geometry() != at) {
            control->setGeometry(at);
        }
    }
}

void clsResizer::SetDesignSize(QSize designSize) {
    designSize_ = designSize;
    Resize();
}

void clsResizer::PlaceDesign(QWidget* control, const QRectF& design) {
    UniformRecord& record = uniformRecord(control);
    record.design = design;
    record.placed = true;
    applyUniform(record);
}

void clsResizer::SetDesignFont(QWidget* control, const QFont& font) {
    UniformRecord& record = uniformRecord(control);
    record.font = font;
    record.managedFont = font.pointSizeF() > 0;
    if (!record.managedFont) {
        control->setFont(font);
    }
    applyUniform(record);
}

QFont clsResizer::DesignFont(const QWidget* control) const {
    const auto found = recordIndex_.constFind(control);
    return found != recordIndex_.cend() ? records_[*found].font : control->font();
}

namespace {

clsResizer* uniformScalerOf(const QWidget* control) {
    auto* form = qobject_cast<Form*>(control->window());
    clsResizer* scaler = form != nullptr ? form->UniformScaler() : nullptr;
    return scaler != nullptr && scaler->IsUniform() ? scaler : nullptr;
}

} // namespace

void PlaceInDesign(QWidget* control, const QRectF& design) {
    if (clsResizer* scaler = uniformScalerOf(control)) {
        scaler->PlaceDesign(control, design);
    } else {
        control->setGeometry(ScaledRect(design, 1));
    }
}

void PlaceInDesignAt(QWidget* control, QPointF designCorner) {
    control->adjustSize();
    const double factor = DesignScale(control);
    if (factor == 1.0) {
        control->move(designCorner.toPoint());
    } else {
        PlaceInDesign(control, QRectF(designCorner, QSizeF(control->size()) / factor));
    }
}

void SetDesignFont(QWidget* control, const QFont& font) {
    if (clsResizer* scaler = uniformScalerOf(control)) {
        scaler->SetDesignFont(control, font);
    } else {
        control->setFont(font);
    }
}

QFont DesignFontOf(const QWidget* control) {
    const clsResizer* scaler = uniformScalerOf(control);
    return scaler != nullptr ? scaler->DesignFont(control) : control->font();
}

void SetDesignFontSize(QWidget* control, double points) {
    QFont font = DesignFontOf(control);
    font.setPointSizeF(points);
    SetDesignFont(control, font);
}

double DesignScale(const QWidget* control) {
    const clsResizer* scaler = uniformScalerOf(control);
    return scaler != nullptr ? scaler->Fit().factor : 1.0;
}
