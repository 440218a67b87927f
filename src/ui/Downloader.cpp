#include "Downloader.h"

#include "TestPlayer.h"
#include "UserDialogs.h"
#include "device/DownloadFrame.h"
#include "device/DownloadMessages.h"
#include "device/DownloadSession.h"
#include "device/LineSettings.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zg {

namespace {
const QString kDownloadTitle =
    QStringLiteral("Download to ZELTA-GLOW  -  Programmable LED Sequencer/Flasher...");
const QString kDownloadText =
    QStringLiteral("\r 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then\r\r"
                   " 2)  Wait till all LEDS come on and stay on, then\r\r"
                   " 3)  With all LEDs lit, Press 'OK' to download to Zelta-Glow...");

// Port numbers follow the devices present, so the user sees which device "port 1" is today.
QString confirmationText(const SerialLink& link) {
    const std::string device = link.DeviceLine();
    return device.empty() ? kDownloadText
                          : kDownloadText + QStringLiteral("\r\r") + QString::fromStdString(device);
}
} // namespace

Downloader::Downloader(const Parts& parts, std::unique_ptr<SerialLink> link)
    : p_(parts), MSComm1(std::move(link)) {}

void Downloader::Download() {
    if (downloading_)
        return; // the menu stays usable while a download runs; the second one does nothing
    downloading_ = true;
    p_.controls.SentLabel->hide();
    enableFiveButtons(false);
    p_.player.StopTest();
    if (openPortAndConfirm())
        sendSequence();
    else
        endDownload();
}

void Downloader::enableFiveButtons(bool enabled) {
    const MainFormControls& c = p_.controls;
    for (QPushButton* button :
         {c.TestButton, c.Settings_button, c.DownloadButton, c.OpenButton, c.SaveButton})
        button->setEnabled(enabled);
}

// Opens the port before asking, so that the user learns of a missing cable before preparing the
// module. True when the port is open and the user confirmed.
bool Downloader::openPortAndConfirm() {
    if (MSComm1->IsOpen())
        MSComm1->Close();
    if (!MSComm1->Open(p_.config.CommPort, kDownloadLineSettings)) {
        p_.dialogs.exclaim(
            &p_.window, QString::fromStdString(OpenFailureMessage(p_.config.CommPort, MSComm1->LastError())));
        return false;
    }
    const MessageRequest confirmation{kDownloadTitle, confirmationText(*MSComm1), MessageButtons::OkCancel,
                                      MessageIcon::Exclamation};
    return p_.dialogs.showMessage(&p_.window, confirmation) == MessageAnswer::Ok;
}

void Downloader::sendSequence() {
    MainFormControls& c = p_.controls;
    c.Settings_button->hide();
    session_ = new DownloadSession(*MSComm1, DownloadFrame::ValuesNow(p_.sequence, p_.config), this);
    connect(session_, &DownloadSession::markerSent, this, [&c] {
        c.ProgressBar1->setValue(0);
        c.ProgressBar1->show();
        c.DLlabel->show();
        // The half-second pause handles no window events: show the progress display first.
        c.ProgressBar1->repaint();
        c.DLlabel->repaint();
    });
    connect(session_, &DownloadSession::itemSent, c.ProgressBar1, &QProgressBar::setValue);
    connect(session_, &DownloadSession::finished, this, &Downloader::transferEnded);
    session_->start();
}

void Downloader::transferEnded(const DownloadResult& result) {
    MainFormControls& c = p_.controls;
    session_->deleteLater();
    session_ = nullptr;
    c.ProgressBar1->hide();
    c.DLlabel->hide();
    if (result.completed()) {
        // "Sent", not "programmed": nothing comes back to say what the module stored.
        c.SentLabel->setText(QStringLiteral("Sent %1 items to %2.")
                                 .arg(DownloadFrame::kItemCount)
                                 .arg(QString::fromStdString(MSComm1->DevicePath())));
        c.SentLabel->show();
    } else {
        MSComm1->Close(); // a failed port is released before the message waits for the user
        p_.dialogs.exclaim(&p_.window, QString::fromStdString(TransferFailureMessage(result)));
    }
    endDownload();
}

// Back to Idle, however the download ended: port closed, buttons enabled, settings shown.
void Downloader::endDownload() {
    MSComm1->Close();
    enableFiveButtons(true);
    p_.controls.Settings_button->show();
    downloading_ = false;
}

} // namespace zg
