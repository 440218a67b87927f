#pragma once

#include "model/LedSequence.h"
#include "model/ModelLayout.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace zg {

// What a model is drawn from: a shipped outline as a line drawing in one colour, or the user's
// own picture as it is, decoded once and drawn at any size.
class ModelOutline {
  public:
    // The outline of `model`, a shipped one in `ink`; where the model's picture cannot be shown,
    // the plane, and why in pictureProblem().
    ModelOutline(const ModelLayout& model, const QColor& ink);

    // Why the model's picture is not shown ("it does not exist"); empty when it is.
    const QString& pictureProblem() const { return problem_; }

    // The place the outline takes in `area`, its shape kept; lights sit at shares of it.
    QRectF placeIn(const QRectF& area) const;
    // The outline at that place, as `size` device pixels.
    QImage render(QSize size, qreal devicePixelRatio) const;

  private:
    QByteArray svg_; // a shipped outline or an SVG picture
    QImage picture_; // a PNG or JPEG picture
    QColor ink_;
    QString problem_;
    QSizeF shape_{1, 1};
};

// Where a light's centre is drawn in the outline's place.
QPointF LightCentre(const ModelLight& light, const QRectF& outlinePlace);
// The radius of a light's glow in an outline place of that size.
qreal LightRadius(const QRectF& outlinePlace);

// Draws each light at its place: in its colour with a glow round it when lit, as a small dark
// dot with a rim in `rim` when dark. Smooth for the screen; without smoothing for a GIF, so that
// a frame holds a few colours only.
void PaintLights(QPainter& painter, const QRectF& outlinePlace, const ModelLayout& model,
                 const std::vector<std::uint32_t>& colors, const QColor& rim, bool smooth);

// The model is shown as at dusk, on every palette alike: a dark ground where every LED colour,
// white too, stands out, and the outline drawn light on it.
inline const QColor kModelGround(32, 36, 40);
inline const QColor kModelInk(176, 180, 186);

// The model as the animation shows it: the outline on that ground with its lights.
inline constexpr QSize kModelAnimationSize{240, 240};

// Where the outline of `model` is drawn in the animation's frames.
QRectF ModelAnimationPlace(const ModelOutline& outline);

// Writes what the module shows on the model, drawn on `outline`, with the stick in the zones of
// `servoZoneMask` as an animated GIF, frame for frame as the indicators' animation; the reason
// when it cannot.
std::optional<QString> WriteModelAnimation(const LedSequence& sequence, int servoZoneMask,
                                           const ModelLayout& model, const ModelOutline& outline,
                                           const QString& path);

} // namespace zg
