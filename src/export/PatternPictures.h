#pragma once

#include "export/GifEncoder.h"
#include "model/LedSequence.h"
#include "playback/ModuleAnimation.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace zg {

// The animation's picture: the four LEDs as round lights side by side, black when dark.
inline constexpr QSize kAnimationSize{272, 80};
QPoint AnimationLightCentre(LedChannel led);

// The frames of `animation` drawn in the LEDs' colours, with a palette of the few colours used.
IndexedAnimation DrawAnimation(const LedSequence& sequence, const ModuleAnimation& animation);

// Writes what the module shows with the stick in the zones of `servoZoneMask` as an animated GIF;
// the reason when it cannot be written. Nothing is left at `path` then.
std::optional<QString> WriteAnimation(const LedSequence& sequence, int servoZoneMask, const QString& path);

// The pattern as the window draws it, with each LED's servo mode beside its row and the sequencer
// delay below, at `scale` times the screen's pixels.
QImage DrawPatternPicture(const LedSequence& sequence, qreal scale = 2.0);

// Writes that picture as a PNG, atomically; the reason when it cannot be written.
std::optional<QString> WritePatternPicture(const LedSequence& sequence, const QString& path);

} // namespace zg
