#include "ProgramCommandsFixture.h"

#include "ui/help/ManualLocation.h"
#include "ui/help/ProgramTexts.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>

using namespace zg;

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
