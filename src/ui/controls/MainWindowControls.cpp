#include "MainWindowControls.h"

#include "ui/controls/ClickableLabel.h"
#include "ui/controls/LedIndicator.h"
#include "ui/controls/LedLabelTips.h"
#include "ui/controls/Placement.h"
#include "ui/controls/PopupList.h"
#include "ui/controls/RowOptionsEntries.h"
#include "ui/grid/GridAccessibility.h"
#include "ui/grid/GridWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace zg {

namespace {

struct ControlText {
    Q_DECLARE_TR_FUNCTIONS(zg::MainWindow)
};

// The list keeps its places (blank entries stay blank): a pick is known by its position.
const char* const kCopyEntries[]{
    "LED #1", "LED #2", "LED #3", "LED #4", "",
    "",       "",       "",       "",       QT_TRANSLATE_NOOP("zg::MainWindow", "Cancel")};

// The colour table's names, here for the translations; the check below holds the two together.
constexpr const char* kColorNames[]{
    QT_TRANSLATE_NOOP("zg::MainWindow", "Black"), QT_TRANSLATE_NOOP("zg::MainWindow", "Red"),
    QT_TRANSLATE_NOOP("zg::MainWindow", "Green"), QT_TRANSLATE_NOOP("zg::MainWindow", "Yellow"),
    QT_TRANSLATE_NOOP("zg::MainWindow", "Blue"),  QT_TRANSLATE_NOOP("zg::MainWindow", "Magenta"),
    QT_TRANSLATE_NOOP("zg::MainWindow", "Cyan"),  QT_TRANSLATE_NOOP("zg::MainWindow", "White")};
constexpr bool namesTheColorTable() {
    if (std::size(kColorNames) != LedColorTable.size())
        return false;
    for (std::size_t i = 0; i < LedColorTable.size(); ++i)
        if (std::string_view(kColorNames[i]) != LedColorTable[i].name)
            return false;
    return true;
}
static_assert(namesTheColorTable());

template <std::size_t N> QStringList translated(const char* const (&entries)[N]) {
    QStringList list;
    for (const char* entry : entries)
        list << (*entry ? ControlText::tr(entry) : QString());
    return list;
}

const QString kIndexedName = QStringLiteral("%1_%2");

QFont sized(QWidget* widget, double points, bool bold = false) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
    return font;
}

void setColors(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* label(QWidget* client, const QString& name, const QString& text, QRect where) {
    auto* widget = place(new QLabel(text, client), name, where.x(), where.y(), where.width(), where.height());
    widget->setAlignment(Qt::AlignCenter);
    return widget;
}

QPushButton* bigButton(QWidget* client, const QString& name, const QString& caption, int left, int top,
                       const QString& tip) {
    auto* button = place(new QPushButton(caption, client), name, left, top, 145, 33);
    sized(button, 12, true);
    button->setToolTip(tip);
    return button;
}

PopupList* popupList(QWidget* client, const QString& name, int left, int top, int width,
                     const QString& spokenName) {
    auto* list = place(new PopupList(client), name, left, top, width, 196);
    list->setAccessibleName(spokenName);
    sized(list, 9.75);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->hide();
    return list;
}

void buildGrid(QWidget* client, const LedSequence& sequence, MainWindowControls& c) {
    InstallGridAccessibility(); // before anything asks for the grid's accessible interface
    c.grid = new GridWidget(sequence, client);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        const int top = 24 + 24 * row;
        const QString led = QStringLiteral("LED#%1").arg(row + 1);
        auto* ledLabel =
            place(new ClickableLabel(led, client), kIndexedName.arg("LEDlabel1").arg(row), 8, top, 65, 17);
        ledLabel->setAlignment(Qt::AlignCenter);
        setColors(ledLabel, Qt::white, QColor(144, 144, 144));
        c.ledLabels[row] = ledLabel;

        c.ledIndicators[row] =
            place(new LedIndicator(client), kIndexedName.arg("LED").arg(row), 80, top, 17, 17);
        c.ledIndicators[row]->setAccessibleName(ControlText::tr("LED #%1 indicator").arg(row + 1));

        auto* options =
            place(new QPushButton(client), QStringLiteral("RowOptions%1").arg(row), 104, top, 9, 9);
        options->setToolTip(ControlText::tr("Click here to change %1 flash pattern").arg(led));
        // The button has no caption: its tooltip would be all a screen reader says of it.
        options->setAccessibleName(ControlText::tr("Pattern commands for LED #%1").arg(row + 1));
        options->setFocusPolicy(Qt::NoFocus);
        c.rowOptionsButtons[row] = options;
    }
    SetLedLabelTips(c.ledLabels);
}

