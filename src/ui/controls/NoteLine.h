#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QString;

namespace zg {

// The line under the buttons where a download and the range commands leave their note until the
// next command. A servo test's stick hint stands on the same line; while it does, a note goes to
// the status bar for a while instead, so that neither is drawn over the other.
class NoteLine : public QObject {
  public:
    // A child of `label`.
    NoteLine(QLabel& label, QStatusBar& statusBar);

    void show(const QString& text);
    void hide();
    void setTakenByStick(bool taken);

  private:
    void moveToStatusBar(const QString& text);

    QLabel& label_;
    QStatusBar& statusBar_;
    bool takenByStick_ = false;
};

} // namespace zg
