// Keeps a form's layout in proportion to the form's size: records the design
// geometry and font size of every control once, then scales them on resize.
// Stretching scales each axis by its own ratio (the main menu); the uniform
// mode scales both by one factor, so that nothing changes shape.
#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <vector>

// How a uniformly scaled design lies in the room it is shown in.
enum class FitMode {
    Centred,  // the design keeps its shape, centred in the room
    WholeForm // the design spans the whole room (a drawing over all of it)
};
struct UniformFit {
    double factor = 1; // pixels per design pixel
    QPointF offset;    // where the design's top-left corner lies
};
// The one factor that shows design in room without cutting anything off:
// the smaller of the two ratios.
UniformFit FitUniformly(QSizeF design, QSizeF room, FitMode mode);
// The rectangle that design (in design pixels) takes under fit: its edges are
// rounded, so that neighbours stay neighbours.
QRect ScaledRect(const QRectF& design, double factor, QPointF offset = {});

class clsResizer {
public:
    // Records the layout of form as designed and switches text fonts to Arial.
    void Startup(QWidget* form);
    // Places every control again, scaled from the design by the form's size.
    void Resize();

    // Uniform mode: records every control of form (also those inside frames
    // and composite controls) with its font, for a design of designSize
    // pixels. Fonts keep their faces.
    void StartupUniform(QWidget* form, QSize designSize, FitMode mode);
    bool IsUniform() const { return uniform_; }
    const UniformFit& Fit() const { return fit_; }
    // The design grows or shrinks (a screen that sizes itself to its lines).
    void SetDesignSize(QSize designSize);
    QSize DesignSize() const { return designSize_; }
    // A control placed or given a font by the screen at run time: the design
    // changes, and the control is scaled at once.
    void PlaceDesign(QWidget* control, const QRectF& design);
    void SetDesignFont(QWidget* control, const QFont& font);
    // The control's font as designed (its present font when it is not recorded).
    QFont DesignFont(const QWidget* control) const;

    enum class Kind {
        Label,
        TextBox,
        MultiLineTextBox,
        CommandButton,
        Frame,
        ComboBox,
        OptionButton,
        Image,
        Other
    };
    static Kind KindOf(const QWidget* control);

private:
    struct ControlGeometry {
        int Top = 0;
        int Left = 0;
        int Height = 0;
        int Width = 0;
        int FontSize = -1;
    };
    void record(QWidget* control, ControlGeometry& geometry);

    struct UniformRecord {
        QPointer<QWidget> control;
        QRectF design;    // in design pixels of its parent
        QFont font;       // as designed
        bool managedFont; // false for a font given in pixels
        bool placed;      // false when a layout of its parent places it
        bool onForm;      // a direct child of the form: the offset applies
    };
    void recordUniform(QWidget* container);
    UniformRecord& uniformRecord(QWidget* control);
    void applyUniform(UniformRecord& record) const;

    bool uniform_ = false;
    FitMode mode_ = FitMode::Centred;
    QSize designSize_;
    UniformFit fit_;
    std::vector<UniformRecord> records_;
    QHash<const QWidget*, size_t> recordIndex_;

    QPointer<QWidget> form_;
    QList<QPointer<QWidget>> controls_;
    QList<ControlGeometry> table_;
    int formHeight_ = 0;
    int formWidth_ = 0;
};

// For a screen's own code. The control's rectangle in design pixels of its
// parent: placed as it is when its form shows the design size, scaled with
// the form when the form fills the screen.
void PlaceInDesign(QWidget* control, const QRectF& design);
// Places control with its natural size (in the font it shows) at a corner in
// design pixels of its parent.
void PlaceInDesignAt(QWidget* control, QPointF designCorner);
// The control's font as designed, scaled likewise.
void SetDesignFont(QWidget* control, const QFont& font);
QFont DesignFontOf(const QWidget* control);
void SetDesignFontSize(QWidget* control, double points);
// Pixels per design pixel of the control's form: 1 at design size.
double DesignScale(const QWidget* control);
