#include "Downloader.h"

#include "device/DownloadFrame.h"
#include "device/DownloadMessages.h"
#include "device/DownloadSession.h"
#include "device/LineSettings.h"
#include "device/PortFindings.h"
#include "ui/common/UserDialogs.h"
#include "ui/controls/NoteLine.h"
#include "ui/test/TestPlayer.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zg {

namespace {

// Port numbers follow the devices present, so the user sees which device "port 1" is today, and
// what may still stand in the way.
QString confirmationText(const SerialLink& link, const std::string& findings) {
    QString text =
        Downloader::tr("\r 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then\r\r"
                       " 2)  Wait till all LEDS come on and stay on, then\r\r"
                       " 3)  With all LEDs lit, Press 'OK' to download to Zelta-Glow...");
    for (const std::string& more : {link.DeviceLine(), findings})
        if (!more.empty())
            text += QStringLiteral("\r\r") + QString::fromStdString(more).replace(u'\n', u'\r');
    return text;
}
} // namespace

Downloader::Downloader(const Parts& parts, std::unique_ptr<SerialLink> link)
    : p_(parts), link_(std::move(link)) {}

void Downloader::start() {
    if (downloading_)
        return; // the menu stays usable while a download runs; the second one does nothing
    downloading_ = true;
    p_.controls.note->hide();
    enableIdleOnlyButtons(false);
    p_.player.stopTest();
    if (openPortAndConfirm())
        sendSequence();
    else
        endDownload();
}

void Downloader::enableIdleOnlyButtons(bool enabled) {
    for (QPushButton* button : p_.controls.idleOnlyButtons)
        button->setEnabled(enabled);
}

// Opens the port before asking, so that the user learns of a missing cable before preparing the
// module. True when the port is open and the user confirmed.
bool Downloader::openPortAndConfirm() {
    if (link_->IsOpen())
        link_->Close();
    // Before the port is opened: Qt would take a lock that names no program for stale and write over it.
    if (const auto device = link_->Locate(p_.config.CommPort)) {
        if (const auto held = HolderFinding(device->location, *system_)) {
            p_.dialogs.exclaim(&p_.window, QString::fromStdString(PortHeldMessage(
                                               p_.config.CommPort, device->location, held->text)));
            return false;
        }
    }
    if (!link_->Open(p_.config.CommPort, kDownloadLineSettings)) {
        const LinkError error = link_->LastError();
        const std::string findings = findingsText(error.kind == LinkErrorKind::InUse);
        p_.dialogs.exclaim(&p_.window, QString::fromStdString(OpenFailureMessage(
                                           p_.config.CommPort, error, kSerialNeedsDialoutGroup, findings)));
        return false;
    }
    const MessageRequest confirmation{tr("Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher..."),
                                      confirmationText(*link_, findingsText(false)), MessageButtons::OkCancel,
                                      MessageIcon::Exclamation};
    return p_.dialogs.showMessage(&p_.window, confirmation) == MessageAnswer::Ok;
}

// What stands in the way of the port's device and of any cable, as found on the system now.
std::string Downloader::findingsText(bool openFailedBusy) const {
    std::vector<PortFinding> found;
    const auto device = link_->Device();
    if (device)
        found = DeviceFindings(*device, *system_, openFailedBusy);
    for (PortFinding& more : SystemFindings(*system_, device ? device->location : std::string()))
        found.push_back(std::move(more));
    return FindingsText(found);
}

void Downloader::sendSequence() {
    const Controls& c = p_.controls;
    emit sendingChanged(true);
    session_ = new DownloadSession(*link_, DownloadFrame::ValuesNow(p_.sequence), this);
    connect(session_, &DownloadSession::markerSent, this, [&c] {
        c.progressBar->setValue(0);
        c.progressBar->show();
        c.downloadLabel->show();
        // The half-second pause handles no window events: show the progress display first.
        c.progressBar->repaint();
        c.downloadLabel->repaint();
    });
    connect(session_, &DownloadSession::itemSent, c.progressBar, &QProgressBar::setValue);
    connect(session_, &DownloadSession::finished, this, &Downloader::transferEnded);
    session_->start();
}

std::optional<int> Downloader::itemsSent() const {
    return session_ ? std::optional(session_->itemsSent()) : std::nullopt;
}

void Downloader::stop() {
    if (session_)
        session_->stop();
}

void Downloader::transferEnded(const DownloadResult& result) {
    const Controls& c = p_.controls;
    session_->deleteLater();
    session_ = nullptr;
    c.progressBar->hide();
    c.downloadLabel->hide();
    if (result.completed()) {
        // "Sent", not "programmed": nothing comes back to say what the module stored.
        c.note->show(QString::fromStdString(TransferDoneText(result, link_->DevicePath())));
    } else {
        link_->Close(); // the port is released before the message waits for the user
        p_.dialogs.exclaim(&p_.window,
                           QString::fromStdString(result.status == DownloadStatus::Stopped
                                                      ? TransferStoppedMessage(result, link_->DevicePath())
                                                      : TransferFailureMessage(result)));
    }
    endDownload();
}

// Back to Idle, however the download ended: port closed, buttons enabled.
void Downloader::endDownload() {
    link_->Close();
    enableIdleOnlyButtons(true);
    downloading_ = false;
    emit sendingChanged(false);
    if (auto then = std::exchange(whenEnded_, nullptr))
        then();
}

} // namespace zg
