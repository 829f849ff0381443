#include "shell/assets.h"
#include "shell/controls/basic.h"
#include "shell/controls/colors.h"
#include "shell/controls/combo_box.h"
#include "shell/controls/covering_frame.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/text_fit.h"
#include "shell/controls/vb_timer.h"
#include "shell/help_window.h"
#include "shell/twips.h"
#include "shell/vb_runtime.h"
#include "tests/support/kova_test.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

// A window with one practice-time box and a button beside it.
struct ComboWindow {
    ComboWindow() {
        combo = new ValidatingComboBox("cboPracTime", &window);
        combo->SetItems({"1", "5", "60"}, "5");
        combo->SetRule(RangeRule(1, 60, "Practice Time must be between 1 and 60 minutes."));
        combo->setGeometry(10, 10, 120, 24);
        button = new QPushButton("Therapy", &window);
        button->setObjectName("cmdStart");
        button->setGeometry(10, 50, 120, 30);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.resize(200, 120);
        window.show();
        window.activateWindow();
        combo->setFocus();
        ProcessEvents();
    }
    QWidget window;
    ValidatingComboBox* combo;
    QPushButton* button;
    int clicks = 0;
};

int colourDistance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

} // namespace

class Controls : public KovaTest {};

TEST_F(Controls, PracticeTimeBoxRefusesValuesOutsideOneToSixtyAndKeepsTheFocus) {
    struct Case {
        const char* typed;
        bool accepted;
        const char* after;
    } const cases[] = {
        {"0", false, "0"},
        {"61", false, "61"},
        {"word", false, "0"},
        {"", false, "0"},
        {"1", true, "1"},
        {"60", true, "60"},
        {"30.9", true, "30"},
        {"12.7", true, "12"},
        {"99999999999999999999", false, "100000000000000000000"}, // no overflow to a negative
    };
    for (const Case& c : cases) {
        ComboWindow w;
        fake().Messages.clear();
        TypeInto(w.combo, c.typed);
        TabOut(w.combo);
        ProcessEvents();
        EXPECT_EQ(w.combo->Text(), c.after) << c.typed;
        if (c.accepted) {
            EXPECT_TRUE(fake().Messages.isEmpty()) << c.typed;
            EXPECT_FALSE(w.combo->hasFocus()) << c.typed;
        } else {
            ASSERT_EQ(fake().Messages.size(), 1) << c.typed;
            EXPECT_EQ(fake().Messages[0].prompt, "Practice Time must be between 1 and 60 minutes.");
            EXPECT_EQ(fake().Messages[0].style, vbExclamation);
            EXPECT_EQ(fake().Messages[0].title, "Information");
            EXPECT_TRUE(w.combo->hasFocus()) << c.typed;
        }
    }
}

TEST_F(Controls, ClickingAButtonWithARefusedValueDoesNotPressTheButton) {
    ComboWindow w;
    TypeInto(w.combo, "75");
    Click(w.button);
    ProcessEvents();
    EXPECT_EQ(w.clicks, 0);
    EXPECT_EQ(fake().Messages.size(), 1);
    EXPECT_TRUE(w.combo->hasFocus());

    TypeInto(w.combo, "20");
    Click(w.button);
    ProcessEvents();
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(fake().Messages.size(), 1);
}

// Rows and font boxes whose rows bound follows the font, as a character grid
// exercise couples them: above 18 points at most 10 rows fit, else 15.
struct CoupledBoxesWindow {
    CoupledBoxesWindow() {
        font = new ValidatingComboBox("cboFont", &window);
        font->SetItems({"12", "20"}, "12");
        font->SetRule(RangeRule(12, 30, "Font Size must be between 12 and 30."));
        rows = new ValidatingComboBox("cboRows", &window);
        rows->SetItems(NumberTexts(5, 15), "15");
        rows->SetRule(RangeRule(
            5, [this] { return RowLimit(); },
            [](double limit) { return "Rows must be between 5 and " + WholeText(limit) + "."; }));
        QObject::connect(font, &ValidatingComboBox::Checked, [this](bool accepted) {
            fontChecks.append(accepted);
            const QString stored = storedRows;
            rows->SetItems(NumberTexts(5, int(RowLimit())),
                           Val(stored) > RowLimit() ? WholeText(RowLimit()) : stored);
        });
        QObject::connect(rows, &ValidatingComboBox::Checked, [this] { storedRows = rows->Text(); });
        font->setGeometry(10, 10, 100, 24);
        rows->setGeometry(10, 40, 100, 24);
        window.resize(150, 80);
        window.show();
        window.activateWindow();
        ProcessEvents();
    }
    double RowLimit() const { return font->Value() > 18 ? 10 : 15; }
    static QStringList NumberTexts(int from, int to) {
        QStringList texts;
        for (int n = from; n <= to; ++n) {
            texts << QString::number(n);
        }
        return texts;
    }
    void enter(ValidatingComboBox* box, const QString& text) {
        TypeInto(box, text);
        TabOut(box);
        ProcessEvents();
    }
    QWidget window;
    ValidatingComboBox* font;
    ValidatingComboBox* rows;
    QString storedRows = "15";
    QList<bool> fontChecks;
};

