#include "GridEditingFixture.h"

#include "ui/controls/ClickableLabel.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include <string>

using namespace zg;

TEST_F(GridEditing, ClickSwitchesOneCellAndItsEventValue) {
    start();
    click(2, 10);
    EXPECT_EQ(doc().cell(2, 10), 1);
    EXPECT_EQ(doc().eventValueText(10), "4");
    click(0, 10);
    EXPECT_EQ(doc().eventValueText(10), "5");
    click(2, 10);
    click(0, 10);
    EXPECT_EQ(doc().cell(2, 10), 0);
    for (int e = 0; e < 50; ++e)
        EXPECT_EQ(doc().eventValueText(e), "0") << e;
}

// A test step or a click repaints a few pixels of the grid; those come out as a repaint of the
// whole grid draws them, also where only the frame or the focus outline passes.
TEST_F(GridEditing, APartOfTheGridRepaintedAloneLooksAsInTheWholeGrid) {
    start();
    form->sequence().setCell(1, 3, 1);
    click(1, 4);
    grid()->setFocus();
    ASSERT_TRUE(grid()->hasFocus());
    const QImage whole = grid()->grab().toImage();
    const qreal scale = whole.devicePixelRatio();
    const QRect focus = GridGeometry::CellRect(1, 4);
    for (const QRect part :
         {GridGeometry::AxisRect(7), GridGeometry::CellRect(1, 3), QRect(0, 0, 2, 2),
          QRect(focus.left() - 2, focus.top(), 1, 1), QRect(focus.right() + 1, focus.top(), 1, 1),
          QRect(focus.left(), focus.bottom(), 1, 1)}) {
        QImage alone(whole.size(), whole.format());
        alone.setDevicePixelRatio(scale);
        alone.fill(Qt::magenta);
        grid()->render(&alone, part.topLeft(), QRegion(part));
        const QRect pixels(QPoint(int(part.left() * scale), int(part.top() * scale)), part.size() * scale);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ASSERT_EQ(alone.pixelColor(x, y), whole.pixelColor(x, y)) << x << "," << y;
    }
}

// What the check boxes gave for free: a screen reader finds 4 x 50 named cells with their state.
TEST_F(GridEditing, AssistiveTechnologySeesATableOfNamedCheckBoxes) {
    start();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid());
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->childCount(), 200);
    EXPECT_EQ(table->tableInterface()->rowCount(), 4);
    EXPECT_EQ(table->tableInterface()->columnCount(), 50);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(2, 10);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::CheckBox);
    EXPECT_EQ(cell->text(QAccessible::Name), "LED #3, event 11");
    EXPECT_TRUE(cell->state().checkable);
    EXPECT_FALSE(cell->state().checked);
    click(2, 10);
    EXPECT_TRUE(cell->state().checked);
    EXPECT_EQ(table->indexOfChild(cell), 2 * 50 + 10);
    const QPoint centre = grid()->mapToGlobal(GridGeometry::CellRect(2, 10).center());
    EXPECT_EQ(table->childAt(centre.x(), centre.y()), cell);
    EXPECT_EQ(cell->rect().center(), centre);
}

TEST_F(GridEditing, QuickSecondPressOnTheNeighbourStartsItsOwnGesture) {
    start();
    // Clicks on events 10 and 11, 100 ms apart and 4 px apart: the second press is a double-click.
    systemMouse(0, 10, 6, QEvent::MouseButtonPress, 1000);
    systemMouse(0, 10, 6, QEvent::MouseButtonRelease, 1050);
    systemMouse(0, 11, 2, QEvent::MouseButtonPress, 1100);
    systemMouse(0, 11, 2, QEvent::MouseButtonRelease, 1150);
    EXPECT_EQ(row(0).substr(9, 4), "0110");
    // A drag that starts with a quick second press paints from its own start cell.
    systemMouse(1, 20, 6, QEvent::MouseButtonPress, 3000);
    systemMouse(1, 20, 6, QEvent::MouseButtonRelease, 3050);
    systemMouse(1, 21, 2, QEvent::MouseButtonPress, 3100);
    moveTo(1, 24);
    systemMouse(1, 24, 2, QEvent::MouseButtonRelease, 3200);
    EXPECT_EQ(row(1).substr(19, 7), "0100000");
    QTest::lastMouseTimestamp += 20000;
}

