#pragma once

#include "export/ModelPicture.h"
#include "model/ModelLayout.h"

#include <QImage>
#include <QPointer>
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

class LightMenu;

// The model drawn from above with its lights glowing as the module would light them. A light is
// dragged to its place with the mouse; a right click on it offers to name, double or remove it.
class ModelCanvas : public QWidget {
    Q_OBJECT
  public:
    // The shortest time between two paintings of the lights: a screen frame.
    static constexpr int kFrameMs = 20;

    explicit ModelCanvas(QWidget* parent = nullptr);

    // A drag under way ends where the light is now.
    void showModel(const ModelLayout& model);
    const ModelLayout& model() const { return model_; }
    // The colour each light has now (0x00BBGGRR, 0 for dark), in the model's order.
    void showColors(const std::vector<std::uint32_t>& colors);
    const std::vector<std::uint32_t>& colors() const { return colors_; }
    // What the view shows at its last frame: a light lit at any step since the frame before is
    // shown lit, so that a flash shorter than a frame is never lost between two.
    const std::vector<std::uint32_t>& shownColors() const { return shown_; }
    // Why the model's own picture is not shown, if it is not.
    QString pictureProblem() const { return outline_ ? outline_->pictureProblem() : QString(); }
    // The light at `pos`, if any: the one drawn on top.
    std::optional<std::size_t> lightAt(QPointF pos) const;
    QPointF centreOf(std::size_t light) const;
    // Where the pointer finds light `light`, in the view.
    QRectF lightBounds(std::size_t light) const;
    // The light's menu of Name..., Double and Remove at `globalPos`, as a right click opens it; it
    // closes when the model changes, so that it never acts on a light that is no longer there.
    void showMenu(std::size_t light, QPoint globalPos);

    QSize sizeHint() const override { return {320, 320}; }

  signals:
    // A light was dragged to a new place, given as shares of the outline.
    void placed(std::size_t light, double x, double y);
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
    void showFrame();
    QRectF place() const;
    const QImage& backdrop();
    const QImage& lightImage(std::uint32_t color);
    QPoint spriteAt(std::size_t i) const;
    int spriteSide() const;
    QRect lightRect(std::size_t i) const;
    bool overlapsAnother(std::size_t i) const;
    qreal reach() const;
    void paintLight(QPainter& painter, std::size_t i, QPoint origin);
    const QImage& patch(std::size_t i);

    ModelLayout model_;
    std::unique_ptr<ModelOutline> outline_;
    QImage backdrop_; // the ground and the outline at the view's size, so that a step only paints lights
    std::vector<std::uint32_t> colors_;
    std::vector<std::uint32_t> shown_;   // painted at the last frame
    std::vector<std::uint32_t> pending_; // for the next frame: lit if lit at any step since the last
    std::vector<bool> litSinceFrame_;
    std::optional<std::size_t> dragged_;
    std::map<std::uint32_t, QImage> sprites_; // each colour's light, at spriteRadius_ and spriteRatio_
    qreal spriteRadius_ = 0;
    qreal spriteRatio_ = 0;
    std::map<std::pair<std::size_t, std::uint32_t>, QImage> patches_; // (light, colour) over the backdrop
    QTimer frame_;
    QPointer<LightMenu> menu_; // while it is open
};

} // namespace zg
