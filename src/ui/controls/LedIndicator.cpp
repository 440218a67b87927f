#include "LedIndicator.h"

#include <QPainter>
#include <QPixmapCache>

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
    painter.drawPixmap(0, 0, picture());
}

// A test repaints the indicators at every step, up to 200 times a second: a smooth circle costs
// far more than copying one, so each look is drawn once and kept in Qt's pixmap cache.
QPixmap LedIndicator::picture() const {
    const QColor background = parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                             : palette().color(QPalette::Window);
    // The outline in the window's text colour: a dark LED stays a circle under a dark palette too.
    const QColor outline = palette().color(QPalette::WindowText);
    const qreal scale = devicePixelRatioF();
    const QString key = QStringLiteral("zg-led-") + QString::number(fill_.rgba(), 16) + u'-' +
                        QString::number(background.rgba(), 16) + u'-' + QString::number(outline.rgba(), 16) +
                        u'-' + QString::number(width()) + u'x' + QString::number(height()) + u'@' +
                        QString::number(scale);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace zg
