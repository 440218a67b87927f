#include "UiFixture.h"

#include "export/GridGeometry.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/LedIndicator.h"
#include "ui/controls/PopupList.h"
#include "ui/settings/SettingsDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

using namespace zg;

namespace {

QString indexed(const char* name, int i) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i);
}

QColor textColor(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

class MainWindowStart : public UiFixture {};

TEST_F(MainWindowStart, GridCellsAndLabelsStandAtTheirDesignPlaces) {
    start();
    EXPECT_EQ(form->centralWidget()->size(), QSize(640, 255));
    const auto inClient = [this](QRect inGrid) { return inGrid.translated(grid()->pos()); };
    for (int row = 0; row < 4; ++row) {
        for (int e = 0; e < 50; ++e) {
            EXPECT_EQ(inClient(GridGeometry::CellRect(row, e)), QRect(128 + 8 * e, 24 + 24 * row, 9, 13));
            EXPECT_EQ(form->sequence().cell(row, e), 0);
        }
        auto* label = find<ClickableLabel>(indexed("LEDlabel1", row));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), QRect(8, 24 + 24 * row, 65, 17));
        EXPECT_EQ(label->text(), QStringLiteral("LED#%1").arg(row + 1));
        EXPECT_EQ(textColor(label), QColor(255, 255, 255));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(144, 144, 144));
        EXPECT_EQ(label->toolTip(), QStringLiteral("Click here to change color of LED#%1").arg(row + 1));

        auto* led = find<LedIndicator>(indexed("LED", row));
        ASSERT_NE(led, nullptr);
        EXPECT_EQ(led->geometry(), QRect(80, 24 + 24 * row, 17, 17));
        EXPECT_EQ(led->fillColor(), QColor(Qt::black));

        auto* options = find<QPushButton>(QStringLiteral("RowOptions%1").arg(row));
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->geometry(), QRect(104, 24 + 24 * row, 9, 9));
        EXPECT_EQ(options->toolTip(),
                  QStringLiteral("Click here to change LED#%1 flash pattern").arg(row + 1));
    }
}

TEST_F(MainWindowStart, TimeAxisReadsLastDigitsWithTheEndMarkOnEvent49) {
    start();
    for (int e = 0; e < 50; ++e) {
        EXPECT_EQ(GridGeometry::AxisRect(e).translated(grid()->pos()), QRect(128 + 8 * e, 128, 9, 17));
        EXPECT_EQ(axisShowsRed(e), e == 49) << e;
        EXPECT_EQ(form->sequence().eventValueText(e), "0");
    }
}

TEST_F(MainWindowStart, ServoListsStartOnNoneAndOnlyLed1RefusesTypedText) {
    start();
    for (int row = 0; row < 4; ++row) {
        auto* list = find<QComboBox>(indexed("ServoControl", row));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->geometry(), QRect(536, 24 + 24 * row, 73, 21));
        ASSERT_EQ(list->count(), 16);
        EXPECT_EQ(list->itemText(0), QStringLiteral("OFF"));
        EXPECT_EQ(list->itemText(5), QStringLiteral("|* - * -|"));
        EXPECT_EQ(list->itemText(14), QStringLiteral("|- * * *|"));
        EXPECT_EQ(list->currentIndex(), 15);
        EXPECT_EQ(list->currentText(), QStringLiteral("NONE"));
        EXPECT_EQ(list->isEditable(), row > 0);
        EXPECT_TRUE(list->font().bold());
        EXPECT_EQ(list->toolTip(),
                  QStringLiteral("Change how LED#%1 will repond to R/C servo signal").arg(row + 1));
    }
}

