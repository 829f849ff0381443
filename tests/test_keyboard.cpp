// Keyboard use of the shared screens and controls: Tab in reading order,
// Enter, Escape and the digit keys, arrow keys over grids, the focus frame
// a key shows, answer marks and the names a screen reader hears.
#include "shell/controls/answer_marks.h"
#include "shell/controls/basic.h"
#include "shell/controls/cell_grid.h"
#include "shell/controls/colors.h"
#include "shell/controls/drawing_surface.h"
#include "shell/forms.h"
#include "shell/keyboard.h"
#include "tests/support/keys.h"
#include "tests/support/kova_test.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>

namespace {

// A screen with buttons made out of reading order: B right of A in the top
// row, a frame below holding D and C side by side, E at the bottom; Escape
// presses E and the digit keys A to C.
class frmKeys : public Form {
public:
    static constexpr const char* Name = "frmKeys";
    frmKeys() : Form(Name) {
        resize(400, 300);
        e = button("E", this, {10, 250, 80, 30});
        b = button("B", this, {200, 10, 80, 30});
        auto* frame = new QGroupBox(this);
        frame->setGeometry(10, 100, 300, 100);
        d = button("D", frame, {150, 30, 80, 30});
        c = button("C", frame, {10, 32, 80, 30});
        a = button("A", this, {10, 14, 80, 30});
        check = new QCheckBox("Check", this);
        check->setObjectName("check");
        check->setGeometry(300, 250, 80, 30);
    }
    QAbstractButton* EscapeButton() const override { return e; }
    QList<QAbstractButton*> NumberedAnswers() const override { return {a, b, c}; }

    VbButton* button(const QString& name, QWidget* parent, QRect place) {
        auto* made = new VbButton(name, name, parent);
        made->setGeometry(place);
        connect(made, &QPushButton::clicked, this, [this, name] { pressed << name; });
        return made;
    }
    VbButton *a, *b, *c, *d, *e;
    QCheckBox* check;
    QStringList pressed;
};

// A 3 × 3 grid of cells on a window, every click recorded.
struct GridWindow {
    GridWindow() {
        window.resize(300, 300);
        grid = new CellGrid("lblGrid", &window);
        grid->SetLayout({3, 3, 300, 300, 900, 1050});
        grid->NameCells("Grid 3 square");
        QObject::connect(grid, &CellGrid::CellClick, [this](int index) { clicks << index; });
        window.show();
        window.activateWindow();
        ProcessEvents();
    }
    QWidget window;
    CellGrid* grid;
    QList<int> clicks;
};

QImage Picture(QWidget* widget) {
    return widget->grab().toImage();
}

} // namespace

class Keys : public KovaTest {
protected:
    frmKeys& showKeys() {
        Forms::Register(frmKeys::Name, [] { return new frmKeys; });
        Forms::Show(frmKeys::Name);
        auto& form = static_cast<frmKeys&>(Forms::Get(frmKeys::Name));
        form.activateWindow();
        ProcessEvents();
        return form;
    }
};

TEST_F(Keys, TabGoesInReadingOrderAndShiftTabBack) {
    frmKeys& form = showKeys();
    const QList<QWidget*> order{form.a, form.b, form.c, form.d, form.e, form.check};
    EXPECT_EQ(Keyboard::ReadingOrder(&form), order);
    form.a->setFocus();
    QStringList reached;
    for (int i = 0; i < 6; ++i) {
        PressKey(Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached, QStringList({"B", "C", "D", "E", "check", "A"}));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.check);

    // Disabled and hidden controls are passed by.
    form.c->setEnabled(false);
    form.d->hide();
    form.b->setFocus();
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.e);
}

TEST_F(Keys, EnterPressesTheFocusedButtonEscapeAndDigitsTheirButtons) {
    frmKeys& form = showKeys();
    TabTo(form.d);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    PressKey(Qt::Key_Space);
    EXPECT_EQ(form.pressed, QStringList({"D", "D", "D"}));

    form.pressed.clear();
    PressKey(Qt::Key_Escape);
    PressKey(Qt::Key_3);
    PressKey(Qt::Key_1);
    PressKey(Qt::Key_4);                      // no fourth answer
    PressKey(Qt::Key_2, Qt::ControlModifier); // not a plain digit
    EXPECT_EQ(form.pressed, QStringList({"E", "C", "A"}));

    // A disabled button stays unpressed; Enter leaves a check box as it is.
    form.pressed.clear();
    form.c->setEnabled(false);
    PressKey(Qt::Key_3);
    TabTo(form.check);
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(form.pressed.isEmpty());
    EXPECT_FALSE(form.check->isChecked());
}

