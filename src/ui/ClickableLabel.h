#pragma once

#include <QLabel>

namespace zg {

// A label that reports clicks and double-clicks, as the LED labels and the time axis need.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // The background behind the text. Painted by the label itself: the playback changes it at
    // every step, and a palette change would make Qt re-examine every sibling of the label.
    QColor background() const { return background_; }
    void setBackground(const QColor& color);

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor background_; // invalid: the parent's background shows through
};

} // namespace zg
