#pragma once

#include "export/ModelPicture.h"
#include "model/ModelLayout.h"

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace zg {

// The model drawn from above with its lights glowing as the module would light them. A light is
// dragged to its place with the mouse; a right click on it offers to name, double or remove it.
class ModelCanvas : public QWidget {
    Q_OBJECT
  public:
    // The shortest time between two paintings of the lights: a screen frame.
    static constexpr int kFrameMs = 20;

    explicit ModelCanvas(QWidget* parent = nullptr);

    void showModel(const ModelLayout& model);
    const ModelLayout& model() const { return model_; }
    // The colour each light shows now (0x00BBGGRR, 0 for dark), in the model's order.
    void showColors(const std::vector<std::uint32_t>& colors);
    const std::vector<std::uint32_t>& colors() const { return colors_; }
    // The light at `pos`, if any: the one drawn on top.
    std::optional<std::size_t> lightAt(QPointF pos) const;
    QPointF centreOf(std::size_t light) const;

    QSize sizeHint() const override { return {320, 320}; }

  signals:
    // A light was put at a new place: the model as it is now.
    void moved(const zg::ModelLayout& model);
    void renameAsked(std::size_t light);
    void doubleAsked(std::size_t light);
    void removeAsked(std::size_t light);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QRectF place() const;
    const QImage& backdrop();
    const QImage& lightImage(std::uint32_t color);
    QRect lightRect(std::size_t i) const;
    bool overlapsAnother(std::size_t i) const;
    void paintLight(QPainter& painter, std::size_t i, QPoint origin);
    const QImage& patch(std::size_t i);

    ModelLayout model_;
    std::unique_ptr<ModelOutline> outline_;
    QImage backdrop_; // the ground and the outline at the view's size, so that a step only paints lights
    std::vector<std::uint32_t> colors_;
    std::optional<std::size_t> dragged_;
    std::map<std::uint32_t, QImage> sprites_; // each colour's light, at spriteRadius_
    qreal spriteRadius_ = 0;
    std::map<std::pair<std::size_t, std::uint32_t>, QImage> patches_; // (light, colour) over the backdrop
    QRegion dirty_; // the lights changed since the last painting
    QTimer frame_;
};

} // namespace zg
