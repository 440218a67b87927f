#include "SettingsDialog.h"

#include "device/CommPortDevice.h"
#include "device/PortTooltip.h"
#include "device/PresentSerialPorts.h"
#include "ui/common/UserDialogs.h"
#include "ui/controls/KeepTypedText.h"
#include "ui/controls/Placement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zg {

namespace {

QLabel* captionLabel(QWidget* parent, const QString& name, const QString& text, QRect where,
                     bool centred = false) {
    auto* widget = place(new QLabel(text, parent), name, where.x(), where.y(), where.width(), where.height());
    widget->setWordWrap(true);
    widget->setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    return widget;
}

QComboBox* numberList(QWidget* parent, const QString& name, QRect where) {
    auto* list = place(new QComboBox(parent), name, where.x(), where.y(), where.width(), where.height());
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(10);
    KeepTypedText(*list); // Enter then does exactly what OK does: typed text gives 0
    return list;
}

// The entries of the port, test speed and sequencer delay lists: 1 to this.
constexpr std::array<int, 3> kEntries{6, 100, 100};

// Position value - 1; a value without an entry (0 among them) selects nothing.
int positionOf(int value, int entries) {
    return value >= 1 && value <= entries ? value - 1 : -1;
}

QString NotAnEntryMessage(const QString& list, const QString& text, int entries) {
    return SettingsDialog::tr("The list %1 holds \"%2\", which is not one of its entries.\r\rPick or type a "
                              "number from 1 to %3. Nothing was changed.")
        .arg(list, text.trimmed())
        .arg(entries);
}

} // namespace

int ListValue(const QComboBox& list) {
    const int position = list.currentIndex();
    // Typed text that is not the chosen entry's leaves the list without a position.
    if (position < 0 || (list.isEditable() && list.currentText() != list.itemText(position)))
        return 0;
    return position + 1;
}

SettingsDialog::SettingsDialog(const AppConfig& config, const LedSequence& sequence, UserDialogs& dialogs,
                               QWidget* parent)
    : QDialog(parent), sequence_(sequence), dialogs_(dialogs), ports_(PresentSerialPorts) {
    setObjectName(QStringLiteral("Settings_form"));
    setWindowTitle(tr("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher Settings..."));
    setModal(false);
    setFixedSize(571, 208);
    positions_ = {positionOf(config.CommPort, kEntries[Port]),
                  positionOf(sequence_.testSpeed(), kEntries[TestSpeed]),
                  positionOf(sequence_.sequencerDelay(), kEntries[SequencerDelay])};
    portWatch_.setInterval(kPortWatchMs);
    connect(&portWatch_, &QTimer::timeout, this, &SettingsDialog::showPortDevices);
}

QComboBox* SettingsDialog::list(List which) {
    if (!lists_[Port]) {
        buildControls();
        fillLists();
    }
    return lists_[std::size_t(which)];
}

QComboBox* SettingsDialog::portList() {
    return list(Port);
}

QComboBox* SettingsDialog::testSpeedList() {
    return list(TestSpeed);
}

QComboBox* SettingsDialog::sequencerDelayList() {
    return list(SequencerDelay);
}

void SettingsDialog::setVisible(bool visible) {
    if (visible)
        list(Port); // the controls exist before the dialog first shows
    QDialog::setVisible(visible);
}

void SettingsDialog::buildControls() {
    auto* software = place(new QGroupBox(tr("Software Settings"), this),
                           QStringLiteral("CommPortSettingsFrame"), 8, 16, 281, 177);
    captionLabel(software, QStringLiteral("Label2"), tr("Communication Port# (RS-232)"),
                 QRect(8, 40, 193, 25));
    lists_[Port] = numberList(software, QStringLiteral("CommPortcombo"), QRect(200, 40, 65, 21));
    connect(lists_[Port], &QComboBox::currentIndexChanged, this, &SettingsDialog::showChosenPort);
    captionLabel(software, QStringLiteral("Label3"),
                 tr("(Programming cable is connected to this 9-pin port#)"), QRect(8, 64, 265, 33), true);
    captionLabel(software, QStringLiteral("Label1"), tr("LED Test Speed (ms)"), QRect(16, 112, 161, 25));
    lists_[TestSpeed] = numberList(software, QStringLiteral("PCSpeedcombo"), QRect(200, 112, 65, 21));
    captionLabel(software, QStringLiteral("Label4"), tr("(Set to match Test speed with Sequencer speed)"),
                 QRect(16, 144, 249, 25), true);

    auto* module = place(new QGroupBox(tr("Zelta-Glow Settings"), this), QStringLiteral("SpeedSettingsFrame"),
                         296, 16, 265, 121);
    captionLabel(module, QStringLiteral("SequencerSpeed"), tr("Sequencer Delay (ms)"),
                 QRect(16, 48, 161, 25));
    lists_[SequencerDelay] = numberList(module, QStringLiteral("PICSpeedcombo"), QRect(192, 48, 65, 21));
    captionLabel(module, QStringLiteral("Label5"), tr("(Sets the delay between each of the 50 events )"),
                 QRect(8, 88, 249, 25), true);

    auto* warning =
        captionLabel(this, QStringLiteral("Label6"), tr("Use Pull-downs for changing all settings!"),
                     QRect(296, 144, 273, 25), true);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);

    auto* cancel =
        place(new QPushButton(tr("Cancel"), this), QStringLiteral("SettingsCancelbutton"), 344, 168, 73, 33);
    auto* ok = place(new QPushButton(tr("OK"), this), QStringLiteral("SettingsOKbutton"), 464, 168, 65, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::acceptSettings);
    connect(cancel, &QPushButton::clicked, this, &SettingsDialog::cancelSettings);
}

