#include "UiFixture.h"

#include "ui/controls/ClickableLabel.h"
#include "ui/controls/PopupList.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ProgramTexts.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace zg;

class Keyboard : public UiFixture {
  protected:
    void startActive() {
        start();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(form->windowHandle(), k, modifiers);
    }
    void keys(Qt::Key k, int times) {
        for (int i = 0; i < times; ++i)
            key(k);
    }
    QByteArray saved(const QString& name) {
        dialogs.fileNames.emplace_back(dir.filePath(name));
        form->findChild<QAction*>("MENUsave")->trigger();
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void pick(const char* list, int index) {
        auto* l = find<PopupList>(QLatin1String(list));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(index)).center());
    }
};

TEST_F(Keyboard, APatternDrawnByKeysEqualsTheSameDrawnByMouse) {
    startActive();
    GridWidget* grid = find<GridWidget>("Grid");
    for (int tab = 0; tab < 16 && !grid->hasFocus(); ++tab)
        key(Qt::Key_Tab);
    ASSERT_TRUE(grid->hasFocus()); // one stop for the whole grid
    keys(Qt::Key_Right, 5);
    key(Qt::Key_Space); // LED #1, event 5
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    key(Qt::Key_Space); // LED #2, event 6
    key(Qt::Key_End);
    key(Qt::Key_Space); // LED #2, event 49
    key(Qt::Key_Home);
    keys(Qt::Key_Right, 3);
    key(Qt::Key_Return); // the end mark on event 3
    whenOpen("RowOptionsList", [&] {
        key(Qt::Key_Down); // "Mark All"
        key(Qt::Key_Return);
    });
    key(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    whenOpen("ColorList", [&] {
        key(Qt::Key_Up); // "Cyan"
        key(Qt::Key_Enter);
    });
    key(Qt::Key_1, Qt::ControlModifier);
    const QByteArray byKeys = saved("keys.DAT");

    form->newDocument();
    for (const auto& [row, e] : {std::pair{0, 5}, {1, 6}, {1, 49}})
        click(row, e);
    EXPECT_EQ(grid->focusCell(), (GridCell{1, 49})); // the focus cell follows a press
    doubleClickAxis(3);
    whenOpen("RowOptionsList", [&] { pick("RowOptionsList", 1); });
    QTest::mouseClick(find<QPushButton>("RowOptions2"), Qt::LeftButton);
    whenOpen("ColorList", [&] { pick("ColorList", 6); });
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_0"), Qt::LeftButton);
    EXPECT_EQ(saved("mouse.DAT"), byKeys);
    EXPECT_TRUE(byKeys.startsWith("\"4\"\r\n\"4\"\r\n\"4\"\r\n\"4\"\r\n\"0\"\r\n\"1\"\r\n\"2\"\r\n"))
        << byKeys.left(40).toStdString();
}

TEST_F(Keyboard, EachShortcutRunsItsMenuCommand) {
    startActive();
    struct Shortcut {
        const char* action;
        QKeySequence keys;
        std::function<bool()> ran;
    };
    const auto lastMessage = [&] {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    };
    const auto lastDialog = [&] {
        return dialogs.fileAsks.empty() ? QString() : dialogs.fileAsks.back().request.title;
    };
    const std::vector<Shortcut> shortcuts{
        {"MENUnew", QKeySequence(Qt::CTRL | Qt::Key_N), [&] { return form->windowTitle() == PlainTitle(); }},
        {"MENUopen", QKeySequence(Qt::CTRL | Qt::Key_O), [&] { return lastDialog() == OpenTitle(); }},
        {"MENUsave", QKeySequence(Qt::CTRL | Qt::Key_S), [&] { return lastDialog() == SaveTitle(); }},
        {"MENUmerge", QKeySequence(Qt::CTRL | Qt::Key_M), [&] { return lastDialog() == MergeTitle(); }},
        {"MENUexit", QKeySequence(Qt::CTRL | Qt::Key_Q), [&] { return lastMessage() == ExitQuestion(); }},
        {"MENUhowto", QKeySequence(Qt::Key_F1), [&] { return form->findChild<HelpWindow*>() != nullptr; }},
    };
    for (const Shortcut& s : shortcuts) {
        dialogs.messages.clear();
        dialogs.fileAsks.clear();
        form->setWindowTitle(StartTitle());
        EXPECT_EQ(form->findChild<QAction*>(QLatin1String(s.action))->shortcut(), s.keys) << s.action;
        QTest::keySequence(form->windowHandle(), s.keys);
        EXPECT_TRUE(s.ran()) << s.action;
    }
    // The manual's window took the keys: they go back to the main window.
    form->findChild<HelpWindow*>()->close();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(end.calls, 0); // Ctrl+Q asked first
    int ticks = 0;
    atEachStepEnd([&] {
        if (++ticks == 2)
            key(Qt::Key_F5); // F5 stops the test it started
    });
    key(Qt::Key_F5);
    waitUntilTestEnds();
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(form->testRunning());
}

// Shift+3 types "§" on a German keyboard and "£" on a British one: the row options of LED #3
// follow the key's place, not the symbol it types.
TEST_F(Keyboard, CtrlShiftDigitFollowsTheKeyOnAnyLayout) {
    startActive();
    for (const auto& [symbol, text] : {std::pair{Qt::Key_section, "§"}, {Qt::Key_sterling, "£"}}) {
        bool opened = false;
        whenOpen("RowOptionsList", [&] {
            opened = true;
            key(Qt::Key_Escape);
        });
        // What X11 and Wayland report for the third digit key (xkb key code 12) with Shift held.
        QKeyEvent press(QEvent::KeyPress, symbol, Qt::ControlModifier | Qt::ShiftModifier, 12, 0, 0,
                        QString::fromUtf8(text));
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                                &press);
        EXPECT_TRUE(QTest::qWaitFor([&] { return opened; }, 1000)) << text;
    }
}
