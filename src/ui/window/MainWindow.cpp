#include "MainWindow.h"

#include "device/QtSerialLink.h"
#include "export/FormColors.h"
#include "files/UserSettings.h"
#include "ui/common/DocumentHistory.h"
#include "ui/common/UserDialogs.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/KeepTypedText.h"
#include "ui/controls/LedLabelTips.h"
#include "ui/controls/NoteLine.h"
#include "ui/controls/PopupList.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/datafiles/NotKeptNotice.h"
#include "ui/datafiles/RecentFiles.h"
#include "ui/datafiles/UnsavedWork.h"
#include "ui/editing/FlashCommands.h"
#include "ui/editing/RangeCommands.h"
#include "ui/grid/GridWidget.h"
#include "ui/modelview/ModelCommands.h"
#include "ui/presets/PresetCommands.h"
#include "ui/settings/SettingsCommands.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/test/JoystickStick.h"
#include "ui/test/TestPlayer.h"
#include "ui/window/DigitKey.h"
#include "ui/window/DocumentDisplay.h"
#include "ui/window/DroppedFile.h"
#include "ui/window/FeatureControls.h"
#include "ui/window/MainWindowMenus.h"
#include "ui/window/SettingsButtonPlace.h"
#include "ui/window/TimingReadout.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

namespace zg {

MainWindow::MainWindow(UserDialogs& dialogs, ProgramEnd& programEnd, std::unique_ptr<SerialLink> link,
                       QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Main_LEDFlasher_form"));
    setWindowTitle(StartTitle());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(640, 255); // the design's client area
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Midlight));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    c_ = BuildMainWindowControls(client, sequence_);
    note_ = new NoteLine(*c_.noteLabel, *statusBar());
    display_ = std::make_unique<DocumentDisplay>(DisplayControls(c_, *note_), sequence_);
    sequence_.setObserver(display_.get());
    loadStartState();
    buildCommands(dialogs, programEnd, link ? std::move(link) : std::make_unique<QtSerialLink>());
    BuildMainWindowMenus({*this, *this, MenusControls(c_, *note_), *presets_, *ranges_, *flashes_, *recent_,
                          *models_, dialogs},
                         history_->stack());
    connectControls();
    buildTimingReadout();
    setFixedSize(sizeHint());
    setAcceptDrops(true);
}

MainWindow::~MainWindow() {
    sequence_.setObserver(nullptr);
}