TEST_F(Controls, ABoundReadAtTheCheckAndAHookAfterEveryCheck) {
    CoupledBoxesWindow w;
    w.enter(w.font, "25");
    EXPECT_EQ(w.rows->Text(), "10");
    EXPECT_EQ(w.rows->count(), 6) << "5 to 10";

    w.enter(w.rows, "12");
    ASSERT_EQ(fake().Messages.size(), 1);
    EXPECT_EQ(fake().Messages[0].prompt, "Rows must be between 5 and 10.");
    EXPECT_TRUE(w.rows->hasFocus());
    w.enter(w.rows, "8");

    w.enter(w.font, "word");
    ASSERT_EQ(fake().Messages.size(), 2);
    EXPECT_EQ(w.font->Text(), "0");
    w.enter(w.font, "14");
    EXPECT_EQ(w.fontChecks, (QList<bool>{true, false, true})) << "the hook runs when refused too";
    EXPECT_EQ(w.rows->count(), 11) << "5 to 15";
    EXPECT_EQ(w.rows->Text(), "8");
    w.enter(w.rows, "12");
    EXPECT_EQ(fake().Messages.size(), 2) << "12 rows fit a small font";
}

TEST_F(Controls, CaptionsFollowTheValueHoweverItChanges) {
    QWidget window;
    auto* beep = new QCheckBox("Beep Off", &window);
    CaptionFollowsValue(beep, "Beep On", "Beep Off");
    auto* first = new QRadioButton(&window);
    auto* second = new QRadioButton("Other", &window);
    first->setChecked(true);
    CaptionFollowsValue(first, "Chosen", "Not chosen");
    beep->setGeometry(10, 10, 120, 24);
    first->setGeometry(10, 40, 120, 24);
    second->setGeometry(10, 70, 120, 24);
    window.show();
    ProcessEvents();
    EXPECT_EQ(first->text(), "Chosen") << "set at once";

    Click(beep);
    EXPECT_EQ(beep->text(), "Beep On");
    beep->setFocus();
    QTest::keyClick(beep, Qt::Key_Space);
    EXPECT_EQ(beep->text(), "Beep Off");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(beep);
    ASSERT_NE(reader, nullptr);
    reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(beep->isChecked());
    EXPECT_EQ(beep->text(), "Beep On") << "a screen reader's toggle";
    beep->setChecked(false);
    EXPECT_EQ(beep->text(), "Beep Off");

    ClickAt(second, QPoint(8, 12)); // on its round button
    EXPECT_EQ(first->text(), "Not chosen") << "another option of the group was chosen";
}

TEST_F(Controls, FormTimerTicksOnTheVirtualClockWhileEnabled) {
    VbTimer timer("Timer1", nullptr);
    int ticks = 0;
    QObject::connect(&timer, &VbTimer::Timer, [&ticks] { ++ticks; });
    timer.SetInterval(100);
    fake().AdvanceTime(500);
    EXPECT_EQ(ticks, 0) << "not enabled yet";
    timer.SetEnabled(true);
    fake().AdvanceTime(350);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    fake().AdvanceTime(1000);
    EXPECT_EQ(ticks, 3);
}

// A timer whose tick handler takes time and switches the timer off and on
// again, as a screen does that draws a stimulus and waits for the next one.
struct RestartingTimer {
    RestartingTimer(FakePlatform& fake, int handlerMs) : timer("Timer1", nullptr) {
        QObject::connect(&timer, &VbTimer::Timer, [this, &fake, handlerMs] {
            ticksAt.append(fake.MonotonicMs() - startMs);
            if (extraWaitAtTick == ticksAt.size()) {
                fake.Sleep(extraWaitMs);
            }
            fake.Now += handlerMs / 1000.0; // drawing
            timer.SetEnabled(false);
            timer.SetInterval(100);
            timer.SetEnabled(true);
        });
        timer.SetInterval(100);
        startMs = fake.MonotonicMs();
        timer.SetEnabled(true);
    }
    VbTimer timer;
    double startMs = 0;
    QList<double> ticksAt; // ms after the start
    int extraWaitAtTick = 0;
    int extraWaitMs = 0;
};