TEST_F(MainWindowStart, ButtonsCaptionsAndHiddenControls) {
    start();
    struct Button {
        const char* name;
        QPoint at;
        const char* caption;
    };
    for (const Button& b :
         {Button{"OpenButton", {16, 152}, "&Open File..."}, Button{"SaveButton", {16, 200}, "&Save File..."},
          Button{"TestButton", {256, 152}, "&Test"}, Button{"Settings_button", {256, 200}, "S&ettings..."},
          Button{"DownloadButton", {480, 152}, "&DOWNLOAD"}, Button{"Exit_button", {480, 200}, "E&xit"}}) {
        auto* button = find<QPushButton>(QLatin1String(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->geometry(), QRect(b.at, QSize(145, 33))) << b.name;
        EXPECT_EQ(button->text(), QLatin1String(b.caption));
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->font().pointSizeF(), 12.0);
        EXPECT_FALSE(button->toolTip().isEmpty()) << b.name;
        EXPECT_TRUE(button->isVisible() && button->isEnabled());
    }
    EXPECT_EQ(find<QPushButton>("DownloadButton")->toolTip(),
              "Download data to Zelta-Glow Sequencer/Flasher");
    for (const char* hidden :
         {"ServoStick", "PulseWidthlabel1", "PulseWidth", "PulseWidthlabel2", "Label2", "DLlabel",
          "ProgressBar1", "Vspeed", "ColorList", "RowOptionsList", "CopyList"}) {
        auto* widget = find<QWidget>(QLatin1String(hidden));
        ASSERT_NE(widget, nullptr) << hidden;
        EXPECT_FALSE(widget->isVisible()) << hidden;
    }
    EXPECT_EQ(find<QScrollBar>("ServoStick")->value(), 150);
    EXPECT_EQ(find<QLabel>("PulseWidth")->text(), "1500");
    EXPECT_EQ(find<QLabel>("PulseWidthlabel2")->text(),
              QString::fromUtf8("\u00B5s")); // a pulse is 1000-2000 µs
    auto* hint = find<QLabel>("Label2");
    EXPECT_LE(hint->fontMetrics().horizontalAdvance(hint->text()), hint->contentsRect().width());
    EXPECT_NEAR(hint->geometry().center().x(), QRect(168, 232, 305, 17).center().x(), 1);
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->geometry(), QRect(224, 216, 201, 17));
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->maximum(), 56);
    EXPECT_EQ(find<QLabel>("DLlabel")->text(), "Downloading to ZELTA-GLOW ...");
    EXPECT_EQ(find<QLabel>("Label1")->text(), "Servo Control");
}

TEST_F(MainWindowStart, PopupListsHoldTheirEntries) {
    start();
    const auto entries = [this](const char* name) {
        QStringList texts;
        auto* list = find<PopupList>(QLatin1String(name));
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    };
    EXPECT_EQ(entries("ColorList"),
              QStringList({"Black", "Red", "Green", "Yellow", "Blue", "Magenta", "Cyan", "White"}));
    EXPECT_EQ(entries("RowOptionsList"),
              QStringList({"Clear All", "Mark All", "Toggle All", "Copy from...", "Copy to...", "Skip 1...",
                           "Skip 2...", "Skip 3...", "", "Cancel"}));
    EXPECT_EQ(entries("CopyList"),
              QStringList({"LED #1", "LED #2", "LED #3", "LED #4", "", "", "", "", "", "Cancel"}));
    EXPECT_EQ(find<PopupList>("RowOptionsList")->geometry(), QRect(112, 32, 97, 196));
    EXPECT_EQ(find<PopupList>("CopyList")->geometry(), QRect(104, 24, 65, 196));
}