TEST_F(GridEditing, DragRightCopiesTheStartCellAlsoOverSkippedCells) {
    start();
    for (const bool on : {true, false}) {
        setRow(0, std::string(5, '0') + (on ? "1" : "0") + std::string(44, on ? '0' : '1'));
        form->sequence().setCell(1, 8, 1); // another row keeps its cells and adds to the values
        press(0, 5);
        moveTo(0, 6);
        moveTo(0, 9); // the pointer jumps over 7 and 8
        moveTo(0, 12);
        releaseOver(0, 12);
        for (int e = 5; e <= 12; ++e) {
            EXPECT_EQ(doc().cell(0, e), on ? 1 : 0) << e;
            EXPECT_EQ(doc().eventValue(e), (on ? 1 : 0) + (e == 8 ? 2 : 0)) << e;
        }
        EXPECT_EQ(doc().cell(0, 13), on ? 0 : 1);
        EXPECT_EQ(doc().cell(0, 5), on ? 1 : 0) << "the pressed cell is not switched by a drag";
    }
}

TEST_F(GridEditing, ReleaseLeftOfTheStartPaintsOnlyTheCellsEntered) {
    start();
    form->sequence().setCell(1, 20, 1);
    press(1, 20);
    moveTo(1, 18);
    moveTo(1, 15);
    releaseOver(1, 15);
    EXPECT_EQ(row(1), std::string(15, '0') + "100101" + std::string(29, '0'));
}

TEST_F(GridEditing, PaintingAnotherRowUsesThatRowsOwnStartCell) {
    start();
    form->sequence().setCell(0, 10, 1);                             // the pressed cell: on
    setRow(3, std::string(11, '0') + "111" + std::string(36, '0')); // row 4's start column: off
    press(0, 10);
    moveTo(1, 11); // row 2's start cell is off as well
    moveTo(3, 11);
    moveTo(3, 12);
    releaseOver(3, 13);
    EXPECT_EQ(row(3), std::string(50, '0'));
    EXPECT_EQ(row(0), std::string(10, '0') + "1" + std::string(39, '0'));
    EXPECT_EQ(doc().eventValue(12), 0);
}

TEST_F(GridEditing, DoubleClickOnTheTimeAxisMovesTheEndMark) {
    start();
    EXPECT_TRUE(axisShowsRed(49));
    doubleClickAxis(0);
    EXPECT_EQ(doc().endEvent(), 0);
    EXPECT_TRUE(axisShowsRed(0));
    EXPECT_FALSE(axisShowsRed(49));
    doubleClickAxis(0);
    EXPECT_EQ(doc().endEvent(), 0);
    EXPECT_TRUE(axisShowsRed(0));
}

TEST_F(GridEditing, ColourListOpensOnThePresentColourAndTakesThePick) {
    start();
    auto* label = find<ClickableLabel>("LEDlabel1_2");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(list("ColorList")->isVisible());
    EXPECT_EQ(list("ColorList")->currentRow(), 7);
    pick("ColorList", 0);
    EXPECT_FALSE(list("ColorList")->isVisible());
    EXPECT_EQ(doc().ledColor(2), 0);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));

    QTest::mouseClick(label, Qt::LeftButton);
    pick("ColorList", 0); // the entry already selected still closes the list
    EXPECT_FALSE(list("ColorList")->isVisible());
    EXPECT_EQ(doc().ledColor(2), 0);
}

