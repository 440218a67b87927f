#include "ModelCanvas.h"

#include "export/PlainTip.h"
#include "ui/modelview/LightMenu.h"
#include "ui/modelview/ModelCanvasAccessibility.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace zg {

namespace {

// The smallest step in view pixels that is a whole number of device pixels at `ratio`: 2 at
// 1.5, 4 at 1.25; 1 at a scale without one.
int WholePixelStep(qreal ratio) {
    for (int step = 1; step <= 8; ++step)
        if (std::abs(step * ratio - std::round(step * ratio)) < 0.01)
            return step;
    return 1;
}

} // namespace

ModelCanvas::ModelCanvas(QWidget* parent) : QWidget(parent) {
    InstallModelCanvasAccessibility(); // before the name below asks for the view's accessible interface
    setObjectName(QStringLiteral("ModelCanvas"));
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Model"));
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, &ModelCanvas::showFrame);
}

void ModelCanvas::showModel(const ModelLayout& model) {
    const bool newOutline = !outline_ || model.outline != model_.outline || model.picture != model_.picture;
    model_ = model;
    dragged_.reset();
    if (menu_)
        menu_->close();
    colors_.resize(model_.lights.size(), 0);
    shown_ = pending_ = colors_;
    litSinceFrame_.assign(colors_.size(), false);
    if (newOutline) {
        outline_ = std::make_unique<ModelOutline>(model_, kModelInk);
        backdrop_ = QImage();
    }
    patches_.clear();
    update();
}

// Only the lights that change are painted again, at most once a screen frame: a test at 1 ms
// steps faster than any screen shows. A light lit at any of the steps between two frames is
// shown lit at the next, as a strobe is seen on the model.
void ModelCanvas::showColors(const std::vector<std::uint32_t>& colors) {
    if (colors.size() != model_.lights.size() || colors == colors_)
        return;
    colors_ = colors;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (colors[i] != 0 || !litSinceFrame_[i])
            pending_[i] = colors[i];
        litSinceFrame_[i] = litSinceFrame_[i] || colors[i] != 0;
    }
    if (pending_ != shown_ && !frame_.isActive())
        frame_.start();
}

void ModelCanvas::showFrame() {
    QRegion dirty;
    for (std::size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i] != shown_[i])
            dirty += lightRect(i);
    shown_ = pending_;
    pending_ = colors_;
    litSinceFrame_.assign(colors_.size(), false);
    update(dirty);
    if (pending_ != shown_) // a flash that is over shows dark at the next frame
        frame_.start();
}

QRectF ModelCanvas::place() const {
    if (!outline_)
        return {};
    return outline_->placeIn(QRectF(rect()).adjusted(12, 12, -12, -12));
}

// The whole view without its lights, made again only when the view's size or the outline changes.
const QImage& ModelCanvas::backdrop() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = this->size() * ratio;
    if (backdrop_.size() == size && backdrop_.devicePixelRatio() == ratio)
        return backdrop_;
    // Opaque, so that a patch copied from it is blitted as it is, with nothing to blend.
    backdrop_ = QImage(size, QImage::Format_RGB32);
    backdrop_.setDevicePixelRatio(ratio);
    backdrop_.fill(kModelGround);
    QPainter painter(&backdrop_);
    painter.drawImage(place().topLeft(), outline_->render((place().size() * ratio).toSize(), ratio));
    patches_.clear();
    return backdrop_;
}

// Where light `i`'s picture is drawn: on the grid of whole device pixels (every second view pixel
// at a scale of 1.5), nearest its place, so that it lands on the same device pixels whether it is
// painted alone or with the whole view, and its repaint leaves no seam in the outline.
QPoint ModelCanvas::spriteAt(std::size_t i) const {
    const int step = WholePixelStep(devicePixelRatioF());
    const QPointF corner = centreOf(i) - QPointF(spriteSide() / 2.0, spriteSide() / 2.0);
    return {int(std::lround(corner.x() / step)) * step, int(std::lround(corner.y() / step)) * step};
}

int ModelCanvas::spriteSide() const {
    return int(std::ceil(LightRadius(place()) * 4.6)) + 2;
}

// Where light `i` and its glow are drawn in the view, on that grid; a light at the edge is cut off
// there.
QRect ModelCanvas::lightRect(std::size_t i) const {
    const int step = WholePixelStep(devicePixelRatioF());
    const int side = (spriteSide() + step - 1) / step * step;
    return QRect(spriteAt(i), QSize(side, side)) & rect();
}

bool ModelCanvas::overlapsAnother(std::size_t i) const {
    for (std::size_t other = 0; other < model_.lights.size(); ++other)
        if (other != i && lightRect(other).intersects(lightRect(i)))
            return true;
    return false;
}

