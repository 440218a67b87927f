#include "Main_LEDFlasher_form.h"

#include "ClickableLabel.h"
#include "FileCommandTexts.h"
#include "LedIndicator.h"
#include "PopupList.h"
#include "Settings_form.h"
#include "ShellTexts.h"
#include "TypedText.h"
#include "UserDialogs.h"
#include "device/DownloadFrame.h"
#include "device/DownloadMessages.h"
#include "device/DownloadSender.h"
#include "device/LineSettings.h"
#include "device/QtSerialLink.h"
#include "files/ApplyRecord.h"
#include "files/ConfigFile.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/RowOperations.h"
#include "playback/ServoZone.h"
#include "playback/TestStep.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <filesystem>

namespace zg {

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 255;

const QStringList kRowOptionsEntries{
    QStringLiteral("Clear All"),    QStringLiteral("Mark All"),   QStringLiteral("Toggle All"),
    QStringLiteral("Copy from..."), QStringLiteral("Copy to..."), QStringLiteral("Skip 1..."),
    QStringLiteral("Skip 2..."),    QStringLiteral("Skip 3..."),  QString(),
    QStringLiteral("Cancel")};

const QStringList kCopyEntries{QStringLiteral("LED #1"),
                               QStringLiteral("LED #2"),
                               QStringLiteral("LED #3"),
                               QStringLiteral("LED #4"),
                               QString(),
                               QString(),
                               QString(),
                               QString(),
                               QString(),
                               QStringLiteral("Cancel")};

constexpr std::uint32_t kPlayingEventColor = 0x808080;

const QString kDownloadTitle =
    QStringLiteral("Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...");
const QString kDownloadText =
    QStringLiteral("\r 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then\r\r"
                   " 2)  Wait till all LEDS come on and stay on, then\r\r"
                   " 3)  With all LEDs lit, Press 'OK' to download to Zelta-Glow...");

// The normal background of a time-axis label: the system's button face.
QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}

// A colour value as the program keeps it, 0x00BBGGRR.
QColor ColorOf(std::uint32_t bgr) {
    return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
}

} // namespace

Main_LEDFlasher_form::Main_LEDFlasher_form(UserDialogs& dialogs, ProgramEnd& programEnd,
                                           std::unique_ptr<SerialLink> link, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), programEnd_(programEnd),
      MSComm1(link ? std::move(link) : std::make_unique<QtSerialLink>()) {
    setObjectName(QStringLiteral("Main_LEDFlasher_form"));
    setWindowTitle(kStartTitle);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Midlight));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    c_ = BuildMainFormControls(client);
    buildMenus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);

    sequence_.setObserver(this);
    connectControls();
    Form_Load();
    setFixedSize(sizeHint());
}

Main_LEDFlasher_form::~Main_LEDFlasher_form() {
    sequence_.setObserver(nullptr);
}