void buildServoLists(QWidget* client, MainWindowControls& c) {
    c.servoHeading =
        label(client, QStringLiteral("Label1"), ControlText::tr("Servo Control"), QRect(536, 8, 73, 17));
    setColors(c.servoHeading, Qt::black, QColor(224, 224, 224));
    for (LedChannel row = 0; row < kLedCount; ++row) {
        auto* list = place(new QComboBox(client), kIndexedName.arg("ServoControl").arg(row), 536,
                           24 + 24 * row, 73, 21);
        sized(list, 8.25, true);
        list->setToolTip(ControlText::tr("Change how LED#%1 will repond to R/C servo signal").arg(row + 1));
        if (row > 0) {
            // LED #2..#4 take typed text too; until start-up selects an entry they read "None".
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setCompleter(nullptr);
            list->setEditText(QStringLiteral("None"));
        }
        // On Linux Qt gives a list box its entry for a name and says the label it is the buddy of
        // before it: a label never shown names each list, where the heading above stands for all four.
        auto* spoken = new QLabel(ControlText::tr("Servo control of LED #%1").arg(row + 1), client);
        spoken->setObjectName(kIndexedName.arg("ServoControlName").arg(row));
        spoken->setBuddy(list);
        spoken->adjustSize(); // a place of its own, where its text fits in every language
        spoken->hide();
        list->setAccessibleName(spoken->text());
        if (list->lineEdit()) // the box typed in takes the focus
            list->lineEdit()->setAccessibleName(spoken->text());
        c.servoLists[row] = list;
    }
}

void buildPopupLists(QWidget* client, MainWindowControls& c) {
    c.colorList = popupList(client, QStringLiteral("ColorList"), 104, 24, 97, ControlText::tr("LED color"));
    c.rowOptionsList =
        popupList(client, QStringLiteral("RowOptionsList"), 112, 32, 97, ControlText::tr("Pattern commands"));
    c.copyList = popupList(client, QStringLiteral("CopyList"), 104, 24, 65, ControlText::tr("Other LED"));
}

void buildButtons(QWidget* client, MainWindowControls& c) {
    c.openButton = bigButton(client, QStringLiteral("OpenButton"), ControlText::tr("&Open File..."), 16, 152,
                             ControlText::tr("Open a sequence data file"));
    c.saveButton = bigButton(client, QStringLiteral("SaveButton"), ControlText::tr("&Save File..."), 16, 200,
                             ControlText::tr("Save this sequence to a data file"));
    c.testButton = bigButton(client, QStringLiteral("TestButton"), ControlText::tr("&Test"), 256, 152,
                             ControlText::tr("Click here to visually test LED sequence"));
    c.settingsButton = bigButton(client, QStringLiteral("Settings_button"), ControlText::tr("S&ettings..."),
                                 256, 200, ControlText::tr("Change Software/Zelta-Glow Settings..."));
    c.downloadButton = bigButton(client, QStringLiteral("DownloadButton"), ControlText::tr("&DOWNLOAD"), 480,
                                 152, ControlText::tr("Download data to Zelta-Glow Sequencer/Flasher"));
    c.exitButton = bigButton(client, QStringLiteral("Exit_button"), ControlText::tr("E&xit"), 480, 200,
                             ControlText::tr("Quit the program"));
    // Alt+T, Alt+D and Alt+S also open the menu bar's "&Test", "&Download" and "&Settings"; two owners
    // would make the first press only move the focus. The menu bar keeps the letters (Test and
    // Download run the same command either way, Save has Ctrl+S); the captions keep their underline.
    for (QPushButton* button : {c.testButton, c.downloadButton, c.saveButton})
        button->setShortcut(QKeySequence());
}

