#include "ModelViewFixture.h"

#include "ui/controls/ClickableLabel.h"
#include "ui/editing/FlashPatternDialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

using namespace zg;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The controls under `node` that a screen reader would read out without a name, by their object
// names. Containers are none (a widget of no particular kind is one when it holds others, else a
// painted control), nor are the lists Qt keeps inside a list box; a label or a list's entry is read
// as it shows, blank where the design has a gap.
QStringList Unnamed(QAccessibleInterface* node, bool hiddenToo) {
    const QList<QAccessible::Role> notControls{
        QAccessible::Grouping,  QAccessible::Separator,  QAccessible::StatusBar, QAccessible::MenuBar,
        QAccessible::PopupMenu, QAccessible::StaticText, QAccessible::ListItem};
    QStringList unnamed;
    if (node->state().invisible && !hiddenToo)
        return unnamed;
    const bool container = node->role() == QAccessible::Client && node->childCount() > 0;
    if (!container && !notControls.contains(node->role()) && node->text(QAccessible::Name).isEmpty())
        unnamed << (node->object() ? node->object()->objectName() : QStringLiteral("child"));
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!(node->role() == QAccessible::ComboBox && child->role() == QAccessible::List))
            unnamed << Unnamed(child, hiddenToo);
    }
    return unnamed;
}

} // namespace

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

// Every control says what it is for, those that come and go too; the design's captions and
// tooltips stay as they are.
TEST_F(Accessibility, EveryControlOfTheMainWindowHasAName) {
    start();
    EXPECT_EQ(Unnamed(Accessible(form.get()), true), QStringList());
    QAccessibleInterface* options = Accessible(find<QPushButton>("RowOptions2"));
    EXPECT_EQ(options->text(QAccessible::Name), "Pattern commands for LED #3");
    EXPECT_EQ(options->text(QAccessible::Description), "Click here to change LED#3 flash pattern");
    // The label shows its LED's colour as the colour of its text: a screen reader says it.
    auto* label = find<ClickableLabel>("LEDlabel1_1");
    EXPECT_EQ(Accessible(label)->text(QAccessible::Name), "Color of LED #2: White");
    form->sequence().setLedColor(1, 1);
    EXPECT_EQ(Accessible(label)->text(QAccessible::Name), "Color of LED #2: Red");
    EXPECT_EQ(label->text(), "LED#2");
    // A servo list says its entry as its name, after the label it has; the box typed in, which
    // takes the focus, is named for its LED.
    for (const int row : {0, 3}) {
        QAccessibleInterface* servo = Accessible(find<QComboBox>(QStringLiteral("ServoControl_%1").arg(row)));
        const auto labels = servo->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->text(QAccessible::Name),
                  QStringLiteral("Servo control of LED #%1").arg(row + 1));
    }
    QAccessibleInterface* servo = Accessible(find<QComboBox>("ServoControl_3"));
    ASSERT_EQ(servo->childCount(), 2);
    EXPECT_EQ(servo->child(1)->text(QAccessible::Name), "Servo control of LED #4");
}

TEST_F(Accessibility, EveryControlOfTheModelViewAndTheFlashDialogHasAName) {
    start();
    openView();
    EXPECT_EQ(Unnamed(Accessible(view()), false), QStringList());
    find<QAction>("MENUflashpattern")->trigger();
    EXPECT_EQ(Unnamed(Accessible(form->findChild<FlashPatternDialog*>()), false), QStringList());
}

// The lights are the model's children, named after their light and output, lit or dark; their
// show-menu action opens the menu a right click opens, which goes when the model changes.
TEST_F(Accessibility, TheModelsLightsAreNamedAndOpenTheirMenu) {
    start();
    form->sequence().setCell(2, 7, 1);
    openView();
    dialogs.texts = {QString("Tail strobe")};
    emit canvas().renameAsked(2);
    QAccessibleInterface* model = Accessible(&canvas());
    ASSERT_EQ(model->childCount(), 4);
    QAccessibleInterface* light = model->child(2);
    EXPECT_EQ(light->text(QAccessible::Name), "Tail strobe, LED #3, dark");
    QTest::mouseMove(grid(), inCell(2, 7));
    EXPECT_EQ(light->text(QAccessible::Name), "Tail strobe, LED #3, lit");
    EXPECT_EQ(model->child(0)->text(QAccessible::Name).section(u',', 1, 1), " LED #1");
    const QPoint centre = canvas().mapToGlobal(canvas().centreOf(2).toPoint());
    EXPECT_EQ(model->childAt(centre.x(), centre.y()), light);
    EXPECT_TRUE(light->rect().contains(centre));
    EXPECT_EQ(model->indexOfChild(light), 2);

    ASSERT_EQ(light->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::showMenuAction()});
    light->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList commands;
    for (int i = 0; i < Accessible(menu)->childCount(); ++i)
        commands << Accessible(menu)->child(i)->text(QAccessible::Name);
    EXPECT_EQ(commands, QStringList({"Name...", "Double", "Remove"}));
    Accessible(menu)->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(model->childCount(), 5);
    EXPECT_EQ(model->child(4)->text(QAccessible::Name).section(u',', 1, 1), " LED #3");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}
