#pragma once

#include "model/ModelLayout.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zg {

// The longest side a picture is kept at: sharp in a view across a large screen at twice the
// scale, and small enough that a model carries it.
inline constexpr int kPictureSide = 1600;

struct PictureRead {
    std::optional<OutlinePicture> picture;
    QString why; // when there is none: why the file gave none
};

// Why a drawing cannot be a model's outline, or nothing when it can: it must stand alone, since an
// image it names could be a FIFO that holds the program, or missing on another computer; a
// compressed drawing (SVGZ) cannot be looked into.
std::optional<QString> SvgProblem(const QByteArray& svg);

// Reads a picture file the user chose as a model's outline: a photo scaled down while it is read
// (never the whole of a phone's picture in memory) and turned upright as the camera noted, kept
// as PNG where it has transparency and as JPEG where not; an SVG as it is. Only a regular file is
// opened, so that a FIFO cannot hold the program.
PictureRead ReadPictureFile(const QString& path);

} // namespace zg
