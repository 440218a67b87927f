#include "ModelCanvas.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace zg {

ModelCanvas::ModelCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ModelCanvas"));
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Model"));
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, [this] {
        update(dirty_);
        dirty_ = QRegion();
    });
}

void ModelCanvas::showModel(const ModelLayout& model) {
    const bool newOutline = !outline_ || model.outline != model_.outline || model.picture != model_.picture;
    model_ = model;
    colors_.resize(model_.lights.size(), 0);
    if (newOutline) {
        outline_ = std::make_unique<ModelOutline>(model_, kModelInk);
        drawn_ = QImage();
    }
    update();
}

// Only the lights that change are painted again, at most once a screen frame: a test at 5 ms
// steps faster than any screen shows, and the view then shows what the indicators show at each
// frame the screen does show.
void ModelCanvas::showColors(const std::vector<std::uint32_t>& colors) {
    if (colors == colors_)
        return;
    const qreal reach = LightRadius(place()) * 2.3 + 2;
    for (std::size_t i = 0; i < colors.size() && i < model_.lights.size(); ++i) {
        if (i < colors_.size() && colors[i] == colors_[i])
            continue;
        const QPointF centre = centreOf(i);
        dirty_ += QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect();
    }
    colors_ = colors;
    if (!frame_.isActive())
        frame_.start();
}

QRectF ModelCanvas::place() const {
    if (!outline_)
        return {};
    return outline_->placeIn(QRectF(rect()).adjusted(12, 12, -12, -12));
}

const QImage& ModelCanvas::outlineImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = (place().size() * ratio).toSize();
    if (drawn_.size() != size && outline_)
        drawn_ = outline_->render(size, ratio);
    return drawn_;
}

// A light as drawn in one colour, made once for the size the outline has now: a step blits it
// instead of filling a gradient.
const QImage& ModelCanvas::lightImage(std::uint32_t color) {
    const qreal radius = LightRadius(place());
    if (radius != spriteRadius_) {
        sprites_.clear();
        spriteRadius_ = radius;
    }
    auto found = sprites_.find(color);
    if (found != sprites_.end())
        return found->second;
    const qreal ratio = devicePixelRatioF();
    const int side = int(std::ceil(radius * 4.6)) + 2;
    QImage sprite(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    ModelLayout one;
    one.lights.push_back({0, 0.5, 0.5, {}});
    // A place whose light radius is this one's, with the light in its middle.
    const qreal span = radius / 0.045;
    PaintLights(painter, QRectF(side / 2.0 - span / 2, side / 2.0 - span / 2, span, span), one, {color},
                kModelInk.darker(160), true);
    painter.end();
    return sprites_.emplace(color, std::move(sprite)).first->second;
}

QPointF ModelCanvas::centreOf(std::size_t light) const {
    return LightCentre(model_.lights.at(light), place());
}

std::optional<std::size_t> ModelCanvas::lightAt(QPointF pos) const {
    const qreal reach = LightRadius(place()) * 1.5;
    for (std::size_t i = model_.lights.size(); i-- > 0;) {
        const QPointF d = centreOf(i) - pos;
        if (d.x() * d.x() + d.y() * d.y() <= reach * reach)
            return i;
    }
    return std::nullopt;
}

// Each dirty rectangle on its own: during a test they are the few lights that changed, far apart,
// and their bounding rectangle would be most of the view.
void ModelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!outline_) {
        painter.fillRect(rect(), kModelGround);
        return;
    }
    const QImage& drawn = outlineImage();
    const qreal ratio = drawn.devicePixelRatio();
    const QPoint origin = place().topLeft().toPoint();
    const QRect outline(origin, (QSizeF(drawn.size()) / ratio).toSize());
    for (const QRect& dirty : event->region()) {
        painter.setClipRect(dirty);
        painter.fillRect(dirty, kModelGround);
        // Pixel for pixel: a scaled blit would cost a test at 5 ms more than all else it does.
        const QRect part = dirty.intersected(outline);
        const QPoint from = part.topLeft() - origin;
        painter.drawImage(
            part.topLeft(), drawn,
            QRect(QPoint(qRound(from.x() * ratio), qRound(from.y() * ratio)), part.size() * ratio));
        for (std::size_t i = 0; i < model_.lights.size() && i < colors_.size(); ++i) {
            const QImage& light = lightImage(colors_[i]);
            const QSize size = (QSizeF(light.size()) / light.devicePixelRatio()).toSize();
            const QRect target(centreOf(i).toPoint() - QPoint(size.width() / 2, size.height() / 2), size);
            if (target.intersects(dirty))
                painter.drawImage(target.topLeft(), light);
        }
    }
}

void ModelCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragged_ = lightAt(event->position());
    if (dragged_)
        setCursor(Qt::ClosedHandCursor);
}

void ModelCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!dragged_) {
        setCursor(lightAt(event->position()) ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    const QRectF where = place();
    PlaceLight(model_, *dragged_, (event->position().x() - where.left()) / where.width(),
               (event->position().y() - where.top()) / where.height());
    update();
}

void ModelCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragged_ || event->button() != Qt::LeftButton)
        return;
    dragged_.reset();
    setCursor(Qt::OpenHandCursor);
    emit moved(model_);
}

void ModelCanvas::contextMenuEvent(QContextMenuEvent* event) {
    const auto light = lightAt(event->pos());
    if (!light)
        return;
    QMenu menu(this);
    connect(menu.addAction(tr("&Name...")), &QAction::triggered, this,
            [this, light] { emit renameAsked(*light); });
    connect(menu.addAction(tr("&Double")), &QAction::triggered, this,
            [this, light] { emit doubleAsked(*light); });
    QAction* remove = menu.addAction(tr("&Remove"));
    ModelLayout trial = model_;
    remove->setEnabled(RemoveLight(trial, *light)); // the last light of an output stays
    connect(remove, &QAction::triggered, this, [this, light] { emit removeAsked(*light); });
    menu.exec(event->globalPos());
}

// A light tells its name and the output that feeds it.
bool ModelCanvas::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto light = lightAt(help->pos())) {
        const ModelLight& l = model_.lights[*light];
        QToolTip::showText(help->globalPos(),
                           l.name.empty()
                               ? tr("LED#%1").arg(l.led + 1)
                               : tr("%1 (LED#%2)").arg(QString::fromStdString(l.name)).arg(l.led + 1),
                           this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

} // namespace zg
