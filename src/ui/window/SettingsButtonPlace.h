#pragma once

#include <QObject>

class QPushButton;

namespace zg {

// The Settings button's one owner of its visibility: the servo stick of a test stands in its place,
// and a download hides it while it sends. It shows again only when neither holds it, whichever
// lets go first.
class SettingsButtonPlace : public QObject {
  public:
    // A child of `button`.
    explicit SettingsButtonPlace(QPushButton& button);

    void setTakenByStick(bool taken);
    void setDownloadSending(bool sending);

  private:
    void update();

    QPushButton& button_;
    bool takenByStick_ = false;
    bool downloadSending_ = false;
};

} // namespace zg
