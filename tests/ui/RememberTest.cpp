#include "UiFixture.h"

#include "app/Application.h"
#include "app/CommandLine.h"
#include "files/DataFileWriter.h"
#include "files/UserSettings.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QScopeGuard>
#include <QStatusBar>

using namespace zg;

class Remember : public UiFixture {
  protected:
    QString write(const QString& name) const {
        const QString path = dir.filePath(name);
        EXPECT_FALSE(WriteDataFile(path.toStdString(), MakeDataFileRecord(LedSequence())));
        return path;
    }
    // The Recent Files submenu as it shows when opened.
    QStringList recentItems() const {
        auto* menu = find<QMenu>("MENUrecent");
        emit menu->aboutToShow();
        QStringList items;
        for (QAction* item : menu->actions())
            items << item->text();
        return items;
    }
    QAction* recentItem(int index) const { return find<QMenu>("MENUrecent")->actions().at(index); }
};

// Files opened or saved come first, once each, eight at most; a file that has gone is taken off
// with a message when chosen; the list can be cleared and stays cleared.
TEST_F(Remember, RecentFilesKeepTheLastEightOpenedOrSaved) {
    start();
    EXPECT_EQ(recentItems(), QStringList({"(none)", "", "&Clear List"}));
    for (int i = 1; i <= 9; ++i)
        form->openFromOutside(write(QStringLiteral("p%1.DAT").arg(i)));
    form->openFromOutside(dir.filePath("p5.DAT"));
    dialogs.fileNames.emplace_back(dir.filePath("saved.DAT"));
    form->saveFile();
    EXPECT_EQ(recentItems().mid(0, 8), QStringList({"&1 saved.DAT", "&2 p5.DAT", "&3 p9.DAT", "&4 p8.DAT",
                                                    "&5 p7.DAT", "&6 p6.DAT", "&7 p4.DAT", "&8 p3.DAT"}));
    recentItem(1)->trigger();
    EXPECT_EQ(form->windowTitle(), PlainTitle() + " - p5.DAT");
    ASSERT_TRUE(QFile::remove(dir.filePath("p9.DAT")));
    recentItems();
    recentItem(2)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("p9.DAT"));
    EXPECT_EQ(form->windowTitle(), PlainTitle() + " - p5.DAT");
    EXPECT_FALSE(recentItems().contains("&3 p9.DAT"));
    EXPECT_EQ(recentItems().size(), 7 + 2);
    find<QAction>("MENUclearrecent")->trigger();
    EXPECT_EQ(UserSettings::recentFiles(), QStringList());
}

// The port follows the user: a start folder without LED.cfg takes the port last confirmed, and
// LED.cfg still wins where it is.
TEST_F(Remember, APortConfirmedIsTakenWhereThereIsNoLedCfg) {
    start();
    form->settingsDialog()->portList()->setCurrentIndex(3);
    form->settingsDialog()->acceptSettings();
    ASSERT_TRUE(QFile::remove(dir.filePath("LED.cfg")));
    start();
    EXPECT_EQ(form->config().CommPort, 4);
    QFile cfg(dir.filePath("LED.cfg"));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("2\r\n");
    cfg.close();
    start();
    EXPECT_EQ(form->config().CommPort, 2);
}

// Where the window was when the program ended is where the next start puts it.
TEST_F(Remember, TheWindowComesBackWhereItWas) {
    start();
    form->move(140, 90);
    const QByteArray kept = form->saveGeometry();
    form->close();
    EXPECT_EQ(UserSettings::windowGeometry(), kept);
    form.reset();
    form = StartWindow(ReadCommandLine({"zelta-glow"}), dialogs, end);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->saveGeometry(), kept);
}

// Where the settings file cannot be written (a folder in its place binds root too), the user
// learns it once a run, however often the program tries, the end included.
TEST_F(Remember, SettingsThatCannotBeWrittenAreSaidOnce) {
    const QString file = QSettings().fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    const auto restore = qScopeGuard([&] { QDir(file).removeRecursively(); });
    start();
    form->openFromOutside(write("a.DAT"));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("not being remembered"))
        << form->statusBar()->currentMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.empty(); }, 2000));
    EXPECT_TRUE(dialogs.messages[0].text.contains(file)) << dialogs.messages[0].text.toStdString();
    form->openFromOutside(write("b.DAT"));
    form->close();
    EXPECT_EQ(dialogs.messages.size(), 1u);
}
