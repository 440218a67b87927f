#include "GridEditingFixture.h"

#include <QPushButton>

using namespace zg;

class RowCommands : public GridEditing {
  protected:
    // Presses row `r`'s options button and picks `entry`, then `copyEntry` when a copy asks for it.
    void rowCommand(int r, int entry, int copyEntry = -1) {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("RowOptions%1").arg(r)), Qt::LeftButton);
        EXPECT_EQ(list("RowOptionsList")->currentRow(), 0) << "the list opens on \"Clear All\"";
        pick("RowOptionsList", entry);
        if (copyEntry >= 0)
            pick("CopyList", copyEntry);
        EXPECT_FALSE(list("RowOptionsList")->isVisible());
        EXPECT_FALSE(list("CopyList")->isVisible());
    }
    void setEnd(int e) { form->sequence().setEndEvent(e); }
};

TEST_F(RowCommands, ClearMarkAndToggleThroughTheList) {
    start();
    setRow(0, std::string(50, '1'));
    rowCommand(0, 0); // "Clear All" is preset and still performed
    EXPECT_EQ(row(0), std::string(50, '0'));
    setEnd(9);
    rowCommand(0, 1);
    EXPECT_EQ(row(0), std::string(10, '1') + std::string(40, '0'));
    rowCommand(0, 2);
    EXPECT_EQ(row(0), std::string(50, '0'));
    EXPECT_EQ(doc().eventValue(5), 0);
}

TEST_F(RowCommands, CopyOntoItselfAnEmptyEntryOrCancelChangesNothing) {
    start();
    setRow(0, std::string(25, '1') + std::string(25, '0'));
    setRow(2, "01" + std::string(48, '0'));
    for (int copyEntry : {2, 4, 8, 9}) {
        rowCommand(2, 3, copyEntry);
        EXPECT_EQ(row(2), "01" + std::string(48, '0')) << copyEntry;
    }
    rowCommand(2, 8); // the empty entry
    rowCommand(2, 9); // "Cancel"
    EXPECT_EQ(row(2), "01" + std::string(48, '0'));
}

TEST_F(RowCommands, CopyFromAndToAnotherLed) {
    start();
    const std::string pattern = "1101" + std::string(44, '0') + "11";
    setRow(0, pattern);
    rowCommand(0, 4, 2); // copy LED #1 to LED #3
    EXPECT_EQ(row(2), pattern);
    EXPECT_EQ(doc().eventValueText(0), "5");
    EXPECT_EQ(doc().eventValueText(49), "5");
    rowCommand(3, 3, 2); // LED #4 from LED #3
    EXPECT_EQ(row(3), pattern);
    EXPECT_EQ(doc().eventValueText(3), "13");
}

TEST_F(RowCommands, SkipFillsAtTheEdgesOfTheEndMark) {
    start();
    struct Case {
        int entry;
        int end;
        std::string expected;
    };
    const auto fill = [](int period, int lastWritten) {
        std::string cells(50, '1');
        for (int e = 0; e <= lastWritten; ++e)
            cells[std::size_t(e)] = e % period == 0 ? '1' : '0';
        return cells;
    };
    for (const Case& c :
         {Case{5, 48, fill(2, 49)}, Case{5, 49, fill(2, 49)}, Case{5, 1, fill(2, 1)},
          Case{5, 46, fill(2, 47)}, Case{6, 49, fill(3, 47)}, Case{6, 1, fill(3, -1)}, Case{6, 9, fill(3, 8)},
          Case{7, 46, fill(4, 43)}, Case{7, 47, fill(4, 47)}, Case{7, 9, fill(4, 7)}}) {
        setRow(1, std::string(50, '1'));
        setEnd(c.end);
        rowCommand(1, c.entry);
        EXPECT_EQ(row(1), c.expected) << "entry " << c.entry << " end " << c.end;
    }
}
