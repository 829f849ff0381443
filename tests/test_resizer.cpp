#include "shell/controls/picture_box.h"
#include "shell/controls/shapes.h"
#include "shell/forms.h"
#include "shell/framework/layout.h"
#include "shell/resizer.h"
#include "tests/support/kova_test.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
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

// Whether a pixel within one of the point is drawn dark.
bool darkNear(const QImage& image, QPoint point) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (qGray(image.pixel(point + QPoint(dx, dy))) < 100) {
                return true;
            }
        }
    }
    return false;
}

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
    // The line's ends, from 300,7500 to 6000,8100 twips, stretched ×1.28.
    const QImage drawn = d.form.grab().toImage();
    EXPECT_TRUE(darkNear(drawn, QPoint(26, 640)));
    EXPECT_TRUE(darkNear(drawn, QPoint(512, 691)));
    EXPECT_TRUE(darkNear(drawn, QPoint(269, 666))) << "its middle";
    EXPECT_FALSE(darkNear(drawn, QPoint(20, 500))) << "nothing where it was designed";
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

// ---- Uniform scaling: one factor, centred ----

namespace {

// A form of the 800 x 600 design shown on a display of that size.
class UniformForm : public Form {
public:
    UniformForm() : Form("frmUniform") {
        SetDesignSize(12000, 9000);
        button = new QPushButton("Go", this);
        button->setObjectName("cmdGo");
        Place(button, 600, 1500, 1500, 600);
        SetFontSize(button, 10);
        frame = MakeFrame("frmBox", "Box", this);
        Place(frame, 3000, 3000, 3000, 1500);
        inFrame = new QPushButton("In", frame);
        inFrame->setObjectName("cmdInFrame");
        Place(inFrame, 300, 300, 900, 450);
        SetFontSize(inFrame, 8);
        combo = new QComboBox(this);
        combo->setObjectName("cboList");
        Place(combo, 4500, 300, 1500, 360);
    }
    QPushButton *button, *inFrame;
    QGroupBox* frame;
    QComboBox* combo;
};

} // namespace

class UniformScaling : public KovaTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(UniformScaling, OneFactorCentredAndNeverBeyondTheDisplay) {
    const QSize display = GetParam();
    for (const QSize design : {QSize(800, 600), QSize(576, 416), QSize(352, 440)}) {
        const UniformFit fit = FitUniformly(design, display, FitMode::Centred);
        const double expected = std::min(double(display.width()) / design.width(),
                                         double(display.height()) / design.height());
        EXPECT_DOUBLE_EQ(fit.factor, expected);
        const QRect content = ScaledRect(QRectF(QPointF(), design), fit.factor, fit.offset);
        EXPECT_TRUE(QRect(QPoint(), display).contains(content)) << content.width();
        EXPECT_TRUE(content.width() == display.width() || content.height() == display.height())
            << "one direction is filled";
        EXPECT_LE(std::abs(content.left() - (display.width() - content.right() - 1)), 1);
        EXPECT_LE(std::abs(content.top() - (display.height() - content.bottom() - 1)), 1);
        const UniformFit spanning = FitUniformly(design, display, FitMode::WholeForm);
        EXPECT_DOUBLE_EQ(spanning.factor, expected);
        EXPECT_EQ(spanning.offset, QPointF());
    }
}

