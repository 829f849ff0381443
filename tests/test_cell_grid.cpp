#include "shell/controls/cell_grid.h"
#include "shell/controls/lined_board.h"
#include "shell/twips.h"
#include "tests/support/kova_test.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>

namespace {

// A board screen as a tic-tac-toe exercise builds it: a frame holding a
// 3 × 3 grid of cells with gaps between them; a click toggles an "X".
struct BoardScreen {
    BoardScreen() {
        frame = new QGroupBox(&window);
        frame->setGeometry(TwipsRect(300, 300, 5055, 5055));
        board = new CellGrid("cmdX", frame);
        board->SetLayout({3, 3, 360, 360, 1335, 1560});
        board->NameCells("Board square");
        board->SetCaptions(" ");
        QObject::connect(board, &CellGrid::CellClick, [this](int index) {
            clicked.append(index);
            GridCell* cell = board->Cell(index);
            cell->SetCaption(cell->Caption() == "X" ? " " : "X");
        });
        window.resize(420, 420);
        window.show();
        ProcessEvents();
    }
    void clickCell(int index) { Click(board->Cell(index)); }

    QWidget window;
    QGroupBox* frame;
    CellGrid* board;
    QList<int> clicked;
};

// A pattern grid as a pattern-copying exercise builds it: 5 × 5 cells one
// line wider than their pitch; a click toggles white and black.
struct PatternScreen {
    PatternScreen() {
        grid = new CellGrid("lbl2R", &window);
        grid->SetLayout({5, 5, 240, 240, 975, 960});
        QObject::connect(grid, &CellGrid::CellClick, [this](int index) {
            GridCell* cell = grid->Cell(index);
            cell->SetBackColor(cell->BackColor() == Qt::white ? Qt::black : Qt::white);
        });
        window.resize(400, 400);
        window.show();
        ProcessEvents();
    }
    QImage picture() const { return grid->grab().toImage(); }

    QWidget window;
    CellGrid* grid;
};

} // namespace

class CellGridTest : public KovaTest {};

TEST_F(CellGridTest, ClicksReachTheHandlerWithTheCellIndexRowByRow) {
    BoardScreen screen;
    ASSERT_EQ(screen.board->Count(), 9);
    for (int index : {0, 2, 4, 6, 8, 6}) {
        screen.clickCell(index);
    }
    EXPECT_EQ(screen.clicked, (QList<int>{0, 2, 4, 6, 8, 6}));
    EXPECT_EQ(screen.board->Cell(4)->Caption(), "X");
    EXPECT_EQ(screen.board->Cell(6)->Caption(), " ") << "clicked twice";
    EXPECT_EQ(screen.board->Cell(6)->geometry().topLeft(), QPoint(0, Twips(2 * 1560)))
        << "row 2, column 0";

    ClickAt(screen.board, screen.board->Cell(1)->geometry().topLeft() - QPoint(4, 0));
    EXPECT_EQ(screen.clicked.size(), 6) << "a click in the gap between cells is no cell's";
}

TEST_F(CellGridTest, ADisabledBoardTakesNoClicksOrKeysAndLooksTheSame) {
    BoardScreen screen;
    screen.board->Cell(4)->SetCaption("X");
    screen.board->Cell(0)->SetBackColor(Qt::red);
    screen.window.setFocus(); // no cell shows the focus
    const QImage before = screen.board->grab().toImage();

    screen.frame->setEnabled(false); // the frame holding the board, as the exercise does
    QTest::keyClick(screen.board->Cell(3), Qt::Key_Space);
    for (int index = 0; index < 9; ++index) {
        screen.clickCell(index);
    }
    EXPECT_TRUE(screen.clicked.isEmpty());
    EXPECT_EQ(screen.board->grab().toImage(), before) << "cells must not be greyed";

    screen.frame->setEnabled(true);
    screen.clickCell(4);
    EXPECT_EQ(screen.clicked, QList<int>{4});
}

