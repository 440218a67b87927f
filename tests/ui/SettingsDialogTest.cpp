#include "UiFixture.h"

#include "ui/settings/SettingsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace zg;

class Settings : public UiFixture {
  protected:
    SettingsDialog& dialog() const { return *form->settingsDialog(); }
    QByteArray ledCfg() const {
        QFile file(dir.filePath("LED.cfg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeLedCfg(const QByteArray& bytes) const {
        QFile file(dir.filePath("LED.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void open() { QTest::mouseClick(find<QPushButton>("Settings_button"), Qt::LeftButton); }
    void ok() { QTest::mouseClick(dialog().findChild<QPushButton*>("SettingsOKbutton"), Qt::LeftButton); }
    void cancel() {
        QTest::mouseClick(dialog().findChild<QPushButton*>("SettingsCancelbutton"), Qt::LeftButton);
    }
    static void choose(QComboBox* list, int position) {
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
};

TEST_F(Settings, ShowsThePortReadAtStartAndRewritesLedCfgOnOk) {
    writeLedCfg("3\r\n");
    start();
    EXPECT_FALSE(dialog().isVisible());
    open();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_FALSE(dialog().isModal());
    EXPECT_EQ(dialog().windowTitle(), "ZELTA-GLOW  -  Programmable LED Sequencer/Flasher Settings...");
    EXPECT_EQ(dialog().portList()->currentText(), "3");
    EXPECT_EQ(dialog().testSpeedList()->currentText(), "20");
    EXPECT_EQ(dialog().sequencerDelayList()->currentText(), "30");
    EXPECT_EQ(dialog().portList()->count(), 6);
    EXPECT_EQ(dialog().testSpeedList()->count(), 100);
    EXPECT_EQ(dialog().sequencerDelayList()->itemText(99), "100");
    const auto tooltip = [&](int position) {
        return dialog().portList()->itemData(position, Qt::ToolTipRole).toString();
    };
    for (int position = 0; position < 6; ++position) // each port tells what it stands for now
        EXPECT_TRUE(tooltip(position).startsWith(QStringLiteral("Port %1: ").arg(position + 1))) << position;
    // A device named on the command line stands for every number, and the dialog says so.
    EXPECT_EQ(find<QLabel>("DeviceOverrideLabel"), nullptr);
    dialog().setDeviceOverride("/dev/pts/77");
    EXPECT_TRUE(find<QLabel>("DeviceOverrideLabel")->isVisible());
    EXPECT_TRUE(find<QLabel>("DeviceOverrideLabel")->text().contains("/dev/pts/77"));
    for (int position = 0; position < 6; ++position)
        EXPECT_TRUE(tooltip(position).contains("/dev/pts/77")) << position;
    QFile::remove(dir.filePath("LED.cfg"));
    ok();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(ledCfg(), QByteArray("3\r\n"));
    EXPECT_EQ(form->config().CommPort, 3);
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    EXPECT_EQ(form->sequence().sequencerDelay(), 30);
}

TEST_F(Settings, CancelKeepsTheSettingsButTheListsKeepTheChoice) {
    start();
    open();
    choose(dialog().portList(), 4);
    choose(dialog().testSpeedList(), 49);
    cancel();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->config().CommPort, 1);
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    EXPECT_EQ(ledCfg(), QByteArray("<missing>"));
    open();
    EXPECT_EQ(dialog().portList()->currentText(), "5");
    ok();
    EXPECT_EQ(form->config().CommPort, 5);
    EXPECT_EQ(form->sequence().testSpeed(), 50);
    EXPECT_EQ(ledCfg(), QByteArray("5\r\n"));
}

// Typed text counts as the entry it spells; text that spells none is refused on OK, naming the
// list and its range, with the dialog left open on that field and nothing changed.
TEST_F(Settings, TypedTextThatSpellsNoEntryIsRefusedAndNothingChanges) {
    start();
    open();
    const auto type = [](QComboBox* list, const char* text) {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), QLatin1String(text));
    };
    type(dialog().portList(), " 4 ");
    type(dialog().sequencerDelayList(), "300");
    ok();
    EXPECT_TRUE(dialog().isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains("Sequencer Delay (ms)"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("\"300\""));
    EXPECT_TRUE(dialogs.messages[0].text.contains("1 to 100"));
    EXPECT_EQ(dialog().focusWidget(), dialog().sequencerDelayList());
    EXPECT_EQ(dialog().sequencerDelayList()->lineEdit()->selectedText(), "300");
    EXPECT_EQ(form->config().CommPort, 1);
    EXPECT_EQ(form->sequence().sequencerDelay(), 30);
    EXPECT_EQ(ledCfg(), QByteArray("<missing>"));

    type(dialog().sequencerDelayList(), "45");
    ok();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->config().CommPort, 4);
    EXPECT_EQ(form->sequence().sequencerDelay(), 45);
    EXPECT_EQ(ledCfg(), QByteArray("4\r\n"));
}

TEST_F(Settings, AnUnwritableLedCfgIsReportedAndTheValuesStillApply) {
    start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("LED.cfg")); // a folder where the file belongs
    open();
    choose(dialog().portList(), 2);
    choose(dialog().sequencerDelayList(), 9);
    ok();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, AppTitle());
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains("LED.cfg"));
    EXPECT_TRUE(dialogs.messages[0].text.contains("directory", Qt::CaseInsensitive))
        << dialogs.messages[0].text.toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(QDir::currentPath())));
    EXPECT_EQ(form->config().CommPort, 3);
    EXPECT_EQ(form->sequence().sequencerDelay(), 10);
}