void Main_LEDFlasher_form::buildMenus() {
    const auto action = [this](QWidget* menu, const char* name, const QString& caption, auto handler) {
        auto* item = new QAction(caption, menu);
        item->setObjectName(QLatin1String(name));
        menu->addAction(item);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    QMenuBar* bar = menuBar();
    auto* file = new QMenu(QStringLiteral("&File"), bar);
    file->setObjectName(QStringLiteral("MENUfile"));
    bar->addMenu(file);
    action(file, "MENUnew", QStringLiteral("&New/Clear"), &Main_LEDFlasher_form::MENUnew_Click);
    action(file, "MENUopen", QStringLiteral("&Open..."), &Main_LEDFlasher_form::MENUopen_Click);
    action(file, "MENUmerge", QStringLiteral("&Merge"), &Main_LEDFlasher_form::MENUmerge_Click);
    action(file, "MENUsave", QStringLiteral("&Save..."), &Main_LEDFlasher_form::MENUsave_Click)
        ->setShortcut(QKeySequence::Save);
    action(file, "MENUexit", QStringLiteral("E&xit"), &Main_LEDFlasher_form::MENUexit_Click);
    action(bar, "MENUtest", QStringLiteral("&Test"), &Main_LEDFlasher_form::MENUtest_Click);
    action(bar, "MENUdownload", QStringLiteral("&Download"), &Main_LEDFlasher_form::MENUdownload_Click);
    action(bar, "MENUsettings", QStringLiteral("&Settings"), &Main_LEDFlasher_form::MENUsettings_Click);
    auto* help = new QMenu(QStringLiteral("&Help"), bar);
    help->setObjectName(QStringLiteral("MENUhelp"));
    bar->addMenu(help);
    action(help, "MENUabout", QStringLiteral("&About"), &Main_LEDFlasher_form::MENUabout_Click);
    action(help, "MENUhowto", QStringLiteral("H&ow to ..."), &Main_LEDFlasher_form::MENUhowto_Click);
}

void Main_LEDFlasher_form::connectControls() {
    connectGrid();
    connect(c_.ColorList, &QListWidget::itemClicked, this, &Main_LEDFlasher_form::ColorList_Click);
    connect(c_.RowOptionsList, &QListWidget::itemClicked, this, &Main_LEDFlasher_form::RowOptionsList_Click);
    connect(c_.CopyList, &QListWidget::itemClicked, this, &Main_LEDFlasher_form::CopyList_Click);
    connect(c_.ColorList, &QListWidget::itemActivated, this, &Main_LEDFlasher_form::ColorList_Click);
    connect(c_.RowOptionsList, &QListWidget::itemActivated, this,
            &Main_LEDFlasher_form::RowOptionsList_Click);
    connect(c_.CopyList, &QListWidget::itemActivated, this, &Main_LEDFlasher_form::CopyList_Click);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        connect(c_.LEDlabel1[row], &ClickableLabel::clicked, this, [this, row] { LEDlabel1_Click(row); });
        connect(c_.RowOptions[row], &QPushButton::clicked, this, [this, row] { RowOptions_Click(row); });
        QComboBox* list = c_.ServoControl[row];
        connect(list, &QComboBox::activated, this,
                [this, row](int index) { sequence_.setServoMode(row, index); });
        if (list->lineEdit())
            connectTypedServoText(row, list);
    }
    for (EventIndex e = 0; e < kEventCount; ++e)
        connect(c_.TimeAxis[e], &ClickableLabel::doubleClicked, this, [this, e] { TimeAxis_DblClick(e); });
    connect(c_.OpenButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::OpenButton_Click);
    connect(c_.SaveButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::SaveButton_Click);
    connect(c_.TestButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::TestButton_Click);
    connect(c_.Settings_button, &QPushButton::clicked, this, &Main_LEDFlasher_form::Settings_button_Click);
    connect(c_.DownloadButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::DownloadButton_Click);
    connect(c_.Exit_button, &QPushButton::clicked, this, &Main_LEDFlasher_form::Exit_button_Click);
    connect(c_.ServoStick, &QScrollBar::valueChanged, this, &Main_LEDFlasher_form::ServoStick_Change);
    connect(Timer1, &QTimer::timeout, this, &Main_LEDFlasher_form::Timer1_Timer);
}

// Typed text leaves the LED without a mode and stays in the box as typed, also when it spells an
// entry: the document's change is not echoed back into the box the user is typing in.
void Main_LEDFlasher_form::connectTypedServoText(LedChannel row, QComboBox* list) {
    KeepTypedText(*list);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, row] {
        typingInServoList_ = row;
        sequence_.setServoMode(row, -1);
        typingInServoList_.reset();
    });
}

void Main_LEDFlasher_form::connectGrid() {
    for (LedChannel row = 0; row < kLedCount; ++row) {
        for (EventIndex e = 0; e < kEventCount; ++e) {
            QCheckBox* cell = c_.iSwitchLedX[row][e];
            cell->installEventFilter(this);
            connect(cell, &QCheckBox::clicked, this, [this, row, e] { iSwitchLedX_Click(row, e); });
        }
    }
}

void Main_LEDFlasher_form::Form_Load() {
    config_ = LoadConfig();
    settings_ = new Settings_form(config_, dialogs_, this);
    settings_->hide();
    for (LedChannel led = 0; led < kLedCount; ++led)
        sequence_.setLedColor(led, kWhite);
    for (const auto& entry : LedColorTable)
        c_.ColorList->addItem(QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size())));
    c_.RowOptionsList->addItems(kRowOptionsEntries);
    c_.CopyList->addItems(kCopyEntries);
    for (QComboBox* list : c_.ServoControl) {
        for (const auto& mode : ServoModeTable)
            list->addItem(QString::fromLatin1(mode.data(), qsizetype(mode.size())));
    }
    sequence_.setEndEvent(kLastEvent);
    showDocument();
}