TEST_F(MainWindowStart, TitleAndMenusInOrder) {
    start();
    EXPECT_TRUE(form->windowTitle().endsWith(" - Beta3"));
    EXPECT_EQ(form->windowTitle(), "ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3");
    QStringList bar;
    for (QAction* action : form->menuBar()->actions())
        bar << (action->menu() ? action->menu()->objectName() : action->objectName()) + "=" + action->text();
    EXPECT_EQ(bar, QStringList({"MENUfile=&File", "MENUedit=Ed&it", "MENUview=&View", "MENUtest=&Test",
                                "MENUdownload=&Download", "MENUsettings=&Settings", "MENUoptions=Optio&ns",
                                "MENUhelp=&Help"}));
    const auto items = [this](const char* menu) {
        QStringList listed;
        for (QAction* action : find<QMenu>(menu)->actions())
            listed << (action->menu() ? action->menu()->objectName() : action->objectName()) + "=" +
                          action->text();
        return listed;
    };
    EXPECT_EQ(items("MENUfile"),
              QStringList({"MENUnew=&New/Clear", "MENUpresets=New from &Preset", "MENUopen=&Open...",
                           "MENUrecent=Recent &Files", "MENUmerge=&Merge", "MENUsave=&Save...",
                           "MENUsavepreset=Save &as Preset...", "MENUexportgif=Expor&t Animation...",
                           "MENUexportpng=Export Pict&ure...", "MENUexit=E&xit"}));
    EXPECT_EQ(items("MENUedit"),
              QStringList({"MENUundo=&Undo", "MENUredo=&Redo", "=", "MENUcut=Cu&t", "MENUcopy=&Copy",
                           "MENUpaste=&Paste", "MENUdelete=&Delete", "MENUselectall=Select &All", "=",
                           "MENUinsertevent=&Insert Event", "MENUdeleteevent=D&elete Event",
                           "MENUshiftleft=Shift &Left", "MENUshiftright=Shift Ri&ght",
                           "MENUrepeat=Repeat &Selection", "=", "MENUflashpattern=&Flash Pattern..."}));
    EXPECT_EQ(items("MENUhelp"), QStringList({"MENUabout=&About", "MENUhowto=H&ow to ..."}));
}

TEST_F(MainWindowStart, PortComesFromLedCfgInTheStartDirectory) {
    QFile cfg(dir.filePath("LED.cfg"));
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("3\r\n");
    cfg.close();
    start();
    EXPECT_EQ(form->config().CommPort, 3);
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    EXPECT_EQ(form->sequence().sequencerDelay(), 30);
    EXPECT_FALSE(form->settingsDialog()->isVisible());
    EXPECT_EQ(form->settingsDialog()->portList()->currentText(), "3");
}

TEST_F(MainWindowStart, MissingLedCfgStillBringsTheWindowUpOnPort1) {
    start();
    EXPECT_EQ(form->config().CommPort, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowStart, PickingAServoEntryChangesOnlyThatLed) {
    start();
    auto* list = find<QComboBox>("ServoControl_2");
    emit list->activated(4); // as a pick from the drop-down reports it
    EXPECT_EQ(form->sequence().servoMode(2), 4);
    for (int other : {0, 1, 3})
        EXPECT_EQ(form->sequence().servoMode(other), 15);
}

TEST_F(MainWindowStart, TypingOverAServoListLeavesNoModeChosen) {
    start();
    auto* list = find<QComboBox>("ServoControl_1");
    list->setFocus();
    QTest::keyClicks(list->lineEdit(), "x");
    EXPECT_EQ(form->sequence().servoMode(1), -1);
    EXPECT_EQ(list->currentText(), "NONEx"); // the typed text stays as typed
    EXPECT_EQ(form->sequence().servoMode(0), 15);
    // Typing that happens to spell an entry is still typed text, also once the box loses the focus.
    emit list->activated(0);
    list->lineEdit()->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_End);
    QTest::keyClick(list->lineEdit(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(list->lineEdit(), "F");
    EXPECT_EQ(list->currentText(), "OFF");
    EXPECT_EQ(form->sequence().servoMode(1), -1);
    find<QComboBox>("ServoControl_2")->setFocus();
    EXPECT_EQ(list->currentText(), "OFF");
    EXPECT_EQ(form->sequence().servoMode(1), -1);
}