TEST_F(Settings, EnterIsOkAndEscapeOrTheCloseButtonIsCancel) {
    start();
    open();
    choose(dialog().testSpeedList(), 4);
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    open();
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    open();
    dialog().testSpeedList()->setFocus();
    QTest::keyClick(dialog().testSpeedList(), Qt::Key_Return);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->sequence().testSpeed(), 5);
    EXPECT_EQ(ledCfg(), QByteArray("1\r\n"));
    // Enter takes typed text as OK does: as the entry it spells.
    open();
    QLineEdit* typed = dialog().sequencerDelayList()->lineEdit();
    typed->setFocus();
    typed->selectAll();
    QTest::keyClicks(typed, "5");
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(form->sequence().sequencerDelay(), 5);
}

TEST_F(Settings, TheMenuShowsTheSameDialogAgainWithoutRefillingIt) {
    start();
    form->findChild<QAction*>("MENUsettings")->trigger();
    EXPECT_TRUE(dialog().isVisible());
    choose(dialog().sequencerDelayList(), 70);
    form->findChild<QAction*>("MENUsettings")->trigger();
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().sequencerDelayList()->currentText(), "71");
    EXPECT_EQ(dialog().sequencerDelayList()->count(), 100);
}

// A cable plugged in or pulled out while the dialog is open shows in the port list at once, named
// by its adapter; the list itself tells the chosen port's.
TEST_F(Settings, PortsAreNamedByTheirAdapterAndFollowTheCablesWhileTheDialogIsOpen) {
    start();
    std::vector<SerialPortEntry> present;
    dialog().setPortSource([&present] { return present; });
    open();
    QComboBox* ports = dialog().portList();
    const auto tooltip = [ports](int position) {
        return ports->itemData(position, Qt::ToolTipRole).toString();
    };
    EXPECT_TRUE(tooltip(0).contains("no serial device")) << tooltip(0).toStdString();
    present.push_back(
        {.name = "ttyUSB0", .location = "/dev/ttyUSB0", .vendorId = 0x1a86, .productId = 0x7523});
    const auto shows = [&](const QString& text) {
        return QTest::qWaitFor([&] { return tooltip(0) == text; }, 5 * SettingsDialog::kPortWatchMs);
    };
    EXPECT_TRUE(shows("Port 1: /dev/ttyUSB0, CH340 USB serial adapter")) << tooltip(0).toStdString();
    choose(ports, 0);
    EXPECT_EQ(ports->toolTip(), tooltip(0));
    EXPECT_EQ(ports->geometry(), QRect(200, 40, 65, 21)); // the long text is the tooltip's
    present.clear();
    EXPECT_TRUE(shows("Port 1: no serial device is plugged in for this number (0 found)"))
        << tooltip(0).toStdString();
    EXPECT_EQ(ports->toolTip(), tooltip(0));

    cancel(); // hidden, it stops looking
    present.push_back({.name = "ttyACM0", .location = "/dev/ttyACM0", .description = "Pico"});
    QTest::qWait(2 * SettingsDialog::kPortWatchMs);
    EXPECT_TRUE(tooltip(0).contains("no serial device"));
}