static void ExpectTicksAt(const QList<double>& ticks, const QList<double>& expected) {
    ASSERT_EQ(ticks.size(), expected.size());
    for (int i = 0; i < ticks.size(); ++i) {
        EXPECT_NEAR(ticks[i], expected[i], 1e-6) << "tick " << i + 1;
    }
}

TEST_F(Controls, FormTimerTicksOnAFixedGridWhateverItsHandlerCosts) {
    RestartingTimer drawing(fake(), 7);
    fake().AdvanceTime(500);
    ExpectTicksAt(drawing.ticksAt, {100, 200, 300, 400, 500});

    // Started afresh outside a tick, the count starts from now.
    fake().Now += 0.030;
    const double restartedAt = fake().MonotonicMs() - drawing.startMs;
    drawing.timer.SetEnabled(true);
    drawing.ticksAt.clear();
    fake().AdvanceTime(200);
    ExpectTicksAt(drawing.ticksAt, {restartedAt + 100, restartedAt + 200});
}

TEST_F(Controls, ALateFormTimerTickCatchesUpOrStartsANewGrid) {
    {
        RestartingTimer late(fake(), 0);
        late.extraWaitAtTick = 2; // a blocking wait of 150 ms inside the second tick
        late.extraWaitMs = 150;
        fake().AdvanceTime(500);
        ExpectTicksAt(late.ticksAt,
                      {100, 200, 350, 400, 500}); // the late one at once, then the grid
    }
    RestartingTimer blocked(fake(), 0);
    blocked.extraWaitAtTick = 1; // a whole second inside the first tick
    blocked.extraWaitMs = 1000;
    fake().AdvanceTime(1300);
    ExpectTicksAt(blocked.ticksAt, {100, 1100, 1200, 1300}); // no burst of late ticks
}

TEST_F(Controls, HelpWindowShowsThePageMadeForTheHelpFileAndClosesWithEscapeOrClose) {
    QTemporaryDir assets;
    SetAssetDirectory(assets.path());
    QFile page(assets.filePath("Flipper.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Flip Forms</title></head>"
               "<body><h1>Flipper help</h1><p>How to use it.</p></body></html>");
    page.close();

    EXPECT_TRUE(HelpWindow::Open("C:\\KOVA\\Flipper.hlp"));
    HelpWindow* help = HelpWindow::Instance();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Page()->toPlainText().contains("Flipper help"));
    EXPECT_EQ(help->windowTitle(), "KOVA Help - Flip Forms"); // the page's title, not its file

    EXPECT_FALSE(HelpWindow::Open(QDir::currentPath() + "\\NoSuchHelp.hlp"));
    EXPECT_TRUE(help->Page()->toPlainText().contains("No help page is available"));
    EXPECT_EQ(help->windowTitle(), "KOVA Help");

    // Escape or the Close button closes it.
    QPointer<HelpWindow> shown = help;
    shown->Page()->setFocus();
    QTest::keyClick(shown->Page(), Qt::Key_Escape);
    ProcessEvents();
    EXPECT_EQ(shown, nullptr); // closed and gone
    HelpWindow::Open("C:\\KOVA\\Flipper.hlp");
    shown = HelpWindow::Instance();
    ASSERT_NE(shown, nullptr);
    Click(shown->cmdClose);
    ProcessEvents();
    EXPECT_EQ(shown, nullptr);
    SetAssetDirectory({});
}

namespace {

// The pixel of image that differs most from back.
QColor mostDifferentPixel(const QImage& image, QColor back) {
    QColor found = back;
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (colourDistance(pixel, back) > best) {
                best = colourDistance(pixel, back);
                found = pixel;
            }
        }
    }
    return found;
}