// Brings every control in line with the document at start; later changes arrive one by one.
void Main_LEDFlasher_form::showDocument() {
    for (LedChannel row = 0; row < kLedCount; ++row) {
        for (EventIndex e = 0; e < kEventCount; ++e)
            c_.iSwitchLedX[row][e]->setChecked(sequence_.cell(row, e) != 0);
        setLabelColor(row);
        servoModeChanged(row, sequence_.servoMode(row));
    }
    for (EventIndex e = 0; e < kEventCount; ++e) {
        c_.mem[e]->setText(QString::fromStdString(sequence_.eventValueText(e)));
        setTimeAxisLook(e);
        c_.TimeAxis[e]->setBackground(buttonFace());
    }
}

void Main_LEDFlasher_form::setTimeAxisLook(EventIndex e) {
    const bool marked = e == sequence_.endEvent();
    ClickableLabel* axis = c_.TimeAxis[e];
    QFont font = axis->font();
    font.setPointSizeF(marked ? 8 : 6);
    axis->setFont(font);
    QPalette palette = axis->palette();
    palette.setColor(QPalette::WindowText, marked ? ColorOf(0x0000FF) : QColor(Qt::black));
    axis->setPalette(palette);
}

void Main_LEDFlasher_form::setLabelColor(LedChannel led) {
    QPalette palette = c_.LEDlabel1[led]->palette();
    palette.setColor(QPalette::WindowText, ColorOf(LedColorTable[sequence_.ledColor(led)].value));
    c_.LEDlabel1[led]->setPalette(palette);
}

// --- the document's changes, shown at once ---

void Main_LEDFlasher_form::cellChanged(LedChannel row, EventIndex e, int state) {
    c_.iSwitchLedX[row][e]->setChecked(state != 0);
}

void Main_LEDFlasher_form::eventValueChanged(EventIndex e, const std::string& text) {
    c_.mem[e]->setText(QString::fromStdString(text));
}

void Main_LEDFlasher_form::endEventChanged(EventIndex previous, EventIndex current) {
    setTimeAxisLook(previous);
    setTimeAxisLook(current);
}

void Main_LEDFlasher_form::ledColorChanged(int slot, LedColor) {
    if (slot < kLedCount)
        setLabelColor(slot);
}

void Main_LEDFlasher_form::servoModeChanged(LedChannel row, ServoControlMode mode) {
    if (row == typingInServoList_)
        return;
    QComboBox* list = c_.ServoControl[row];
    const QSignalBlocker blocker(list);
    // Typed text already leaves the list without an entry; keep what the user typed.
    if (mode < 0 && list->isEditable() && list->findText(list->currentText(), Qt::MatchExactly) < 0)
        return;
    list->setCurrentIndex(mode);
}

// --- grid editing ---

bool Main_LEDFlasher_form::eventFilter(QObject* watched, QEvent* event) {
    auto type = event->type();
    // A quick second press arrives as a double-click, also on the neighbouring cell: it is a press.
    if (type == QEvent::MouseButtonDblClick)
        type = QEvent::MouseButtonPress;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto cell = cellAt(mouse->globalPosition().toPoint());
    if (type == QEvent::MouseButtonPress) {
        if (cell)
            iSwitchLedX_MouseDown(cell->first, cell->second);
    } else if (type == QEvent::MouseMove) {
        if (cell && mouse->buttons() != Qt::NoButton && DragStart)
            iSwitchLedX_DragOver(cell->first, cell->second);
    } else if (cell && DragStart) {
        iSwitchLedX_MouseUp(cell->first, cell->second);
    }
    return false; // the cell still behaves as a check box
}

std::optional<std::pair<LedChannel, EventIndex>> Main_LEDFlasher_form::cellAt(const QPoint& globalPos) const {
    const QPoint pos = centralWidget()->mapFromGlobal(globalPos);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        const QRect rowRect = c_.iSwitchLedX[row][0]->geometry();
        if (pos.y() < rowRect.top() || pos.y() > rowRect.bottom())
            continue;
        for (EventIndex e = 0; e < kEventCount; ++e) {
            if (c_.iSwitchLedX[row][e]->geometry().contains(pos))
                return std::pair{row, e};
        }
    }
    return std::nullopt;
}

