#include "ModelCanvas.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zg {

ModelCanvas::ModelCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ModelCanvas"));
    setMinimumSize(160, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Model"));
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

void ModelCanvas::showColors(const std::vector<std::uint32_t>& colors) {
    if (colors == colors_)
        return;
    colors_ = colors;
    update();
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

void ModelCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kModelGround);
    if (!outline_)
        return;
    painter.drawImage(place().topLeft(), outlineImage());
    PaintLights(painter, place(), model_, colors_, kModelInk.darker(160), true);
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
