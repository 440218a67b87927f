#include "LedIndicator.h"

#include <QPainter>

namespace zg {

LedIndicator::LedIndicator(QWidget* parent) : QWidget(parent) {
    // The indicator paints its corners in the window's own colour, so that Qt need not paint
    // the window behind it at every step of a test.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedIndicator::setFillColor(const QColor& color) {
    if (color == fill_)
        return;
    fill_ = color;
    update();
}

void LedIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                            : palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace zg