void Main_LEDFlasher_form::iSwitchLedX_Click(LedChannel row, EventIndex e) {
    sequence_.setCell(row, e, c_.iSwitchLedX[row][e]->isChecked() ? 1 : 0);
}

void Main_LEDFlasher_form::iSwitchLedX_MouseDown(LedChannel, EventIndex e) {
    DragStart = e;
}

void Main_LEDFlasher_form::iSwitchLedX_DragOver(LedChannel row, EventIndex e) {
    sequence_.setCell(row, e, sequence_.cell(row, *DragStart));
}

void Main_LEDFlasher_form::iSwitchLedX_MouseUp(LedChannel row, EventIndex e) {
    const int state = sequence_.cell(row, *DragStart);
    for (EventIndex i = *DragStart + 1; i <= e; ++i)
        sequence_.setCell(row, i, state);
}

void Main_LEDFlasher_form::LEDlabel1_Click(LedChannel led) {
    const int picked = ChooseFromList(*c_.ColorList, sequence_.ledColor(led));
    sequence_.setLedColor(led, picked); // the label takes the colour as the document reports it
}

void Main_LEDFlasher_form::ColorList_Click() {
    c_.ColorList->close();
}
void Main_LEDFlasher_form::RowOptionsList_Click() {
    c_.RowOptionsList->close();
}
void Main_LEDFlasher_form::CopyList_Click() {
    c_.CopyList->close();
}

void Main_LEDFlasher_form::TimeAxis_DblClick(EventIndex e) {
    sequence_.setEndEvent(e);
}

void Main_LEDFlasher_form::RowOptions_Click(LedChannel row) {
    const int operation = ChooseFromList(*c_.RowOptionsList, int(RowOperation::ClearAll));
    const int other = NeedsOtherLed(operation) ? ChooseFromList(*c_.CopyList) : -1;
    ApplyRowOperation(sequence_, row, operation, other);
}

void Main_LEDFlasher_form::MENUnew_Click() {
    dialogFileTitle_.clear();
    setWindowTitle(kPlainTitle);
    sequence_.resetSequence();
}

// --- on-screen test ---

void Main_LEDFlasher_form::MENUtest_Click() {
    const bool servoControlled = IsServoControlled(sequence_);
    if (servoControlled) {
        showServoStick(true);
        c_.Settings_button->hide();
        c_.ServoStick->setFocus();
    }
    if (TestRunning) {
        StopTest();
        return;
    }
    TestRunning = true;
    c_.TestButton->setText(QStringLiteral("Stop Test"));
    Timer1->setInterval(StepIntervalMs(config_.TestSpeed));
    ServoZoneMask = ServoZoneMaskOf(c_.ServoStick->value());
    while (true) {
        const EventIndex last = sequence_.endEvent();
        for (EventIndex i = 0; i <= last; ++i) {
            if (!playEvent(i))
                return;
        }
    }
}

// Plays one event; false once the test has been stopped and the playback has wound down.
bool Main_LEDFlasher_form::playEvent(EventIndex i) {
    QCoreApplication::processEvents();
    if (!TestRunning) {
        windDown();
        return false;
    }
    ClickableLabel* axis = c_.TimeAxis[i];
    axis->setBackground(ColorOf(kPlayingEventColor));
    const auto colors = IndicatorColors(sequence_, i, ServoZoneMask);
    for (LedChannel led = 0; led < kLedCount; ++led)
        c_.LED[led]->setFillColor(ColorOf(colors[led]));
    waitForStep();
    axis->setBackground(buttonFace());
    return true;
}

void Main_LEDFlasher_form::waitForStep() {
    StepPending = true;
    // Each event stays on screen for the whole step, counted from the moment it is shown: a step
    // that came late (a message box held the window) is never made up for by a shorter one.
    Timer1->start();
    QEventLoop loop;
    connect(this, &Main_LEDFlasher_form::stepElapsed, &loop, &QEventLoop::quit);
    while (StepPending)
        loop.exec();
}

void Main_LEDFlasher_form::Timer1_Timer() {
    StepPending = false;
    Timer1->stop();
    emit stepElapsed();
}

void Main_LEDFlasher_form::windDown() {
    for (LedIndicator* led : c_.LED)
        led->setFillColor(Qt::black);
    c_.Settings_button->show();
}

