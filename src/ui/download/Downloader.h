#pragma once

#include "device/DownloadResult.h"
#include "device/SerialLink.h"
#include "device/SystemLook.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace zg {

class DownloadSession;
class NoteLine;
class TestPlayer;
class UserDialogs;

// The Download command: opens the cable's port, has the user prepare the module, and sends the
// sequence with its pauses while the window stays usable.
class Downloader : public QObject {
    Q_OBJECT

  public:
    // The main window's controls a download shows its progress in, and the buttons it disables
    // while it runs.
    struct Controls {
        QProgressBar* progressBar = nullptr;
        QLabel* downloadLabel = nullptr;
        NoteLine* note = nullptr;
        std::vector<QPushButton*> idleOnlyButtons;
    };
    struct Parts {
        QWidget& window; // parent of the message boxes
        Controls controls;
        const LedSequence& sequence;
        const AppConfig& config;
        UserDialogs& dialogs;
        TestPlayer& player;
    };
    // `link` is the serial port of the downloads.
    Downloader(const Parts& parts, std::unique_ptr<SerialLink> link);

    bool busy() const { return downloading_; }
    // Opens the port, asks, and starts the transfer, which goes on on its timer after this returns.
    void start();
    // While the items are being sent, how many have left; nothing before and after.
    std::optional<int> itemsSent() const;
    // Stops the items being sent between two of them and says what the module got.
    void stop();
    // Runs `then` once the download that is under way has ended, however it ended.
    void whenEnded(std::function<void()> then) { whenEnded_ = std::move(then); }
    // Where the download looks for what stands in its way; the running system's by default.
    void setSystemLook(std::unique_ptr<SystemLook> system) { system_ = std::move(system); }

  signals:
    // The items are being sent (from the marker on), or the download has ended.
    void sendingChanged(bool sending);

  private:
    void enableIdleOnlyButtons(bool enabled);
    bool openPortAndConfirm();
    std::string findingsText(bool openFailedBusy) const;
    void sendSequence();
    void transferEnded(const DownloadResult& result);
    void endDownload();

    Parts p_;
    std::unique_ptr<SerialLink> link_;
    std::unique_ptr<SystemLook> system_ = MakeSystemLook();
    bool downloading_ = false;
    DownloadSession* session_ = nullptr;
    std::function<void()> whenEnded_;
};

} // namespace zg