TEST_F(Keys, ArrowKeysMoveOverAGridAndSpaceOrEnterPickTheCell) {
    GridWindow w;
    GridCell* first = w.grid->Cell(0);
    first->setFocus(Qt::TabFocusReason);
    struct Step {
        Qt::Key key;
        int focused;
    } const steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 2},
                       {Qt::Key_Down, 5},  {Qt::Key_Down, 8},  {Qt::Key_Down, 8},
                       {Qt::Key_Left, 7},  {Qt::Key_Up, 4},    {Qt::Key_Left, 3}};
    for (const Step& step : steps) {
        PressKey(step.key);
        EXPECT_EQ(QApplication::focusWidget(), w.grid->Cell(step.focused)) << step.focused;
    }
    PressKey(Qt::Key_Space);
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(w.clicks, QList<int>({3, 0}));
}

TEST_F(Keys, TheFocusFrameShowsOnlyAfterAKey) {
    GridWindow w;
    GridCell* cell = w.grid->Cell(4);
    const QImage unfocused = Picture(cell);
    Click(cell);
    EXPECT_TRUE(cell->hasFocus());
    EXPECT_FALSE(cell->FocusFrameShown());
    const QImage mouseFocus = Picture(cell);
    cell->setFocus(); // as a screen sets it
    EXPECT_FALSE(cell->FocusFrameShown());
    EXPECT_EQ(Picture(cell), mouseFocus);

    PressKey(Qt::Key_Left);
    GridCell* left = w.grid->Cell(3);
    EXPECT_TRUE(left->FocusFrameShown());
    EXPECT_FALSE(cell->FocusFrameShown());
    EXPECT_EQ(Picture(cell), unfocused);
    // Bold and black at the edge, white inside it, on a white cell.
    const QImage framed = Picture(left);
    EXPECT_EQ(framed.pixelColor(framed.width() / 2, 1), QColor(Qt::black));
    EXPECT_EQ(framed.pixelColor(1, framed.height() / 2), QColor(Qt::black));
    EXPECT_EQ(framed.pixelColor(framed.width() / 2, framed.height() / 2), QColor(Qt::white));

    Click(left); // the mouse takes the frame away
    EXPECT_FALSE(left->FocusFrameShown());
}

TEST_F(Keys, AFocusMovedOnByItsControlsDisablingShowsAFrameOnlyAfterAKey) {
    frmKeys& form = showKeys();
    // E, made first, hands the focus on to B, made next.
    QObject::connect(form.e, &QPushButton::clicked, [&] { form.e->setEnabled(false); });
    Click(form.e);
    ASSERT_TRUE(form.b->hasFocus());
    EXPECT_FALSE(form.b->FocusFrameShown()) << "a mouse user sees the screen as designed";

    form.e->setEnabled(true);
    form.e->setFocus();
    PressKey(Qt::Key_Return);
    ASSERT_TRUE(form.b->hasFocus());
    EXPECT_TRUE(form.b->FocusFrameShown());
}

TEST_F(Keys, ArrowKeysMoveBetweenButtonsSideBySideAndAboveOneAnother) {
    frmKeys& form = showKeys();
    form.a->setFocus();
    PressKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form.b);
    EXPECT_TRUE(form.b->FocusFrameShown());
    // A lies a little lower than B, yet in its row.
    PressKey(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), form.a);
    // Straight down past the frame, which takes no focus, and back up.
    PressKey(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form.e);
    PressKey(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), form.a);
    PressKey(Qt::Key_Up); // nothing above: the focus stays
    EXPECT_EQ(QApplication::focusWidget(), form.a);
}

TEST_F(Keys, AnswerMarksAreDrawnOnlyWhenChosenAndGoWithANewColour) {
    EXPECT_FALSE(AnswerMarks::Shown()); // off by default
    QWidget window;
    window.resize(300, 200);
    auto* marked = new VbButton("marked", "1", &window);
    auto* plain = new VbButton("plain", "1", &window);
    auto* label = new VbLabel("label", "Correct", &window);
    auto* plainLabel = new VbLabel("plainLabel", "Correct", &window);
    for (QWidget* w : std::initializer_list<QWidget*>{marked, plain, label, plainLabel}) {
        w->resize(120, 40);
    }
    const QColor green(0, 255, 0);
    marked->SetAnswerColor(green, AnswerMark::Right);
    plain->SetBackColor(green);
    label->SetAnswerColor(green, AnswerMark::Wrong);
    plainLabel->SetBackColor(green);
    // Off: drawn exactly as without a mark.
    EXPECT_EQ(Picture(marked), Picture(plain));
    EXPECT_EQ(Picture(label), Picture(plainLabel));

    AnswerMarks::SetShown(true);
    EXPECT_EQ(fake().Settings.value("AnswerMarks"), "On");
    EXPECT_NE(Picture(marked), Picture(plain));
    EXPECT_NE(Picture(label), Picture(plainLabel));
    // Beside the colour, never instead of it: the left half is as before.
    const QImage drawn = Picture(marked);
    const QRect leftHalf(0, 0, drawn.width() / 2, drawn.height());
    EXPECT_EQ(drawn.copy(leftHalf), Picture(plain).copy(leftHalf));

    marked->SetBackColor(green); // the next set's colour takes the mark away
    EXPECT_EQ(marked->Mark(), AnswerMark::None);
    EXPECT_EQ(Picture(marked), Picture(plain));
    AnswerMarks::SetShown(false);
    EXPECT_EQ(Picture(label), Picture(plainLabel));
}