void ModelCanvas::paintLight(QPainter& painter, std::size_t i, QPoint origin) {
    painter.drawImage(spriteAt(i) - origin, lightImage(shown_[i]));
}

// Light `i` in its colour now, over the backdrop: a step copies it whole instead of filling,
// blitting and blending. Made once per light and colour for the view as it is.
const QImage& ModelCanvas::patch(std::size_t i) {
    const QImage& back = backdrop();
    const auto key = std::pair(i, shown_[i]);
    if (const auto found = patches_.find(key); found != patches_.end())
        return found->second;
    const QRect where = lightRect(i);
    const qreal ratio = back.devicePixelRatio();
    QImage made = back.copy(QRect(where.topLeft() * ratio, where.size() * ratio));
    made.setDevicePixelRatio(ratio);
    QPainter painter(&made);
    paintLight(painter, i, where.topLeft());
    painter.end();
    return patches_.emplace(key, std::move(made)).first->second;
}

// A light as drawn in one colour, made once for the size the outline has now: a step blits it
// instead of filling a gradient.
const QImage& ModelCanvas::lightImage(std::uint32_t color) {
    const qreal radius = LightRadius(place());
    const qreal ratio = devicePixelRatioF();
    if (radius != spriteRadius_ || ratio != spriteRatio_) { // resized, or moved to a screen of another scale
        sprites_.clear();
        spriteRadius_ = radius;
        spriteRatio_ = ratio;
    }
    auto found = sprites_.find(color);
    if (found != sprites_.end())
        return found->second;
    const int side = spriteSide();
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

qreal ModelCanvas::reach() const {
    return LightRadius(place()) * 1.5;
}

QRectF ModelCanvas::lightBounds(std::size_t light) const {
    return QRectF(centreOf(light), QSizeF()).adjusted(-reach(), -reach(), reach(), reach());
}

std::optional<std::size_t> ModelCanvas::lightAt(QPointF pos) const {
    const qreal reach = this->reach();
    for (std::size_t i = model_.lights.size(); i-- > 0;) {
        const QPointF d = centreOf(i) - pos;
        if (d.x() * d.x() + d.y() * d.y() <= reach * reach)
            return i;
    }
    return std::nullopt;
}

// A light that changed alone is copied from its patch; what else needs painting is drawn clipped to
// the region: during a test it is the few lights that changed, far apart, whose bounding rectangle
// would be most of the view.
void ModelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!outline_) {
        painter.fillRect(rect(), kModelGround);
        return;
    }
    QRegion rest = event->region();
    const std::size_t count = std::min(model_.lights.size(), shown_.size());
    for (std::size_t i = 0; i < count; ++i) {
        const QRect where = lightRect(i);
        if (QRegion(where).subtracted(rest).isEmpty() && !overlapsAnother(i)) {
            painter.drawImage(where.topLeft(), patch(i));
            rest -= where;
        }
    }
    // The rest as a full painting draws it, clipped: the same pixels, whatever its edges.
    painter.setClipRegion(rest);
    painter.drawImage(QPoint(), backdrop());
    const QRect restBounds = rest.boundingRect();
    for (std::size_t i = 0; i < count; ++i)
        if (lightRect(i).intersects(restBounds))
            paintLight(painter, i, {});
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
    patches_.clear();
    update();
}

void ModelCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragged_ || event->button() != Qt::LeftButton)
        return;
    const ModelLight& light = model_.lights[*dragged_];
    const std::size_t index = *dragged_;
    dragged_.reset();
    setCursor(Qt::OpenHandCursor);
    emit placed(index, light.x, light.y);
}

void ModelCanvas::contextMenuEvent(QContextMenuEvent* event) {
    if (const auto light = lightAt(event->pos()))
        showMenu(*light, event->globalPos());
}

// Opened without waiting for it to close: assistive technology that opens it is not held up.
void ModelCanvas::showMenu(std::size_t light, QPoint globalPos) {
    if (menu_)
        menu_->close();
    menu_ = new LightMenu(model_, light, this);
    connect(menu_, &LightMenu::renameAsked, this, &ModelCanvas::renameAsked);
    connect(menu_, &LightMenu::doubleAsked, this, &ModelCanvas::doubleAsked);
    connect(menu_, &LightMenu::removeAsked, this, &ModelCanvas::removeAsked);
    menu_->popup(globalPos);
}

// A light tells its name and the output that feeds it.
bool ModelCanvas::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto light = lightAt(help->pos())) {
        const ModelLight& l = model_.lights[*light];
        QToolTip::showText(
            help->globalPos(),
            PlainTip(l.name.empty() ? tr("LED#%1").arg(l.led + 1)
                                    : tr("%1 (LED#%2)").arg(QString::fromStdString(l.name)).arg(l.led + 1)),
            this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

} // namespace zg
