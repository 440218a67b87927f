#include "Main_LEDFlasher_form.h"

#include "ClickableLabel.h"
#include "DigitKey.h"
#include "DocumentHistory.h"
#include "FileCommandTexts.h"
#include "FormColors.h"
#include "GridWidget.h"
#include "MainFormMenus.h"
#include "PopupList.h"
#include "Settings_form.h"
#include "TestPlayer.h"
#include "TypedText.h"
#include "UnsavedWork.h"
#include "UserDialogs.h"
#include "device/QtSerialLink.h"
#include "files/ConfigFile.h"
#include "files/DataFileReader.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

namespace zg {

namespace {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 255;

} // namespace

Main_LEDFlasher_form::Main_LEDFlasher_form(UserDialogs& dialogs, ProgramEnd& programEnd,
                                           std::unique_ptr<SerialLink> link, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
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
    c_ = BuildMainFormControls(client, sequence_);

    sequence_.setObserver(this);
    Form_Load();
    buildCommands(dialogs, programEnd, link ? std::move(link) : std::make_unique<QtSerialLink>());
    BuildMainFormMenus(*this, history_->stack());
    connectControls();
    setFixedSize(sizeHint());
    setAcceptDrops(true);
}

Main_LEDFlasher_form::~Main_LEDFlasher_form() {
    sequence_.setObserver(nullptr);
}

void Main_LEDFlasher_form::buildCommands(UserDialogs& dialogs, ProgramEnd& programEnd,
                                         std::unique_ptr<SerialLink> link) {
    history_ = new DocumentHistory(sequence_, config_, this);
    settings_->setHistory(history_);
    connect(history_, &DocumentHistory::speedsRestored, settings_, &Settings_form::selectSpeeds);
    grid_ = std::make_unique<GridEditor>(c_, sequence_, *history_);
    player_ = new TestPlayer(c_, sequence_, config_, this);
    unsaved_ = new UnsavedWork(sequence_, config_, this);
    connect(&history_->stack(), &QUndoStack::indexChanged, unsaved_, &UnsavedWork::changed);
    const auto clean = [this] { unsaved_->markClean(); };
    files_ = std::make_unique<DataFileCommands>(DataFileCommands::Parts{
        *this, c_, sequence_, config_, dialogs, *player_, *settings_, *history_, clean, clean});
    download_ = std::make_unique<Downloader>(
        Downloader::Parts{*this, c_, sequence_, config_, dialogs, *player_}, std::move(link));
    shell_ = std::make_unique<ShellCommands>(*this, dialogs, programEnd, *player_, *unsaved_);
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
                [this, row](int index) { ServoControl_Change(row, index); });
        if (list->lineEdit())
            connectTypedServoText(row, list);
    }
    connect(c_.OpenButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::OpenButton_Click);
    connect(c_.SaveButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::SaveButton_Click);
    connect(c_.TestButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::TestButton_Click);
    connect(c_.Settings_button, &QPushButton::clicked, this, &Main_LEDFlasher_form::Settings_button_Click);
    connect(c_.DownloadButton, &QPushButton::clicked, this, &Main_LEDFlasher_form::DownloadButton_Click);
    connect(c_.Exit_button, &QPushButton::clicked, this, &Main_LEDFlasher_form::Exit_button_Click);
    for (QPushButton* button : centralWidget()->findChildren<QPushButton*>())
        connect(button, &QPushButton::pressed, c_.SentLabel, &QWidget::hide); // before its click
    connect(c_.ServoStick, &QScrollBar::valueChanged, this, &Main_LEDFlasher_form::ServoStick_Change);
    // Queued: whoever else listens to the tick still sees the step that has just had its time.
    connect(player_->timer(), &QTimer::timeout, this, &Main_LEDFlasher_form::Timer1_Timer,
            Qt::QueuedConnection);
    OrderTabStops(c_);
}

// Typed text leaves the LED without a mode and stays in the box as typed, also when it spells an
// entry: the document's change is not echoed back into the box the user is typing in.
void Main_LEDFlasher_form::connectTypedServoText(LedChannel row, QComboBox* list) {
    KeepTypedText(*list);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, row] {
        typingInServoList_ = row;
        ServoControl_Change(row, -1);
        typingInServoList_.reset();
    });
}

// A pick from a servo list, or typed text (-1): that LED's mode and nothing else.
void Main_LEDFlasher_form::ServoControl_Change(LedChannel row, ServoControlMode mode) {
    history_->record(QStringLiteral("Servo Mode"), [&] { sequence_.setServoMode(row, mode); });
}

// The grid reports what the mouse and the keys do; the grid editor changes the document.
void Main_LEDFlasher_form::connectGrid() {
    GridWidget* grid = c_.Grid;
    connect(grid, &GridWidget::pressed, this, [this](GridCell cell) { grid_->MouseDown(cell.event); });
    connect(grid, &GridWidget::entered, this,
            [this](GridCell cell) { grid_->DragOver(cell.row, cell.event); });
    connect(grid, &GridWidget::released, this,
            [this](GridCell cell) { grid_->MouseUp(cell.row, cell.event); });
    connect(grid, &GridWidget::gestureEnded, this, [this] { grid_->EndGesture(); });
    for (auto signal : {&GridWidget::clicked, &GridWidget::spacePressed})
        connect(grid, signal, this, [this](GridCell cell) { grid_->Toggle(cell.row, cell.event); });
    connect(grid, &GridWidget::endMarkChosen, this, [this](EventIndex e) { grid_->MoveEndMark(e); });
}