void Main_LEDFlasher_form::StopTest() {
    showServoStick(false);
    TestRunning = false;
    c_.TestButton->setText(QStringLiteral("Test"));
}

void Main_LEDFlasher_form::showServoStick(bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(c_.ServoStick), static_cast<QWidget*>(c_.PulseWidthlabel1),
                            static_cast<QWidget*>(c_.Label2), static_cast<QWidget*>(c_.PulseWidth),
                            static_cast<QWidget*>(c_.PulseWidthlabel2)})
        widget->setVisible(shown);
}

void Main_LEDFlasher_form::ServoStick_Change() {
    QCoreApplication::processEvents();
    const int value = c_.ServoStick->value();
    c_.PulseWidth->setText(QString::number(PulseWidthOf(value)));
    ServoZoneMask = ServoZoneMaskOf(value);
}

// --- data files ---

std::optional<ChosenFile> Main_LEDFlasher_form::chooseFile(bool save, const QString& title,
                                                           const QString& name) {
    const FileDialogRequest request{title, kDataFileFilter, name};
    const auto path =
        save ? dialogs_.getSaveFileName(this, request) : dialogs_.getOpenFileName(this, request);
    if (!path)
        return std::nullopt;
    const QFileInfo info(*path);
    dialogFileTitle_ = info.fileName();
    // Later relative names (LED.cfg among them) resolve in the folder of the file chosen.
    QDir::setCurrent(info.absolutePath());
    return ChosenFile{info.absoluteFilePath(), info.fileName()};
}

void Main_LEDFlasher_form::showFileCaption(const QString& fileTitle) {
    setWindowTitle(kPlainTitle + QStringLiteral(" - ") + fileTitle);
}

void Main_LEDFlasher_form::exclaim(const QString& text) {
    dialogs_.showMessage(this, {kAppTitle, text, MessageButtons::Ok, MessageIcon::Exclamation});
}

