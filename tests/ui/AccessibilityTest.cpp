#include "ModelViewFixture.h"

#include <QAccessible>
#include <QAction>

using namespace zg;

// What a screen reader finds through the accessibility interfaces, and what switch access and
// voice control can do with them.
class Accessibility : public ModelView {
  protected:
    QAccessibleInterface* cell(int row, int e) const {
        return QAccessible::queryAccessibleInterface(grid())->tableInterface()->cellAt(row, e);
    }
};

// The toggle action switches a cell as a click does: one step Undo takes back, and the focus cell
// there; press does the same.
TEST_F(Accessibility, ACellsToggleActionSwitchesItAsAClickDoes) {
    start();
    QAccessibleInterface* target = cell(1, 7);
    ASSERT_NE(target, nullptr);
    QAccessibleActionInterface* actions = target->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList({QAccessibleActionInterface::toggleAction(),
                                                   QAccessibleActionInterface::pressAction()}));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(form->sequence().cell(1, 7), 1);
    EXPECT_TRUE(target->state().checked);
    EXPECT_EQ(grid()->focusCell(), (GridCell{1, 7}));
    EXPECT_EQ(find<QAction>("MENUundo")->text(), "&Undo Cell");
    form->undo();
    EXPECT_EQ(form->sequence().cell(1, 7), 0);
    EXPECT_FALSE(target->state().checked);
    cell(3, 49)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->sequence().cell(3, 49), 1);
}
