#include "UiFixture.h"

#include "model/RangeEditing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

using namespace zg;

class RangeEditing : public UiFixture {
  protected:
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(grid(), k, modifiers);
    }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    QString undoText() const { return find<QAction>("MENUundo")->text(); }
    // The whole document as the tests compare it: every cell and the end mark.
    std::string state() const {
        return CellsAsText(form->sequence(), RangeBetween(0, 0, kLedCount - 1, kLastEvent)) +
               std::to_string(form->sequence().endEvent());
    }
    QLabel* note() const { return find<QLabel>("SentLabel"); }
    void focusOn(int row, int e) {
        grid()->setFocus();
        grid()->moveFocusTo({row, e});
    }
};

TEST_F(RangeEditing, ShiftArrowsSelectAndCopyGivesALineForEachRowOfOnesAndZeros) {
    start();
    for (int e : {0, 2, 4})
        form->sequence().setCell(0, e, 1);
    focusOn(0, 0);
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid()->selection(), RangeBetween(0, 0, 0, 5));
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "101010\n");
    key(Qt::Key_Down, Qt::ShiftModifier); // a second row, and Shift+End to the last event
    key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(grid()->selection(), RangeBetween(0, 0, 1, kLastEvent));
    key(Qt::Key_Escape);
    EXPECT_FALSE(grid()->selection());
    key(Qt::Key_C, Qt::ControlModifier); // without a selection, the focus cell
    EXPECT_EQ(clipboard(), "0\n");
    EXPECT_EQ(form->sequence().cell(1, kLastEvent), 0); // selecting switched nothing
    form->sequence().setEndEvent(7);
    key(Qt::Key_A, Qt::ControlModifier); // all four rows up to the end mark
    EXPECT_EQ(grid()->selection(), RangeBetween(0, 0, 3, 7));
}

TEST_F(RangeEditing, PasteLaysTheTextAtTheFocusCellOrSaysWhyNot) {
    start();
    setClipboard("101010\n");
    focusOn(2, 10);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CellsAsText(form->sequence(), RangeBetween(2, 9, 2, 16)), "01010100\n");
    EXPECT_EQ(grid()->selection(), RangeBetween(2, 10, 2, 15));
    EXPECT_EQ(undoText(), "&Undo Paste");

    // x and - stand for lit and dark; what falls beyond event 50 or LED #4 is counted.
    setClipboard("x-x\n-x");
    focusOn(3, 48);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CellsAsText(form->sequence(), RangeBetween(3, 47, 3, 49)), "010\n");
    EXPECT_TRUE(note()->isVisible());
    EXPECT_TRUE(note()->text().startsWith("3 of the pasted cells")) << note()->text().toStdString();

    const std::string before = state();
    setClipboard("11\n1?1\n");
    focusOn(0, 0);
    trigger("MENUpaste");
    EXPECT_EQ(state(), before);
    EXPECT_EQ(note()->text(), "Nothing pasted: line 2, character 2 is no cell (1 x X # * or 0 - . blank).");
}

TEST_F(RangeEditing, ShiftClickSelectsFromTheFocusCellAndCutAndDeleteClearIt) {
    start();
    for (int e = 0; e < 8; ++e)
        for (int row : {0, 1})
            form->sequence().setCell(row, e, 1);
    focusOn(0, 2);
    QTest::mouseClick(grid(), Qt::LeftButton, Qt::ShiftModifier, inCell(1, 4));
    EXPECT_EQ(grid()->selection(), RangeBetween(0, 2, 1, 4));
    EXPECT_EQ(form->sequence().cell(1, 4), 1); // a Shift+click switches nothing
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "111\n111\n");
    EXPECT_EQ(CellsAsText(form->sequence(), RangeBetween(0, 0, 1, 7)), "11000111\n11000111\n");
    click(0, 6); // a plain click ends the selection and switches its cell as ever
    EXPECT_FALSE(grid()->selection());
    EXPECT_EQ(form->sequence().cell(0, 6), 0);
    key(Qt::Key_Delete); // the focus cell alone
    focusOn(1, 7);
    key(Qt::Key_Delete);
    EXPECT_EQ(CellsAsText(form->sequence(), RangeBetween(0, 0, 1, 7)), "11000101\n11000110\n");
}

// Every command is one step: Undo brings back the document before it, Redo the one after.
TEST_F(RangeEditing, EachCommandIsOneStepBackAndForth) {
    start();
    LedSequence& s = form->sequence();
    for (int e : {0, 1, 5, 49})
        s.setCell(0, e, 1);
    s.setCell(2, 3, 1);
    s.setEndEvent(9);
    const std::pair<const char*, std::function<void()>> commands[]{
        {"Insert Event", [&] { focusOn(0, 1), key(Qt::Key_Plus, Qt::ControlModifier); }},
        {"Delete Event", [&] { focusOn(0, 0), key(Qt::Key_Minus, Qt::ControlModifier); }},
        {"Shift Right", [&] { key(Qt::Key_Right, Qt::ControlModifier); }},
        {"Shift Left", [&] { trigger("MENUshiftleft"); }},
        {"Repeat Selection",
         [&] { grid()->setSelection(RangeBetween(0, 0, 2, 2)), key(Qt::Key_R, Qt::ControlModifier); }},
        {"Cut", [&] { trigger("MENUcut"); }},
        {"Delete", [&] { grid()->setSelection(std::nullopt), focusOn(0, 4), trigger("MENUdelete"); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        const std::string before = state();
        run();
        const std::string after = state();
        EXPECT_NE(after, before);
        EXPECT_EQ(undoText(), QStringLiteral("&Undo %1").arg(name));
        trigger("MENUundo");
        EXPECT_EQ(state(), before);
        trigger("MENUredo");
        EXPECT_EQ(state(), after);
    }
}

TEST_F(RangeEditing, InsertSaysWhenALitEventFallsOff) {
    start();
    focusOn(0, 3);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_FALSE(note()->isVisible());
    form->sequence().setCell(3, kLastEvent, 1);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_TRUE(note()->isVisible());
    EXPECT_TRUE(note()->text().startsWith("Event 50 fell off the end"));
}

TEST_F(RangeEditing, ARightClickOffersTheCommandsAndSwitchesNothing) {
    start();
    EXPECT_EQ(grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(grid()->actions().contains(find<QAction>("MENUpaste")));
    EXPECT_TRUE(grid()->actions().contains(find<QAction>("MENUrepeat")));
    grid()->setSelection(RangeBetween(0, 0, 1, 5));
    QTest::mouseClick(grid(), Qt::RightButton, {}, inCell(1, 3)); // inside: the selection stays
    EXPECT_TRUE(grid()->selection());
    QTest::mouseClick(grid(), Qt::RightButton, {}, inCell(3, 20));
    EXPECT_FALSE(grid()->selection());
    EXPECT_EQ(grid()->focusCell(), (GridCell{3, 20}));
    EXPECT_EQ(form->sequence().cell(3, 20), 0);
    EXPECT_FALSE(find<QAction>("MENUundo")->isEnabled());
}

// The event the end mark stands on moves right with an event inserted before it, and the mark
// with it: the loop keeps its last event.
TEST_F(RangeEditing, InsertingAtTheEndMarksEventMovesTheMarkWithIt) {
    start();
    form->sequence().setEndEvent(20);
    form->sequence().setCell(2, 20, 1);
    focusOn(2, 20);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->sequence().endEvent(), 21);
    EXPECT_EQ(form->sequence().cell(2, 21), 1);
    EXPECT_EQ(form->sequence().cell(2, 20), 0);
}
