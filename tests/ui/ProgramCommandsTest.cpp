#include "ProgramCommandsFixture.h"

#include "device/QtSerialLink.h"
#include "ui/common/QtUserDialogs.h"
#include "ui/controls/PopupList.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/help/ProgramTexts.h"
#include "ui/settings/SettingsDialog.h"

#include <QTimer>

#include <functional>

using namespace zg;

TEST_F(ProgramCommandsTest, EveryMenuItemAndButtonRunsItsOwnCommand) {
    start(std::make_unique<QtSerialLink>([](int) { return std::optional<std::string>(); })); // no ports
    struct Route {
        const char* control;
        std::function<bool()> ran;
    };
    const std::vector<Route> routes{
        {"MENUnew", [&] { return form->windowTitle() == PlainTitle(); }},
        {"MENUopen", [&] { return lastFileDialog() == OpenTitle(); }},
        {"OpenButton", [&] { return lastFileDialog() == OpenTitle(); }},
        {"MENUmerge", [&] { return lastFileDialog() == MergeTitle(); }},
        {"MENUsave", [&] { return lastFileDialog() == SaveTitle(); }},
        {"SaveButton", [&] { return lastFileDialog() == SaveTitle(); }},
        {"MENUexit", [&] { return lastMessage() == ExitQuestion(); }},
        {"Exit_button", [&] { return lastMessage() == ExitQuestion(); }},
        {"MENUsettings", [&] { return form->settingsDialog()->isVisible(); }},
        {"Settings_button", [&] { return form->settingsDialog()->isVisible(); }},
        {"MENUabout", [&] { return lastMessage() == AboutText(); }},
        {"MENUhowto", [&] { return helpShown(); }},
        {"MENUdownload", [&] { return lastMessage().startsWith("Cannot open serial port 1"); }},
        {"DownloadButton", [&] { return lastMessage().startsWith("Cannot open serial port 1"); }},
    };
    for (const Route& route : routes) {
        dialogs.messages.clear();
        dialogs.fileAsks.clear();
        dialogs.webAddresses.clear();
        form->settingsDialog()->hide();
        closeHelp();
        form->setWindowTitle(StartTitle());
        trigger(QLatin1String(route.control));
        EXPECT_TRUE(route.ran()) << route.control;
        // One command each: nothing else was asked.
        EXPECT_LE(dialogs.messages.size() + dialogs.fileAsks.size(), 1u) << route.control;
    }
    EXPECT_EQ(end.calls, 0);
    for (const char* test : {"MENUtest", "TestButton"}) {
        int ticks = 0;
        const auto c = atEachStepEnd([&] {
            ++ticks;
            form->stopTest();
        });
        trigger(QLatin1String(test));
        waitUntilTestEnds();
        QObject::disconnect(c);
        EXPECT_EQ(ticks, 1) << test;
    }
}

TEST_F(ProgramCommandsTest, EachAccessKeyRunsItsCommandInOnePress) {
    start(std::make_unique<QtSerialLink>([](int) { return std::optional<std::string>(); })); // no ports
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier) {
        dialogs.messages.clear();
        dialogs.fileAsks.clear();
        QTest::keyClick(form->windowHandle(), key, modifiers);
    };
    int ticks = 0;
    atEachStepEnd([&] {
        ++ticks;
        form->stopTest();
    });
    press(Qt::Key_T); // "&Test" on the button and on the menu bar
    waitUntilTestEnds();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(find<QPushButton>("TestButton")->text(), "&Test");
    press(Qt::Key_T); // the menu's letter alone now
    waitUntilTestEnds();
    EXPECT_EQ(ticks, 2);
    press(Qt::Key_D);
    EXPECT_TRUE(lastMessage().startsWith("Cannot open serial port 1"));
    // A button's own letter "clicks" it a moment later, as the button shows itself pressed first.
    press(Qt::Key_O);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lastFileDialog() == OpenTitle(); }, 1000));
    press(Qt::Key_X);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lastMessage() == ExitQuestion(); }, 1000));
    press(Qt::Key_S);
    EXPECT_TRUE(form->settingsDialog()->isVisible());
    EXPECT_TRUE(dialogs.fileAsks.empty());
    form->settingsDialog()->hide();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(lastFileDialog(), SaveTitle());
}

TEST_F(ProgramCommandsTest, ExitThenCancelTwiceLeavesEverythingAsItWas) {
    start();
    form->sequence().setCell(1, 1, 1);
    for (int i = 0; i < 2; ++i) {
        dialogs.answers = {MessageAnswer::Cancel};
        form->findChild<QAction*>("MENUexit")->trigger();
    }
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              spaces(23) + "OK to Really Exit ?\r\r" + spaces(12) + "(Be sure you have saved your files)");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(end.calls, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->sequence().cell(1, 1), 1);
    dialogs.answers = {MessageAnswer::Ok};
    form->findChild<QAction*>("MENUexit")->trigger();
    EXPECT_EQ(end.calls, 1);
}

TEST_F(ProgramCommandsTest, ExitButtonStopsTheTestButTheMenuItemLeavesItRunning) {
    start();
    bool runningAfterMenuExit = false;
    int ticks = runTest([&](int tick) {
        if (tick == 1) {
            form->findChild<QAction*>("MENUexit")->trigger(); // answered Cancel
            runningAfterMenuExit = form->testRunning();
        }
        if (tick == 3)
            QTest::mouseClick(find<QPushButton>("Exit_button"), Qt::LeftButton);
    });
    EXPECT_TRUE(runningAfterMenuExit);
    EXPECT_EQ(ticks, 4);
    EXPECT_FALSE(form->testRunning());
    EXPECT_EQ(end.calls, 0);
}

TEST_F(ProgramCommandsTest, ClosingTheWindowEndsTheProgramWithoutAQuestionAlsoInsideWaits) {
    start();
    runTest([&](int tick) {
        if (tick == 1) {
            form->close();
            EXPECT_EQ(end.calls, 1);
            form->stopTest();
        }
    });
    form->show();
    QTimer::singleShot(0, form.get(), [&] {
        form->close();
        EXPECT_EQ(end.calls, 2);
        find<zg::PopupList>("ColorList")->close();
    });
    form->chooseLedColor(0);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The real end: the process is gone at once, from inside a running test and an open list.
TEST_F(ProgramCommandsTest, RealEndLeavesFromInsideNestedWaits) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ProcessEnd realEnd;
            MainWindow window(dialogs, realEnd);
            window.show();
            QTimer::singleShot(30, &window, [&] {
                QTimer::singleShot(30, &window, [&] { window.close(); });
                window.chooseLedColor(1);
            });
            window.toggleTest();
            QTest::qWait(5000);
            std::abort(); // not reached: closing ended the process
        },
        ::testing::ExitedWithCode(0), "");
}
