#pragma once

#include "DownloadResult.h"
#include "DownloadSender.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace zg {

// One download as the window runs it: the marker, the module's half second, then the 56 items on
// a timer, each at least 50 ms after the previous one left. Between items the window handles its
// events as usual; nothing waits inside another handler.
class DownloadSession : public QObject {
    Q_OBJECT
  public:
    // Value of item k, asked at its turn.
    using ValueAt = std::function<std::uint8_t(int item)>;

    DownloadSession(SerialLink& link, ValueAt valueAt, QObject* parent = nullptr);

    // Sends the marker and waits the half second (blocking, as the module needs it), then goes on
    // on the timer. `finished` follows, also when the marker already failed.
    void start();
    // Ends the transfer between two items, so that the module got whole items only; `finished`
    // follows at once.
    void stop();
    // The items that have left so far.
    int itemsSent() const { return next_; }

  signals:
    void markerSent();
    void itemSent(int item);
    void finished(const zg::DownloadResult& result);

  private:
    void scheduleNext();
    void sendNext();
    void finish(DownloadResult result);

    DownloadSender sender_;
    ValueAt valueAt_;
    QTimer timer_;
    int next_ = 0;
    SteadyClock::time_point started_;
};

} // namespace zg