TEST_F(GridEditing, TwoRequestsForOneListBothTakeTheOnePick) {
    start();
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_0"), Qt::LeftButton);
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_1"), Qt::LeftButton);
    EXPECT_EQ(list("ColorList")->currentRow(), 7);
    pick("ColorList", 2);
    EXPECT_EQ(doc().ledColor(1), 2);
    EXPECT_EQ(doc().ledColor(0), 2);
    EXPECT_EQ(form->findChild<QAction*>("MENUundo")->text(), "&Undo Color"); // LED #1 came last
    form->findChild<QAction*>("MENUundo")->trigger();
    EXPECT_EQ(doc().ledColor(0), 7);
    EXPECT_EQ(doc().ledColor(1), 2);
}

TEST_F(GridEditing, TwoListsOpenAtOnceEachFinishesWithItsOwnPick) {
    start();
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_3"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("RowOptions1"), Qt::LeftButton);
    pick("ColorList", 1); // closes the colour list while the row list is still open
    EXPECT_FALSE(list("ColorList")->isVisible());
    EXPECT_EQ(doc().ledColor(3), 1);
    EXPECT_EQ(row(1), std::string(50, '0'));
    pick("RowOptionsList", 1);
    EXPECT_EQ(row(1), std::string(50, '1'));
}

TEST_F(GridEditing, WindowStaysLiveWhileAListIsOpen) {
    start();
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_0"), Qt::LeftButton);
    click(0, 3); // the grid still takes clicks
    doubleClickAxis(30);
    pick("ColorList", 4);
    EXPECT_EQ(doc().cell(0, 3), 1);
    EXPECT_EQ(doc().endEvent(), 30);
    EXPECT_EQ(doc().ledColor(0), 4);
}

TEST_F(GridEditing, NewClearResetsEveryRowColourModeAndTheMark) {
    start();
    for (int r = 0; r < 4; ++r) {
        click(r, 3 + r);
        form->sequence().setLedColor(r, r);
        emit find<QComboBox>(QStringLiteral("ServoControl_%1").arg(r))->activated(r + 2);
    }
    form->sequence().setLedColor(6, 5);
    doubleClickAxis(20);
    form->sequence().setTestSpeed(44);
    form->findChild<QAction*>("MENUnew")->trigger();
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(row(r), std::string(50, '0'));
        EXPECT_EQ(doc().ledColor(r), 7);
        EXPECT_EQ(find<QLabel>(QStringLiteral("LEDlabel1_%1").arg(r))->palette().color(QPalette::WindowText),
                  QColor(Qt::white));
        EXPECT_EQ(find<QComboBox>(QStringLiteral("ServoControl_%1").arg(r))->currentText(), "NONE");
    }
    for (int e = 0; e < 50; ++e)
        EXPECT_EQ(doc().eventValueText(e), "0");
    EXPECT_EQ(doc().endEvent(), 49);
    EXPECT_FALSE(axisShowsRed(20));
    EXPECT_TRUE(axisShowsRed(49));
    EXPECT_EQ(doc().ledColor(6), 5);
    EXPECT_EQ(form->sequence().testSpeed(), 44);
    EXPECT_EQ(form->windowTitle(), "ZELTA-GLOW  -  Programmable LED Sequencer/Flasher");
}

// Neighbouring cells share a pixel column (8 px apart, 9 wide): a click there is the later
// event's, in the cells as on the time axis.
TEST_F(GridEditing, TheSharedPixelColumnOfTwoCellsBelongsToTheLaterEvent) {
    start();
    const QRect later = GridGeometry::CellRect(1, 21);
    ASSERT_EQ(later.left(), GridGeometry::CellRect(1, 20).right());
    QTest::mouseClick(grid(), Qt::LeftButton, {}, QPoint(later.left(), later.center().y()));
    EXPECT_EQ(form->sequence().cell(1, 21), 1);
    EXPECT_EQ(form->sequence().cell(1, 20), 0);
    QTest::mouseDClick(grid(), Qt::LeftButton, {},
                       QPoint(later.left(), GridGeometry::AxisRect(21).center().y()));
    EXPECT_EQ(form->sequence().endEvent(), 21);
}