void buildServoStick(QWidget* client, MainWindowControls& c) {
    auto* stick =
        place(new QScrollBar(Qt::Horizontal, client), QStringLiteral("ServoStick"), 224, 208, 209, 17);
    stick->setRange(100, 199);
    stick->setSingleStep(1);
    stick->setPageStep(10);
    stick->setValue(150);
    stick->setTracking(false); // the stick takes a thumb drag only when it ends
    // A scroll bar turns the keys and the wheel round (they scroll a page's content); a stick
    // moves the way the key points: Right and wheel up raise the value and move the thumb right.
    stick->setInvertedControls(false);
    stick->setAccessibleName(ControlText::tr("Servo stick"));
    c.servoStick = stick;
    c.pulseWidthCaption = label(client, QStringLiteral("PulseWidthlabel1"),
                                ControlText::tr("Servo Pulsewidth ="), QRect(240, 192, 105, 17));
    c.pulseWidth =
        label(client, QStringLiteral("PulseWidth"), QStringLiteral("1500"), QRect(344, 192, 33, 17));
    QPalette blue = c.pulseWidth->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    c.pulseWidth->setPalette(blue);
    c.pulseWidthUnit =
        label(client, QStringLiteral("PulseWidthlabel2"), QStringLiteral("\u00B5s"), QRect(384, 192, 25, 17));
    c.servoHint = label(client, QStringLiteral("Label2"),
                        ControlText::tr("(Use Mouse or Left + Right Arrow key to change servo position)"),
                        QRect(168, 232, 305, 17));
    setColors(c.servoHint, Qt::black, QColor(224, 224, 224));
    // The hint is a little wider than its place in today's fonts: it grows about the same centre.
    const QRect hint = c.servoHint->geometry();
    const int width =
        std::max(hint.width(), c.servoHint->fontMetrics().horizontalAdvance(c.servoHint->text()) + 8);
    c.servoHint->setGeometry(hint.center().x() + 1 - width / 2, hint.y(), width, hint.height());
    for (QWidget* widget : {static_cast<QWidget*>(stick), static_cast<QWidget*>(c.pulseWidthCaption),
                            static_cast<QWidget*>(c.pulseWidth), static_cast<QWidget*>(c.pulseWidthUnit),
                            static_cast<QWidget*>(c.servoHint)})
        widget->hide();
}

void buildDownloadDisplay(QWidget* client, MainWindowControls& c) {
    c.downloadLabel = label(client, QStringLiteral("DLlabel"),
                            ControlText::tr("Downloading to ZELTA-GLOW ..."), QRect(208, 192, 233, 49));
    sized(c.downloadLabel, 9.75, true);
    setColors(c.downloadLabel, Qt::red, QColor(192, 192, 192));
    c.downloadLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    c.downloadLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.downloadLabel->hide();

    c.progressBar = place(new QProgressBar(client), QStringLiteral("ProgressBar1"), 224, 216, 201, 17);
    c.progressBar->setRange(0, 56);
    c.progressBar->setValue(0);
    c.progressBar->setTextVisible(false);
    c.progressBar->setAccessibleName(ControlText::tr("Download progress"));
    c.progressBar->hide();
    // The line below the buttons, centred under the progress bar's place (the Settings button comes
    // back over that place): the report of a download, and what an edit left out.
    c.noteLabel = label(client, QStringLiteral("SentLabel"), QString(), QRect(16, 236, 609, 17));
    c.noteLabel->hide();

    c.variableSpeed = place(new QCheckBox(ControlText::tr("Variable Speed"), client),
                            QStringLiteral("Vspeed"), 536, 128, 97, 21);
    c.variableSpeed->hide();
}

} // namespace

void FillPopupLists(MainWindowControls& c) {
    c.colorList->addItems(translated(kColorNames));
    c.rowOptionsList->addItems(RowOptionsEntries());
    c.copyList->addItems(translated(kCopyEntries));
}

MainWindowControls BuildMainWindowControls(QWidget* client, const LedSequence& sequence) {
    MainWindowControls c;
    buildGrid(client, sequence, c);
    buildServoLists(client, c);
    buildButtons(client, c);
    buildServoStick(client, c);
    buildDownloadDisplay(client, c);
    buildPopupLists(client, c); // last, so that an open list stands above the grid
    return c;
}

// The grid is one stop, then the servo lists, then the buttons as they stand, row by row. The
// colour labels and the row buttons are reached with Ctrl+1..4 and Ctrl+Shift+1..4 instead.
void OrderTabStops(const MainWindowControls& c) {
    QWidget* previous = c.grid;
    const auto next = [&previous](QWidget* widget) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    for (QComboBox* list : c.servoLists)
        next(list);
    for (QWidget* button :
         {c.openButton, c.testButton, c.downloadButton, c.saveButton, c.settingsButton, c.exitButton})
        next(button);
}

} // namespace zg