TEST_F(CellGridTest, NeighboursShareOneBorderLine) {
    PatternScreen screen;
    // 975 twips on a 960 pitch: 65-pixel cells every 64 pixels.
    const QImage image = screen.picture();
    const int y = 32;
    EXPECT_EQ(image.pixelColor(0, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(63, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(64, y), QColor(Qt::black)) << "the shared line";
    EXPECT_EQ(image.pixelColor(65, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(4 * 64 + 64, y), QColor(Qt::black)) << "the right edge";
    EXPECT_EQ(image.width(), 5 * 64 + 1);

    screen.grid->SetBorders(false);
    const QImage bare = screen.picture();
    EXPECT_EQ(bare.pixelColor(64, y), QColor(Qt::white));
    EXPECT_EQ(bare.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(CellGridTest, EachCellKeepsItsColourAndCaption) {
    PatternScreen screen;
    Click(screen.grid->Cell(7));
    Click(screen.grid->Cell(24));
    Click(screen.grid->Cell(24));
    screen.grid->SetCaptionColors(Qt::red);
    screen.grid->SetFontSize(24);
    screen.grid->Cell(12)->SetCaption("W");

    const QImage image = screen.picture();
    const auto centre = [&](int index) {
        return image.pixelColor(screen.grid->Cell(index)->geometry().center());
    };
    EXPECT_EQ(centre(7), QColor(Qt::black));
    EXPECT_EQ(centre(24), QColor(Qt::white));
    EXPECT_EQ(centre(0), QColor(Qt::white));
    const QRect w = screen.grid->Cell(12)->geometry().adjusted(2, 2, -2, -2);
    int red = 0;
    for (int x = w.left(); x <= w.right(); ++x) {
        for (int y = w.top(); y <= w.bottom(); ++y) {
            red += image.pixelColor(x, y) == QColor(Qt::red);
        }
    }
    EXPECT_GT(red, 40) << "a red W of 24 points";
}

TEST_F(CellGridTest, ALaterLayoutKeepsTheCellsItStillHas) {
    PatternScreen screen;
    screen.grid->Cell(3)->SetBackColor(Qt::blue);
    screen.grid->SetLayout({10, 10, 240, 240, 492, 480});
    ASSERT_EQ(screen.grid->Count(), 100);
    EXPECT_EQ(screen.grid->Cell(3)->BackColor(), QColor(Qt::blue));
    EXPECT_EQ(screen.grid->Cell(99)->geometry(), QRect(9 * 32, 9 * 32, 33, 33));
    EXPECT_EQ(screen.grid->size(), QSize(10 * 32 + 1, 10 * 32 + 1));
    screen.grid->SetLayout({1, 2, 240, 240, 500, 490});
    EXPECT_EQ(screen.grid->Count(), 2);
}

TEST_F(CellGridTest, ScreenReadersNameEveryCellAndPressOnlyWhileEnabled) {
    BoardScreen screen;
    screen.board->Cell(4)->SetCaption("*");
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(screen.board->Cell(4));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description), "*");
    EXPECT_EQ(cell->role(), QAccessible::Button);

    QAccessibleActionInterface* actions = cell->actionInterface();
    ASSERT_NE(actions, nullptr);
    screen.board->setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    ProcessEvents();
    EXPECT_TRUE(screen.clicked.isEmpty());
    screen.board->setEnabled(true);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !screen.clicked.isEmpty(); }, 1000));
    EXPECT_EQ(screen.clicked, QList<int>{4});
}

TEST_F(CellGridTest, ALinedBoardPartsItsNineCellsWithFourThickLinesOnWhite) {
    QWidget window;
    auto* board = new LinedBoard("Frame2", "cmdX", &window);
    board->PlaceAt(300, 300);
    window.resize(420, 420);
    window.show();
    ProcessEvents();
    ASSERT_EQ(board->Cells()->Count(), 9);
    EXPECT_FALSE(board->Cells()->Cell(0)->Border());

    const QImage sheet = board->grab().toImage();
    // 1335-twip cells every 1560 twips from 360: 89 pixels every 104 from 24.
    const int gap = 24 + 89 + 7; // the middle of the gap after the first column
    EXPECT_EQ(sheet.pixelColor(gap, 60), QColor(Qt::black)) << "Line1";
    EXPECT_EQ(sheet.pixelColor(gap + 104, 60), QColor(Qt::black)) << "Line2";
    EXPECT_EQ(sheet.pixelColor(60, gap), QColor(Qt::black)) << "Line3";
    EXPECT_EQ(sheet.pixelColor(60, gap + 104), QColor(Qt::black)) << "Line6";
    EXPECT_EQ(sheet.pixelColor(60, 60), QColor(Qt::white)) << "a cell";
    EXPECT_EQ(sheet.pixelColor(12, 60), QColor(Qt::white)) << "the sheet";
}