TEST_P(UniformScaling, ControlsAndFontsScaleByTheFormsFactor) {
    const QSize display = GetParam();
    UniformForm form;
    fake().Display = display;
    form.FillScreen();
    ASSERT_EQ(form.size(), display);
    const double factor = std::min(display.width() / 800.0, display.height() / 600.0);
    EXPECT_DOUBLE_EQ(form.UniformFactor(), factor);
    const QPointF offset((display.width() - 800 * factor) / 2,
                         (display.height() - 600 * factor) / 2);
    EXPECT_EQ(form.button->geometry(), ScaledRect(QRectF(40, 100, 100, 40), factor, offset));
    EXPECT_EQ(form.inFrame->geometry(), ScaledRect(QRectF(20, 20, 60, 30), factor))
        << "inside a frame: scaled, without the offset";
    EXPECT_EQ(form.combo->height(), ScaledRect(QRectF(300, 20, 100, 24), factor).height());
    EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), std::floor(10 * factor + 1e-6));
    EXPECT_DOUBLE_EQ(form.inFrame->font().pointSizeF(), std::floor(8 * factor + 1e-6));
    for (QWidget* control : QList<QWidget*>{form.button, form.frame, form.combo}) {
        EXPECT_TRUE(form.rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Displays, UniformScaling,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                                           QSize(1920, 1080), QSize(3840, 2160)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(Resizer, UniformScalingFollowsEveryResizeAndTheScreensOwnPlacing) {
    UniformForm form;
    const auto resize = [&form](QSize size) { // as the window system does it
        form.resize(size);
        form.UniformScaler()->Resize();
    };
    fake().Display = {1600, 1200}; // exactly twice the design
    form.FillScreen();
    EXPECT_EQ(form.button->geometry(), QRect(80, 200, 200, 80));
    // The screen moves a control and changes a font at run time: in design terms.
    Place(form.button, 1500, 1500, 1500, 600);
    SetFontSize(form.button, 12, true);
    EXPECT_EQ(form.button->geometry(), QRect(200, 200, 200, 80));
    EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), 24);
    EXPECT_TRUE(form.button->font().bold());
    auto* late = new QLabel("late", &form);
    Place(late, 150, 150, 1500, 300);
    EXPECT_EQ(late->geometry(), QRect(20, 20, 200, 40)) << "a control made at run time";
    // Back to design size and up again: scaled from the design each time.
    for (QSize size : {QSize(913, 655), QSize(800, 600), QSize(1600, 1200)}) {
        resize(size);
    }
    EXPECT_EQ(form.button->geometry(), QRect(200, 200, 200, 80));
    EXPECT_EQ(late->geometry(), QRect(20, 20, 200, 40));
    resize({800, 600});
    EXPECT_EQ(form.button->geometry(), TwipsRect(1500, 1500, 1500, 600));
    EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), 12);
    EXPECT_EQ(form.inFrame->geometry(), TwipsRect(300, 300, 900, 450));
}

TEST_F(Resizer, AFormAtDesignSizeIsPlacedExactlyAsDesigned) {
    UniformForm form;
    EXPECT_EQ(form.UniformScaler(), nullptr);
    EXPECT_EQ(form.size(), QSize(800, 600));
    EXPECT_EQ(form.button->geometry(), TwipsRect(600, 1500, 1500, 600));
    EXPECT_DOUBLE_EQ(form.button->font().pointSizeF(), 10);
    EXPECT_DOUBLE_EQ(DesignScale(form.inFrame), 1);
}

TEST_F(Resizer, APictureKeepsItsProportionsWhenItsBoxIsScaled) {
    UniformForm form;
    auto* box = new PictureBox("Picture0", &form);
    Place(box, 1500, 1500, 3000, 3000);
    QImage picture(60, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    box->SetPicture(picture);
    fake().Display = {1720, 1290}; // a factor of 2.15
    form.FillScreen();
    const QImage shown = box->grab().toImage();
    QRect red;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y) == Qt::red) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_NEAR(red.width(), 60 * 2.15, 2);
    EXPECT_NEAR(red.height(), 30 * 2.15, 2);
    EXPECT_NEAR(double(red.width()) / red.height(), 2.0, 0.05);
}

TEST_F(Resizer, APictureThatFillsItsBorderedBoxAtDesignSizeFillsItScaled) {
    UniformForm form;
    auto* box = new PictureBox("Picture0", &form);
    box->SetBorder(true);
    Place(box, 1500, 1500, 2820, 2820); // 188 pixels: 184 inside the border
    QImage picture(184, 184, QImage::Format_RGB32);
    picture.fill(Qt::red);
    box->SetPicture(picture);
    fake().Display = {1720, 1290};
    form.FillScreen();
    const QImage shown = box->grab().toImage();
    const QRect interior = box->Interior();
    for (const QPoint corner :
         {interior.topLeft(), interior.bottomRight(), interior.topRight(), interior.bottomLeft()}) {
        EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::red)) << corner.x() << "," << corner.y();
    }
}
