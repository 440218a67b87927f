#include "UiFixture.h"

#include "device/QtSerialLink.h"
#include "ui/common/QtUserDialogs.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/PopupList.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/ManualLocation.h"
#include "ui/help/ProgramTexts.h"
#include "ui/settings/SettingsDialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <functional>

using namespace zg;

namespace {

QString spaces(int n) {
    return QString(n, u' ');
}

} // namespace

class ProgramCommandsTest : public UiFixture {
  protected:
    void trigger(const QString& name) {
        if (auto* action = form->findChild<QAction*>(name))
            action->trigger();
        else
            QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    }
    // Runs a test and calls `onTick` at each of its steps until the test has ended.
    int runTest(const std::function<void(int)>& onTick) {
        int ticks = 0;
        const auto c = atEachStepEnd([&] { onTick(ticks++); });
        form->toggleTest();
        waitUntilTestEnds();
        QObject::disconnect(c);
        return ticks;
    }
    void closeHelp() {
        if (auto* help = form->findChild<HelpWindow*>())
            help->close();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->findChild<HelpWindow*>(); }));
    }
    bool helpShown() const {
        const auto* help = form->findChild<HelpWindow*>();
        return help && help->isVisible();
    }
    // Where the link to `anchor` stands in the browser's view.
    static QPoint linkPosition(QTextBrowser& browser, const QString& anchor) {
        for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == anchor) {
                    QTextCursor cursor(browser.document());
                    cursor.setPosition(it.fragment().position() + 1);
                    browser.setTextCursor(cursor);
                    browser.ensureCursorVisible();
                    return browser.cursorRect(cursor).center();
                }
        return {};
    }
    QString lastMessage() const {
        return dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
    }
    QString lastFileDialog() const {
        return dialogs.fileAsks.empty() ? QString() : dialogs.fileAsks.back().request.title;
    }
};

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

TEST_F(ProgramCommandsTest, AboutTextIsExactToTheBlank) {
    start();
    form->findChild<QAction*>("MENUabout")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageRequest& about = dialogs.messages[0];
    EXPECT_EQ(about.title, "ZELTA-GLOW  -  LED Sequencer/Flasher");
    EXPECT_EQ(about.buttons, MessageButtons::Ok);
    const QString expected = spaces(25) + "Z E L T A - G L O W\r" + spaces(22) + "==================\r\r" +
                             "  Programmable LED Sequencer/Flasher  - Beta3\r\r" + spaces(27) +
                             "By:  VANTORO\r\r" + spaces(26) + "www.vantoro.example\r\r" + spaces(33) +
                             "Feb 2008";
    EXPECT_EQ(about.text, expected);
    EXPECT_EQ(about.text.count(u'\r'), 9);
}

// How to shows the manual that came with the program in a window of its own, where links, Back
// and Ctrl+F work, and which keeps its size; without the manual the user learns where it was
// looked for, and the maker's page stands in.
TEST_F(ProgramCommandsTest, HowToShowsTheManualThatCameWithTheProgramInItsOwnWindow) {
    start();
    form->findChild<QAction*>("MENUhowto")->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    auto* help = form->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    const QString beside = QCoreApplication::applicationDirPath() + "/manual.html";
    EXPECT_EQ(help->browser()->source().toLocalFile(), beside);
    QTest::mouseClick(help->browser()->viewport(), Qt::LeftButton, {},
                      linkPosition(*help->browser(), "#keys"));
    EXPECT_EQ(help->browser()->source().fragment(), "keys");
    auto* back = help->findChild<QToolButton*>("HelpBack");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(help->browser()->source().fragment(), "");
    QTest::keySequence(help->windowHandle(), QKeySequence::Find);
    auto* find = help->findChild<QLineEdit*>("HelpFind");
    ASSERT_TRUE(find->isVisible());
    QTest::keyClicks(find, "dialout");
    EXPECT_EQ(help->browser()->textCursor().selectedText(), "dialout");
    help->resize(500, 420);
    closeHelp();
    form->findChild<QAction*>("MENUhowto")->trigger();
    help = form->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->size(), QSize(500, 420));
    closeHelp();

    ASSERT_TRUE(QFile::rename(beside, beside + ".away"));
    form->findChild<QAction*>("MENUhowto")->trigger();
    QFile::rename(beside + ".away", beside);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(beside));
    EXPECT_EQ(dialogs.webAddresses, QStringList{kManualAddress});
    dialogs.browserFound = false; // nothing could show it: said instead of silence
    ASSERT_TRUE(QFile::rename(beside, beside + ".away"));
    form->findChild<QAction*>("MENUhowto")->trigger();
    QFile::rename(beside + ".away", beside);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, ManualNotShownText(kManualAddress));
    // The installed copy is found from the program's folder, or in the install prefix; no source
    // path of the build machine is looked at.
    EXPECT_EQ(ManualLocation(dir.filePath("bin"), QString()), std::nullopt);
    QDir(dir.path()).mkpath("bin");
    QDir(dir.path()).mkpath("share/doc/zelta-glow");
    QFile installed(dir.filePath("share/doc/zelta-glow/manual.html"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();
    const QString found = QFileInfo(installed).absoluteFilePath();
    EXPECT_EQ(ManualLocation(dir.filePath("bin"), QString()), found);
    EXPECT_EQ(ManualLocation(dir.filePath("elsewhere"), found), found);
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