void MainWindow::buildCommands(UserDialogs& dialogs, ProgramEnd& programEnd,
                               std::unique_ptr<SerialLink> link) {
    history_ = new DocumentHistory(sequence_, this);
    auto* settingsCommands = new SettingsCommands({*this, config_, sequence_, *history_, dialogs}, this);
    connect(settings_, &SettingsDialog::settingsChosen, settingsCommands, &SettingsCommands::apply);
    connect(history_, &DocumentHistory::speedsChanged, settings_, &SettingsDialog::selectSpeeds);
    grid_ = std::make_unique<GridEditor>(GridEditor::Lists{*c_.colorList, *c_.rowOptionsList, *c_.copyList},
                                         sequence_, *history_);
    ranges_ = new RangeCommands(*c_.grid, sequence_, *history_, *note_, this);
    player_ = new TestPlayer(TestControls(c_), sequence_, this);
    player_->setModuleSpeed(UserSettings::moduleSpeed());
    joystick_ = new JoystickStick(*c_.servoStick, this);
    connect(player_, &TestPlayer::runningChanged, joystick_, &JoystickStick::testRunning);
    const auto notice = [this](const QString& text) { statusBar()->showMessage(text, 8000); };
    connect(joystick_, &JoystickStick::notice, this, notice);
    connect(player_, &TestPlayer::notice, this, notice);
    unsaved_ = new UnsavedWork(
        sequence_, [this] { return history_->documentName().filePath; }, this);
    connect(&history_->stack(), &QUndoStack::indexChanged, unsaved_, &UnsavedWork::changed);
    auto* notKept = new NotKeptNotice(*unsaved_, dialogs, *this);
    const auto clean = [this] { unsaved_->markClean(); };
    files_ = std::make_unique<DataFileCommands>(DataFileCommands::Parts{
        *this, *c_.progressBar, sequence_, dialogs, *player_, *history_, clean, clean});
    presets_ = new PresetCommands({*this, sequence_, dialogs, *files_}, this);
    flashes_ = new FlashCommands({*this, sequence_, *history_, *c_.grid}, this);
    recent_ = new RecentFiles(*this, dialogs, *files_, this);
    models_ = new ModelCommands({*this, sequence_, dialogs, *player_, *c_.grid}, this);
    exports_ = std::make_unique<ExportCommands>(
        ExportCommands::Parts{*this, sequence_, dialogs, *history_, *player_});
    download_ = std::make_unique<Downloader>(
        Downloader::Parts{*this, DownloadControls(c_, *note_), sequence_, config_, dialogs, *player_},
        std::move(link));
    auto* settingsPlace = new SettingsButtonPlace(*c_.settingsButton);
    connect(player_, &TestPlayer::stickShown, settingsPlace, &SettingsButtonPlace::setTakenByStick);
    connect(player_, &TestPlayer::stickShown, note_, &NoteLine::setTakenByStick);
    connect(download_.get(), &Downloader::sendingChanged, settingsPlace,
            &SettingsButtonPlace::setDownloadSending);
    program_ = std::make_unique<ProgramCommands>(*this, dialogs, programEnd, *player_, *unsaved_, *notKept,
                                                 *download_);
    program_->whenEnding([this] { models_->rememberView(); });
}

// Below the client area, which keeps the design's size and places.
void MainWindow::buildTimingReadout() {
    statusBar()->setSizeGripEnabled(false);
    readout_ = new TimingReadout(sequence_, *c_.grid, *statusBar(), this);
    // The outputs go by their lights' names wherever the window names an LED for the user.
    const auto nameOf = [this](LedChannel led) { return models_->outputName(led); };
    c_.grid->nameOutputsBy(nameOf);
    readout_->nameOutputsBy(nameOf);
    const auto namesChanged = [this, nameOf] {
        SetLedLabelTips(c_.ledLabels, nameOf);
        readout_->documentChanged();
    };
    connect(models_, &ModelCommands::namesChanged, this, namesChanged);
    namesChanged(); // those of the model chosen at the last start
    display_->setOnChange([this] {
        models_->documentChanged();
        readout_->documentChanged();
        player_->followServoModes();
    });
    connect(&history_->stack(), &QUndoStack::indexChanged, readout_, &TimingReadout::documentChanged);
}

void MainWindow::connectControls() {
    connectGrid();
    // A click on an entry, also the one already selected, or Enter picks it.
    for (PopupList* list : {c_.colorList, c_.rowOptionsList, c_.copyList}) {
        connect(list, &QListWidget::itemClicked, list, &PopupList::close);
        connect(list, &QListWidget::itemActivated, list, &PopupList::close);
    }
    for (LedChannel row = 0; row < kLedCount; ++row) {
        connect(c_.ledLabels[row], &ClickableLabel::clicked, this, [this, row] { chooseLedColor(row); });
        connect(c_.rowOptionsButtons[row], &QPushButton::clicked, this, [this, row] { showRowOptions(row); });
        QComboBox* list = c_.servoLists[row];
        connect(list, &QComboBox::activated, this,
                [this, row](int index) { grid_->setServoMode(row, index); });
        if (list->lineEdit())
            connectTypedServoText(row, list);
    }
    connect(c_.exitButton, &QPushButton::clicked, this, &MainWindow::exitFromButton);
    for (QPushButton* button : centralWidget()->findChildren<QPushButton*>())
        connect(button, &QPushButton::pressed, note_, &NoteLine::hide); // before its click
    OrderTabStops(c_);
}

