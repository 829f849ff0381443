#include "shell/controls/picture_box.h"
#include "shell/controls/shapes.h"
#include "shell/framework/layout.h"
#include "shell/resizer.h"
#include "tests/support/kova_test.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QFont fontOf(const char* family, int points) {
    QFont font(family);
    font.setPointSize(points);
    return font;
}

// A form at its 800 × 600 design size with one control of each kind.
struct DesignForm {
    DesignForm() {
        form.resize(800, 600);
        button = add<QPushButton>("cmdGo", 600, 1500, 1500, 600, fontOf("Times New Roman", 10));
        frame = add<QGroupBox>("frmBox", 3000, 3000, 3000, 1500, fontOf("Arial", 8));
        inFrame = new QPushButton(frame);
        inFrame->setObjectName("cmdInFrame");
        Place(inFrame, 300, 300, 900, 450);
        combo = add<QComboBox>("cboList", 4500, 300, 1500, 0, fontOf("Arial", 9));
        text = add<QPlainTextEdit>("txtNotes", 6000, 1500, 2400, 1200, fontOf("Arial", 9));
        atTop = add<QPushButton>("cmdAtTop", 0, 0, 1200, 450, fontOf("Arial", 9));
        symbols = add<QLabel>("lblSymbols", 7500, 4500, 1500, 450, fontOf("Wingdings", 12));
        image = add<ImageBox>("imgLogo", 1500, 6000, 1200, 1200, QFont());
        image->Stretch = false;
        line = new LineControl("Line1", &form);
        line->SetEnds(300, 7500, 6000, 8100);
    }
    template <class T>
    T* add(const char* name, int left, int top, int width, int height, const QFont& font) {
        T* control = nullptr;
        if constexpr (std::is_constructible_v<T, QString, QWidget*>) {
            control = new T(name, &form);
        } else {
            control = new T(&form);
        }
        control->setObjectName(name);
        control->setFont(font);
        Place(control, left, top, width, height > 0 ? height : 0);
        if (height == 0) {
            control->move(Twips(left), Twips(top)); // a combo keeps its own height
        }
        return control;
    }
    QWidget form;
    QPushButton *button, *inFrame, *atTop;
    QGroupBox* frame;
    QComboBox* combo;
    QPlainTextEdit* text;
    QLabel* symbols;
    ImageBox* image;
    LineControl* line;
};

} // namespace

class Resizer : public KovaTest {};

TEST_F(Resizer, StartupSwitchesTextFontsToArialButKeepsSymbolFonts) {
    DesignForm d;
    clsResizer resizer;
    resizer.Startup(&d.form);
    EXPECT_EQ(d.button->font().family(), "Arial");
    EXPECT_EQ(d.symbols->font().family(), "Wingdings");
    EXPECT_TRUE(d.image->Stretch);
    EXPECT_EQ(d.button->geometry(), TwipsRect(600, 1500, 1500, 600)) << "nothing moves yet";
}

TEST_F(Resizer, ProportionalEnlargementScalesPositionsSizesAndFonts) {
    DesignForm d;
    clsResizer resizer;
    resizer.Startup(&d.form);
    const int comboHeight = d.combo->height();
    d.form.resize(1024, 768);
    resizer.Resize();
    EXPECT_EQ(d.button->geometry(), QRect(51, 128, 128, 51)); // ×1.28
    EXPECT_NEAR(d.button->font().pointSizeF(), 12.8, 1e-4);
    EXPECT_EQ(d.inFrame->geometry(), QRect(26, 26, 77, 38)) << "controls in frames too";
    EXPECT_EQ(d.combo->pos(), QPoint(384, 26));
    EXPECT_EQ(d.combo->width(), 128);
    EXPECT_EQ(d.combo->height(), comboHeight) << "a combo's height is never set";
    EXPECT_NEAR(d.combo->font().pointSizeF(), 9 * 1.28, 1e-4);
    EXPECT_EQ(d.text->geometry(), QRect(512, 128, 205, 102));
    EXPECT_DOUBLE_EQ(d.text->font().pointSizeF(), 9) << "multi-line text keeps its font";
    EXPECT_EQ(d.atTop->geometry(), TwipsRect(0, 0, 1200, 450)) << "top 0 is left alone";
    EXPECT_EQ(d.line->X2(), 6000 * 1.28f);
    EXPECT_EQ(d.line->Y1(), 7500 * 1.28f);
}

TEST_F(Resizer, UnevenEnlargementScalesEachAxisAndFontsByTheSmallerRatio) {
    DesignForm d;
    clsResizer resizer;
    resizer.Startup(&d.form);
    d.form.resize(1280, 768);
    resizer.Resize();
    EXPECT_EQ(d.button->geometry(), QRect(64, 128, 160, 51)); // widths ×1.6, heights ×1.28
    EXPECT_NEAR(d.button->font().pointSizeF(), 12.8, 1e-4);
    EXPECT_NEAR(d.symbols->font().pointSizeF(), 12 * 1.28, 1e-4);
    EXPECT_EQ(d.image->geometry(), QRect(160, 512, 128, 102));
}

TEST_F(Resizer, RepeatedResizesScaleFromTheDesignAndDoNotDrift) {
    DesignForm d;
    clsResizer resizer;
    resizer.Startup(&d.form);
    for (QSize size : {QSize(1037, 771), QSize(913, 655), QSize(1201, 899), QSize(800, 600)}) {
        d.form.resize(size);
        resizer.Resize();
    }
    EXPECT_EQ(d.button->geometry(), TwipsRect(600, 1500, 1500, 600));
    EXPECT_DOUBLE_EQ(d.button->font().pointSizeF(), 10);
}