void Main_LEDFlasher_form::Form_Load() {
    config_ = LoadConfig();
    settings_ = new Settings_form(config_, dialogs_, this);
    settings_->hide();
    for (LedChannel led = 0; led < kLedCount; ++led)
        sequence_.setLedColor(led, kWhite);
    FillPopupLists(c_);
    for (QComboBox* list : c_.ServoControl) {
        for (const auto& mode : ServoModeTable)
            list->addItem(QString::fromLatin1(mode.data(), qsizetype(mode.size())));
    }
    sequence_.setEndEvent(kLastEvent);
    showDocument();
}

// Brings the controls beside the grid in line with the document at start; the grid draws it.
void Main_LEDFlasher_form::showDocument() {
    for (LedChannel row = 0; row < kLedCount; ++row) {
        setLabelColor(row);
        servoModeChanged(row, sequence_.servoMode(row));
    }
    c_.Grid->update();
}

void Main_LEDFlasher_form::setLabelColor(LedChannel led) {
    QPalette palette = c_.LEDlabel1[led]->palette();
    palette.setColor(QPalette::WindowText, ColorOf(LedColorTable[sequence_.ledColor(led)].value));
    c_.LEDlabel1[led]->setPalette(palette);
}

// --- the document's changes, shown at once ---

void Main_LEDFlasher_form::cellChanged(LedChannel row, EventIndex e, int) {
    c_.SentLabel->hide();
    c_.Grid->showCell(row, e);
}

void Main_LEDFlasher_form::eventValueChanged(EventIndex, const std::string&) {
    c_.SentLabel->hide();
}

void Main_LEDFlasher_form::endEventChanged(EventIndex previous, EventIndex current) {
    c_.SentLabel->hide();
    c_.Grid->showEvent(previous);
    c_.Grid->showEvent(current);
}

void Main_LEDFlasher_form::ledColorChanged(int slot, LedColor) {
    c_.SentLabel->hide();
    if (slot < kLedCount)
        setLabelColor(slot);
}

void Main_LEDFlasher_form::servoModeChanged(LedChannel row, ServoControlMode mode) {
    c_.SentLabel->hide();
    if (row == typingInServoList_)
        return;
    QComboBox* list = c_.ServoControl[row];
    const QSignalBlocker blocker(list);
    // Typed text already leaves the list without an entry; keep what the user typed.
    if (mode < 0 && list->isEditable() && list->findText(list->currentText(), Qt::MatchExactly) < 0)
        return;
    list->setCurrentIndex(mode);
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

bool Main_LEDFlasher_form::testRunning() const {
    return player_->Running();
}

bool Main_LEDFlasher_form::testActive() const {
    return player_->Active();
}

bool Main_LEDFlasher_form::downloading() const {
    return download_->Busy();
}

int Main_LEDFlasher_form::servoZoneMask() const {
    return player_->ServoZoneMask();
}

void Main_LEDFlasher_form::StopTest() {
    player_->StopTest();
}

void Main_LEDFlasher_form::MENUtest_Click() {
    player_->Toggle();
}

void Main_LEDFlasher_form::Timer1_Timer() {
    player_->Timer1_Timer();
}

void Main_LEDFlasher_form::ServoStick_Change() {
    player_->ServoStick_Change();
}

// Work left unsaved by the last run comes back only when the user wants it.
void Main_LEDFlasher_form::OfferUnsavedWork() {
    const auto leftAt = unsaved_->leftBehind();
    if (!leftAt)
        return;
    const MessageRequest question{kAppTitle, UnsavedWorkQuestion(*leftAt), MessageButtons::YesNo,
                                  MessageIcon::Question};
    if (dialogs_.showMessage(this, question) != MessageAnswer::Yes) {
        unsaved_->discard();
        return;
    }
    const DataFileReadResult read = ReadDataFile(QFileInfo(unsaved_->file()).filesystemFilePath());
    if (read.Opened && HasReadableEventLine(read.Record))
        files_->NewFrom(read.Record, "Unsaved Pattern");
    unsaved_->keepNow(); // the copy is this run's work now
}

void Main_LEDFlasher_form::MENUsettings_Click() {
    player_->StopTest();
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

namespace {
// The one local file a drop carries, if it carries exactly one.
std::optional<QString> droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    return urls.front().toLocalFile();
}
} // namespace

// A file dropped on the window opens as Open opens it, also during a download: that one goes on
// sending the pattern the user confirmed.
void Main_LEDFlasher_form::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void Main_LEDFlasher_form::dropEvent(QDropEvent* event) {
    const auto file = droppedFile(event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended, so that the source is not kept waiting by a message box.
    QTimer::singleShot(0, this, [this, path = *file] { OpenFromOutside(path); });
}

// Ctrl+Shift+1..4 on a layout whose shifted digits are no symbol the shortcuts know.
void Main_LEDFlasher_form::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        if (const auto led = LedOfDigitKey(event->key(), event->nativeScanCode(), event->nativeVirtualKey(),
                                           QGuiApplication::platformName())) {
            RowOptions_Click(*led);
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Main_LEDFlasher_form::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace zg
