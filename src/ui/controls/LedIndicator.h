#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace zg {

// One of the round LED indicators that the on-screen test lights.
class LedIndicator : public QWidget {
    Q_OBJECT
  public:
    explicit LedIndicator(QWidget* parent = nullptr);

    QColor fillColor() const { return fill_; }
    void setFillColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture() const;

    QColor fill_ = Qt::black;
};

} // namespace zg