void Main_LEDFlasher_form::MENUsave_Click() {
    if (TestRunning)
        StopTest();
    std::optional<ChosenFile> file;
    while (true) {
        file = chooseFile(true, kSaveTitle, dialogFileTitle_);
        if (!file)
            return;
        std::error_code error;
        const bool exists = std::filesystem::exists(QFileInfo(file->path).filesystemFilePath(), error);
        if (error) {
            exclaim(QString::fromStdString(error.message()));
            return;
        }
        if (!exists)
            break;
        const auto answer = dialogs_.showMessage(this, {kAppTitle, ReplaceQuestion(file->path),
                                                        MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageAnswer::Yes)
            break;
        if (answer == MessageAnswer::No)
            return;
    }
    writeDataFile(*file);
}

// The old file is replaced only once the new one is complete, and the caption names the file only
// when it really holds the sequence.
void Main_LEDFlasher_form::writeDataFile(const ChosenFile& file) {
    c_.ProgressBar1->setValue(0);
    c_.ProgressBar1->show();
    const auto error =
        WriteDataFile(QFileInfo(file.path).filesystemFilePath(), MakeDataFileRecord(sequence_, config_),
                      [this](int count) { c_.ProgressBar1->setValue(count); });
    c_.ProgressBar1->hide();
    if (error) {
        exclaim(SaveFailedMessage(file.path, QString::fromStdString(*error)));
        return;
    }
    showFileCaption(file.title);
}

void Main_LEDFlasher_form::MENUopen_Click() {
    if (TestRunning)
        StopTest();
    if (const auto file = chooseFile(false, kOpenTitle, QString()))
        applyDataFile(*file, OpenRecord);
}

void Main_LEDFlasher_form::MENUmerge_Click() {
    if (const auto file = chooseFile(false, kMergeTitle, QString()))
        applyDataFile(*file, MergeRecord);
}

// Reads the file and lays it onto the document. A file that cannot be read changes nothing; one
// that is damaged is applied field by field, and the user learns which lines were left out.
void Main_LEDFlasher_form::applyDataFile(const ChosenFile& file, ApplyRecordFn apply) {
    c_.ProgressBar1->setValue(0);
    c_.ProgressBar1->show();
    const DataFileReadResult read = ReadDataFile(QFileInfo(file.path).filesystemFilePath(),
                                                 [this](int count) { c_.ProgressBar1->setValue(count); });
    if (!read.Opened) {
        c_.ProgressBar1->hide();
        exclaim(OpenFailedMessage(file.path, QString::fromStdString(read.Reason)));
        return;
    }
    showFileCaption(file.title);
    const AppliedSpeeds speeds = apply(read.Record, sequence_, config_);
    if (speeds.SequencerDelay)
        settings_->selectSequencerDelay(config_.SequencerDelay);
    if (speeds.TestSpeed)
        settings_->selectTestSpeed(config_.TestSpeed);
    c_.ProgressBar1->hide();
    if (const auto lines = UnreadableLines(read.Record); !lines.empty())
        exclaim(DamagedFileMessage(file.title, lines));
}

// --- commands built in later steps ---

// --- download ---

void Main_LEDFlasher_form::MENUdownload_Click() {
    if (downloading_)
        return; // the menu stays usable while a download runs; the second one does nothing
    downloading_ = true;
    enableFiveButtons(false);
    if (TestRunning)
        StopTest();
    if (openPortAndConfirm())
        sendSequence();
    endDownload();
}

void Main_LEDFlasher_form::enableFiveButtons(bool enabled) {
    for (QPushButton* button :
         {c_.TestButton, c_.Settings_button, c_.DownloadButton, c_.OpenButton, c_.SaveButton})
        button->setEnabled(enabled);
}

// Opens the port before asking, so that the user learns of a missing cable before preparing the
// module. True when the port is open and the user confirmed.
bool Main_LEDFlasher_form::openPortAndConfirm() {
    if (MSComm1->IsOpen())
        MSComm1->Close();
    if (!MSComm1->Open(config_.CommPort, kDownloadLineSettings)) {
        exclaim(QString::fromStdString(OpenFailureMessage(config_.CommPort, MSComm1->LastError())));
        return false;
    }
    const MessageRequest confirmation{kDownloadTitle, kDownloadText, MessageButtons::OkCancel,
                                      MessageIcon::Exclamation};
    return dialogs_.showMessage(this, confirmation) == MessageAnswer::Ok;
}

void Main_LEDFlasher_form::sendSequence() {
    c_.Settings_button->hide();
    DownloadCallbacks callbacks;
    callbacks.valueAt = DownloadFrame::LiveValues(sequence_, config_);
    callbacks.markerSent = [this] {
        c_.ProgressBar1->setValue(0);
        c_.ProgressBar1->show();
        c_.DLlabel->show();
        // The half-second pause handles no window events: show the progress display first.
        c_.ProgressBar1->repaint();
        c_.DLlabel->repaint();
    };
    callbacks.itemSent = [this](int item) { c_.ProgressBar1->setValue(item); };
    DownloadSender sender(*MSComm1);
    const DownloadResult result = sender.Send(callbacks);
    c_.ProgressBar1->hide();
    c_.DLlabel->hide();
    if (!result.completed()) {
        MSComm1->Close(); // a failed port is released before the message waits for the user
        exclaim(QString::fromStdString(TransferFailureMessage(result)));
    }
}

// Back to Idle, however the download ended: port closed, buttons enabled, settings shown.
void Main_LEDFlasher_form::endDownload() {
    MSComm1->Close();
    enableFiveButtons(true);
    c_.Settings_button->show();
    downloading_ = false;
}

void Main_LEDFlasher_form::MENUsettings_Click() {
    if (TestRunning)
        StopTest();
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

// --- shell ---

void Main_LEDFlasher_form::MENUabout_Click() {
    dialogs_.showMessage(this, {kAppTitle, AboutText()});
}

void Main_LEDFlasher_form::MENUhowto_Click() {
    dialogs_.showMessage(this, {kAppTitle, kHowToText});
    dialogs_.openWebAddress(kManualAddress);
}

void Main_LEDFlasher_form::MENUexit_Click() {
    if (dialogs_.showMessage(this, {kAppTitle, ExitQuestion(), MessageButtons::OkCancel}) ==
        MessageAnswer::Ok)
        programEnd_.endNow();
}

void Main_LEDFlasher_form::Exit_button_Click() {
    if (TestRunning)
        StopTest();
    MENUexit_Click();
}

void Main_LEDFlasher_form::Form_Unload() {
    programEnd_.endNow();
}

void Main_LEDFlasher_form::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace zg