void SettingsDialog::fillLists() {
    for (std::size_t which = 0; which < lists_.size(); ++which) {
        for (int n = 1; n <= kEntries[which]; ++n)
            lists_[which]->addItem(QString::number(n));
        lists_[which]->setCurrentIndex(positions_[which]);
    }
    if (deviceOverride_)
        showDeviceOverride();
}

void SettingsDialog::selectSpeeds(AppliedSpeeds applied) {
    if (applied.SequencerDelay)
        selectReadValue(SequencerDelay, sequence_.sequencerDelay());
    if (applied.TestSpeed)
        selectReadValue(TestSpeed, sequence_.testSpeed());
}

// As a data file's speeds are shown: 0 selects nothing, a value without an entry changes nothing.
void SettingsDialog::selectReadValue(List which, int value) {
    const int entries = kEntries[std::size_t(which)];
    if (value != 0 && positionOf(value, entries) < 0)
        return;
    if (lists_[Port])
        lists_[std::size_t(which)]->setCurrentIndex(positionOf(value, entries));
    else
        positions_[std::size_t(which)] = positionOf(value, entries);
}

// A list's text is taken as the entry it spells (blanks around it aside); text that spells none
// would be shown but kept as 0, so OK refuses it and names the list. An empty list stays empty.
bool SettingsDialog::takeTypedEntries() {
    static const std::array<const char*, ListCount> captions{"Label2", "Label1", "SequencerSpeed"};
    for (std::size_t which = 0; which < lists_.size(); ++which) {
        QComboBox* box = list(List(which));
        const QString text = box->currentText().trimmed();
        const int entry = box->findText(text, Qt::MatchExactly);
        if (entry >= 0) {
            box->setCurrentIndex(entry);
            box->setEditText(text);
        } else if (!text.isEmpty()) {
            const auto* caption = findChild<QLabel*>(QLatin1String(captions[which]));
            dialogs_.exclaim(this, NotAnEntryMessage(caption->text(), box->currentText(), kEntries[which]));
            box->setFocus();
            box->lineEdit()->selectAll();
            return false;
        }
    }
    return true;
}

void SettingsDialog::acceptSettings() {
    if (!takeTypedEntries())
        return;
    hide();
    const auto value = [](QComboBox* list) { return static_cast<std::int16_t>(ListValue(*list)); };
    emit settingsChosen({value(portList()), value(testSpeedList()), value(sequencerDelayList())});
}

void SettingsDialog::cancelSettings() {
    hide();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    showPortDevices();
    portWatch_.start();
    QDialog::showEvent(event);
}

void SettingsDialog::hideEvent(QHideEvent* event) {
    portWatch_.stop();
    QDialog::hideEvent(event);
}

// Devices come and go (a USB cable), so each port entry names its device and adapter as they are
// now; the list itself shows the chosen entry's.
void SettingsDialog::showPortDevices() {
    const auto present = ports_();
    QComboBox* ports = portList();
    for (int position = 0; position < ports->count(); ++position) {
        const int port = position + 1;
        const PortLookup lookup =
            deviceOverride_ ? DeviceOverride(*deviceOverride_)(port) : PlatformPortLookup(port, present);
        const QString tooltip = QString::fromStdString(PortTooltip(port, lookup));
        if (ports->itemData(position, Qt::ToolTipRole).toString() != tooltip)
            ports->setItemData(position, tooltip, Qt::ToolTipRole);
    }
    showChosenPort();
}

// The list itself tells what the port chosen names, as its entry does.
void SettingsDialog::showChosenPort() {
    QComboBox* ports = portList();
    ports->setToolTip(ports->currentData(Qt::ToolTipRole).toString());
}

void SettingsDialog::setDeviceOverride(const std::string& device) {
    deviceOverride_ = device;
    if (lists_[Port])
        showDeviceOverride();
}

void SettingsDialog::showDeviceOverride() {
    if (!overrideNote_) {
        overrideNote_ = place(new QLabel(this), QStringLiteral("DeviceOverrideLabel"), 8, 193, 281, 15);
        QPalette blue = overrideNote_->palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        overrideNote_->setPalette(blue);
    }
    overrideNote_->setText(
        tr("This run sends to %1 (--device).").arg(QString::fromStdString(*deviceOverride_)));
    overrideNote_->show();
    showPortDevices();
}

void SettingsDialog::reject() {
    cancelSettings();
}

} // namespace zg