TEST_F(Keys, GridCellsTellAScreenReaderTheirNameColourAndMark) {
    GridWindow w;
    GridCell* cell = w.grid->Cell(4);
    EXPECT_EQ(cell->accessibleName(), "Grid 3 square 5, white");
    cell->SetBackColor(QColor(0, 0, 255));
    EXPECT_EQ(cell->accessibleName(), "Grid 3 square 5, blue");
    cell->SetAnswerColor(QColor(255, 0, 0), AnswerMark::Wrong);
    EXPECT_EQ(cell->accessibleName(), "Grid 3 square 5, red, wrong");
    cell->SetAnswerColor(QColor(0, 255, 0), AnswerMark::Right);
    EXPECT_EQ(cell->accessibleName(), "Grid 3 square 5, green, right");
}

TEST_F(Keys, ColoursAreNamedAfterTheNearestPlainColour) {
    const struct {
        QColor colour;
        const char* name;
    } cases[] = {{QColor(0, 0, 0), "black"},
                 {QColor(250, 250, 250), "white"},
                 {QColor(192, 255, 255), "light cyan"},
                 {QColor(0, 120, 0), "dark green"},
                 {QColor(255, 255, 0), "yellow"},
                 {QColor(128, 128, 128), "grey"},
                 {QColor(200, 0, 0), "red"},
                 {QColor(255, 0, 255), "magenta"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColorName(c.colour), c.name) << c.colour.name().toStdString();
    }
}

TEST_F(Keys, ArrowKeysMoveAPointerOverADrawingAndSpaceOrEnterPressThere) {
    QWidget window;
    window.resize(400, 300);
    auto* surface = new DrawingSurface("Drawing", &window);
    surface->setGeometry(0, 0, 400, 300);
    surface->Scale(0, 0, 400, 300);
    QList<QPointF> presses;
    QObject::connect(surface, &DrawingSurface::mouseDown,
                     [&](double x, double y) { presses << QPointF(x, y); });
    window.show();
    window.activateWindow();
    ProcessEvents();
    const QImage before = Picture(surface);

    PressKey(Qt::Key_Space); // no pointer yet: not an answer
    surface->SetKeyboardPointer(true);
    EXPECT_TRUE(surface->hasFocus());
    EXPECT_EQ(Picture(surface), before) << "nothing drawn until a key moves the pointer";
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Right);
    PressKey(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_TRUE(surface->PointerShown());
    EXPECT_NE(Picture(surface), before);
    PressKey(Qt::Key_Return);
    for (int i = 0; i < 50; ++i) {
        PressKey(Qt::Key_Left); // stops at the edge
    }
    PressKey(Qt::Key_Space);
    ASSERT_EQ(presses.size(), 2);
    EXPECT_NEAR(presses[0].x(), 200 + 2 * 10, 1e-9); // 40 steps across
    EXPECT_NEAR(presses[0].y(), 150 - 0.75, 1e-9);   // a tenth of a step
    EXPECT_NEAR(presses[1].x(), 0, 1e-9);

    surface->SetKeyboardPointer(false);
    PressKey(Qt::Key_Space);
    EXPECT_EQ(presses.size(), 2);
    EXPECT_EQ(Picture(surface), before);
}

TEST_F(Keys, TextsPrintedOnADrawingAreItsChildrenForAScreenReader) {
    QWidget window;
    window.resize(400, 300);
    auto* surface = new DrawingSurface("Character grid", &window);
    surface->setGeometry(50, 40, 200, 100);
    surface->Scale(0, 0, 100, 100);
    window.show();
    ProcessEvents();
    surface->CurrentX = 50;
    surface->ForeColor = QColor(255, 0, 0);
    surface->Print("7 ", AfterPrint::StayOnLine);
    surface->ForeColor = Qt::black;
    surface->Print("A");

    QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(surface);
    ASSERT_EQ(drawing->childCount(), 2);
    QAccessibleInterface* seven = drawing->child(0);
    EXPECT_EQ(seven->text(QAccessible::Name), "7, red");
    EXPECT_EQ(drawing->child(1)->text(QAccessible::Name), "A, black");
    EXPECT_EQ(seven->parent(), drawing);
    const QRect place = seven->rect();
    const QPoint corner = surface->mapToGlobal(QPoint(100, 0));
    EXPECT_EQ(place.topLeft(), corner) << "where the text is drawn";
    EXPECT_EQ(drawing->childAt(place.center().x(), place.center().y()), seven);

    surface->Cls();
    EXPECT_EQ(drawing->childCount(), 0);
    EXPECT_FALSE(seven->isValid());
}
