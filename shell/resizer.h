// Keeps a form's layout in proportion to the form's size: records the design
// geometry and font size of every control once, then scales them on resize.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class clsResizer {
public:
    // Records the layout of form as designed and switches text fonts to Arial.
    void Startup(QWidget* form);
    // Places every control again, scaled from the design by the form's size.
    void Resize();

    enum class Kind {
        Line,
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

    QPointer<QWidget> form_;
    QList<QPointer<QWidget>> controls_;
    QList<ControlGeometry> table_;
    int formHeight_ = 0;
    int formWidth_ = 0;
};
