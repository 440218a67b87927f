#include "ClickableLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace zg {

void ClickableLabel::setBackground(const QColor& color) {
    if (color == background_)
        return;
    background_ = color;
    // A label that paints its whole background spares Qt from painting the window behind it.
    setAttribute(Qt::WA_OpaquePaintEvent, background_.isValid() && background_.alpha() == 255);
    update();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    if (background_.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), background_);
    }
    QLabel::paintEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace zg