// Typed text leaves the LED without a mode and stays in the box as typed, also when it spells an
// entry: the document's change is not echoed back into the box the user is typing in.
void MainWindow::connectTypedServoText(LedChannel row, QComboBox* list) {
    KeepTypedText(*list);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, row] {
        display_->setTypingInServoList(row);
        grid_->setServoMode(row, -1);
        display_->setTypingInServoList(std::nullopt);
    });
}

// The grid reports what the mouse and the keys do; the grid editor changes the document.
void MainWindow::connectGrid() {
    GridWidget* grid = c_.grid;
    connect(grid, &GridWidget::pressed, this, [this](GridCell cell) { grid_->startGesture(cell.event); });
    connect(grid, &GridWidget::entered, this,
            [this](GridCell cell) { grid_->paintOver(cell.row, cell.event); });
    connect(grid, &GridWidget::released, this,
            [this](GridCell cell) { grid_->fillToRelease(cell.row, cell.event); });
    connect(grid, &GridWidget::gestureEnded, this, [this] { grid_->endGesture(); });
    for (auto signal : {&GridWidget::clicked, &GridWidget::spacePressed})
        connect(grid, signal, this, [this](GridCell cell) { grid_->toggle(cell.row, cell.event); });
    connect(grid, &GridWidget::endMarkChosen, this, [this](EventIndex e) { grid_->moveEndMark(e); });
}

void MainWindow::loadStartState() {
    config_ = UserSettings::startConfig();
    settings_ = new SettingsDialog(config_, sequence_, dialogs_, this);
    settings_->hide();
    for (LedChannel led = 0; led < kLedCount; ++led)
        sequence_.setLedColor(led, kWhite);
    FillPopupLists(c_);
    for (QComboBox* list : c_.servoLists) {
        for (const auto& mode : ServoModeTable)
            list->addItem(QString::fromLatin1(mode.data(), qsizetype(mode.size())));
    }
    sequence_.setEndEvent(kLastEvent);
    display_->showAll();
}

bool MainWindow::testRunning() const {
    return player_->running();
}

bool MainWindow::testActive() const {
    return player_->active();
}

bool MainWindow::downloading() const {
    return download_->busy();
}

int MainWindow::servoZoneMask() const {
    return player_->servoZoneMask();
}

void MainWindow::stopTest() {
    player_->stopTest();
}

void MainWindow::undo() {
    c_.grid->endGesture();
    history_->stack().undo();
}

void MainWindow::redo() {
    c_.grid->endGesture();
    history_->stack().redo();
}

void MainWindow::toggleTest() {
    player_->toggle();
}

bool MainWindow::offerUnsavedWork(const std::optional<QString>& fileNamed) {
    presets_->moveEarlierOnes(); // an earlier version's copies are offered with the others
    return files_->offerUnsavedWork(*unsaved_, fileNamed);
}

// While the dialog reads the joystick, no test does.
void MainWindow::showStickInput() {
    player_->stopTest();
    joystick_->openDialog(this);
}

void MainWindow::playAtModuleSpeed(bool on) {
    player_->setModuleSpeed(on);
    UserSettings::setModuleSpeed(on);
}

void MainWindow::showSettings() {
    player_->stopTest();
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

// A file dropped on the window opens as Open opens it, also during a download: that one goes on
// sending the pattern the user confirmed.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFile(*event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const auto file = DroppedFile(*event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended, so that the source is not kept waiting by a message box.
    QTimer::singleShot(0, this, [this, path = *file] { openFromOutside(path); });
}

// Ctrl+Shift+1..4 on a layout whose shifted digits are no symbol the shortcuts know.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (const auto led = LedOfDigitKey(event->key(), event->nativeScanCode(), event->nativeVirtualKey(),
                                           QGuiApplication::platformName())) {
            showRowOptions(*led);
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(program_->closeAsked());
}

} // namespace zg