// Whether any pixel of the column x differs clearly from back.
bool columnHasInk(const QImage& image, int x, QColor back) {
    for (int y = 0; y < image.height(); ++y) {
        if (colourDistance(image.pixelColor(x, y), back) > 120) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST_F(Controls, DisabledAnswerButtonInGreenOrRedKeepsADarkReadableCaption) {
    for (std::uint32_t colour : {VbColors::Green, VbColors::Red, VbColors::LightYellow}) {
        QWidget window;
        VbButton button("cmdAnswer0", "8", &window);
        QFont font = button.font();
        font.setPointSize(12);
        font.setBold(true);
        button.setFont(font);
        button.setGeometry(0, 0, 81, 33);
        button.SetBackColor(VbColor(colour));
        button.setEnabled(false);
        // The caption's ink on the face of the button, away from the bevel.
        const QImage inner = button.grab().toImage().copy(20, 8, 41, 17);
        const QColor face = inner.pixelColor(0, 0);
        const QColor ink = mostDifferentPixel(inner, face);
        EXPECT_GE(ContrastRatio(ink, face), 4.5)
            << "ink " << ink.name().toStdString() << " on " << face.name().toStdString();
        EXPECT_LT(ink.lightness(), 100) << "the caption stays dark";
    }
}

TEST_F(Controls, CaptionTooBigForItsControlWrapsOrStepsItsFontDown) {
    QWidget window;
    window.resize(400, 200);
    VbButton name("cmdName", "Enter New Patient Name", &window);
    QFont bold = name.font();
    bold.setPointSize(10);
    bold.setBold(true);
    name.setFont(bold);
    name.setGeometry(0, 0, 145, 57);
    // Two lines are enough here: the font stays.
    TextFit::Fitting drawn = name.DrawnText();
    EXPECT_EQ(drawn.font.pointSizeF(), 10);
    EXPECT_TRUE(TextFit::Fits(drawn.font, name.text(), name.TextRoom().size(), drawn.flags));
    EXPECT_FALSE(TextFit::Fits(drawn.font, name.text(), name.TextRoom().size(), 0));
    name.setGeometry(0, 0, 120, 24); // one short line: the font gets smaller
    drawn = name.DrawnText();
    EXPECT_LT(drawn.font.pointSizeF(), 10);
    EXPECT_TRUE(TextFit::Fits(drawn.font, name.text(), name.TextRoom().size(), drawn.flags));

    // A label that does not wrap, centred: clipped, its text would touch both sides.
    VbLabel caption("Label5", "Flipped  Upside Down And Left To Right", &window);
    caption.setWordWrap(false);
    caption.setAlignment(Qt::AlignCenter);
    caption.setFont(bold);
    caption.SetBackColor(Qt::white);
    caption.setGeometry(0, 100, 200, 20);
    const QImage image = caption.grab().toImage();
    EXPECT_FALSE(columnHasInk(image, 0, Qt::white));
    EXPECT_FALSE(columnHasInk(image, image.width() - 1, Qt::white));
    EXPECT_TRUE(columnHasInk(image, image.width() / 2, Qt::white));

    // Texts it may show are drawn in one size: the widest sets it.
    VbLabel question("lblQuestion", "Short?", &window);
    question.setGeometry(0, 150, 200, 24);
    question.setFont(bold);
    const double alone = question.DrawnText().font.pointSizeF();
    question.SetTextVariants({"Which Pattern Is Flipped Upside Down AND Also Flipped?"});
    EXPECT_LT(question.DrawnText().font.pointSizeF(), alone);
}

TEST_F(Controls, FrameShownOverControlsHidesThemWholeAndPaintsItsBackground) {
    QWidget window;
    window.resize(400, 300);
    QWidget surface(&window); // a background under everything
    surface.setGeometry(window.rect());
    VbLabel inked("lblInk", "", &window); // solid black: shows if anything shows through
    inked.SetBackColor(Qt::black);
    inked.setGeometry(60, 60, 40, 40);
    VbLabel halfCovered("lblHalf", "Target Character:", &window);
    halfCovered.setGeometry(10, 120, 100, 20);
    VbLabel apart("lblApart", "Far", &window);
    apart.setGeometry(300, 250, 50, 20);
    CoveringFrame frame("Information:", &window);
    frame.setGeometry(50, 50, 200, 80); // over the ink and half the caption
    frame.hide();
    window.show();

    frame.ShowCovering();
    EXPECT_TRUE(frame.geometry().contains(halfCovered.geometry()));
    EXPECT_TRUE(frame.geometry().contains(inked.geometry()));
    EXPECT_FALSE(frame.geometry().intersects(apart.geometry()));
    EXPECT_NE(frame.geometry(), window.rect()); // the background is not a control to hide
    const QImage shown = window.grab().toImage();
    EXPECT_NE(shown.pixelColor(80, 80), QColor(Qt::black));

    // Shown again, it grows from where the screen placed it, not further.
    frame.hide();
    halfCovered.hide();
    frame.ShowCovering();
    EXPECT_EQ(frame.geometry(), QRect(50, 50, 200, 80));
}

TEST_F(Controls, ImageThatKeepsItsProportionsIsCentredUndistorted) {
    ImageBox box("Image1", nullptr);
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    box.SetPicture(picture);
    box.resize(400, 400);
    EXPECT_EQ(box.PictureRect(), QRect(0, 0, 400, 400)); // stretched
    box.KeepProportions = true;
    EXPECT_EQ(box.PictureRect(), QRect(0, 100, 400, 200));
}
