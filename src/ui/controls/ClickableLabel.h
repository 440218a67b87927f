#pragma once

#include <QLabel>

namespace zg {

// A label that reports clicks, as the LED labels need.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zg
