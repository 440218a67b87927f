#include "ModelPicture.h"

#include "export/FormColors.h"
#include "export/GifEncoder.h"
#include "export/PictureFile.h"
#include "files/WholeFile.h"
#include "playback/ModelLights.h"
#include "playback/ModuleAnimation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>

namespace zg {

namespace {

QByteArray shippedOutline(Outline outline) {
    QFile file(QStringLiteral(":/outlines/%1.svg").arg(QString::fromLatin1(OutlineKey(outline))));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The outline's strokes in one colour: the SVG's shapes keep their coverage, take the ink.
QImage inked(QImage image, const QColor& ink) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), ink);
    return image;
}

// The picture a model carries; one of an earlier version, which named only its file, is read
// from there.
PictureRead pictureOf(const ModelLayout& model) {
    if (!model.picture.data.empty() || model.picture.source.empty())
        return {model.picture, {}};
    return ReadPictureFile(QString::fromStdString(model.picture.source));
}

} // namespace

ModelOutline::ModelOutline(const ModelLayout& model, const QColor& ink) {
    if (model.outline == Outline::Picture) {
        PictureRead read = pictureOf(model);
        const QByteArray data = read.picture ? QByteArray::fromStdString(read.picture->data) : QByteArray();
        if (read.picture && read.picture->format == "svg") {
            // A shared model's drawing is looked into as a chosen one: it may name a FIFO.
            if (const auto problem = SvgProblem(data))
                read.why = *problem;
            else
                svg_ = data; // the user's drawing keeps its colours
        } else if (read.picture)
            picture_ = QImage::fromData(data, read.picture->format.c_str());
        if (svg_.isEmpty() && picture_.isNull())
            problem_ = !read.why.isEmpty() ? read.why
                       : model.picture.data.empty()
                           ? QCoreApplication::translate("zg::ModelPicture", "the model names no picture")
                           : QCoreApplication::translate("zg::ModelPicture", "the picture it carries is damaged");
    }
    if (svg_.isEmpty() && picture_.isNull()) {
        svg_ = shippedOutline(model.outline == Outline::Picture ? Outline::Plane : model.outline);
        ink_ = ink; // only the shipped line drawings take the ink
    }
    if (!picture_.isNull())
        shape_ = picture_.size();
    else if (const QSvgRenderer renderer(svg_); renderer.isValid() && !renderer.viewBoxF().isEmpty())
        shape_ = renderer.viewBoxF().size();
}

QRectF ModelOutline::placeIn(const QRectF& area) const {
    QSizeF size = shape_;
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRectF place(QPointF(), size);
    place.moveCenter(area.center());
    return place;
}

QImage ModelOutline::render(QSize size, qreal devicePixelRatio) const {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!picture_.isNull())
            painter.drawImage(image.rect(), picture_);
        else
            QSvgRenderer(svg_).render(&painter, QRectF(image.rect()));
    }
    if (ink_.isValid())
        image = inked(image, ink_);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QPointF LightCentre(const ModelLight& light, const QRectF& outlinePlace) {
    return {outlinePlace.left() + light.x * outlinePlace.width(),
            outlinePlace.top() + light.y * outlinePlace.height()};
}

qreal LightRadius(const QRectF& outlinePlace) {
    return std::max(4.0, std::min(outlinePlace.width(), outlinePlace.height()) * 0.045);
}

void PaintLights(QPainter& painter, const QRectF& outlinePlace, const ModelLayout& model,
                 const std::vector<std::uint32_t>& colors, const QColor& rim, bool smooth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    const qreal radius = LightRadius(outlinePlace);
    for (std::size_t i = 0; i < model.lights.size() && i < colors.size(); ++i) {
        const QPointF centre = LightCentre(model.lights[i], outlinePlace);
        if (colors[i] == 0) {
            painter.setPen(QPen(rim, 1));
            painter.setBrush(Qt::black);
            painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
            continue;
        }
        const QColor colour = ColorOf(colors[i]);
        painter.setPen(Qt::NoPen);
        if (smooth) {
            QRadialGradient glow(centre, radius * 2.2);
            glow.setColorAt(0, colour);
            glow.setColorAt(0.35, colour);
            QColor edge = colour;
            edge.setAlpha(0);
            glow.setColorAt(1, edge);
            painter.setBrush(glow);
            painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
        } else {
            QColor halo = colour;
            halo.setAlpha(110);
            painter.setBrush(halo);
            painter.drawEllipse(centre, radius * 1.6, radius * 1.6);
        }
        painter.setBrush(colour);
        painter.drawEllipse(centre, radius * 0.8, radius * 0.8);
    }
    painter.restore();
}

QRectF ModelAnimationPlace(const ModelOutline& outline) {
    return outline.placeIn(QRectF(QPointF(), QSizeF(kModelAnimationSize)).adjusted(12, 12, -12, -12));
}

std::optional<QString> WriteModelAnimation(const LedSequence& sequence, int servoZoneMask,
                                           const ModelLayout& model, const ModelOutline& outline,
                                           const QString& path) {
    const ModuleAnimation animation = AnimateModule(sequence, servoZoneMask);
    const QRectF place = ModelAnimationPlace(outline);
    const QImage drawn = outline.render(place.size().toSize(), 1.0);
    const auto frameOf = [&](const std::array<bool, kLedCount>& lit) {
        QImage frame(kModelAnimationSize, QImage::Format_RGB32);
        frame.fill(kModelGround);
        QPainter painter(&frame);
        painter.drawImage(place.topLeft(), drawn);
        PaintLights(painter, place, model, LightColors(model, sequence, lit), kModelInk.darker(160), false);
        return frame;
    };
    // One palette for every frame, from the outline with every light lit and every light dark.
    QImage both(kModelAnimationSize.width() * 2, kModelAnimationSize.height(), QImage::Format_RGB32);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, frameOf({}));
        painter.drawImage(kModelAnimationSize.width(), 0, frameOf({true, true, true, true}));
    }
    QList<QRgb> table = both.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).colorTable();
    // The ground exactly, whatever else the picture holds: every model is seen on the same dusk.
    const auto distance = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    const QRgb ground = kModelGround.rgb();
    *std::min_element(table.begin(), table.end(), [&](QRgb a, QRgb b) {
        return distance(a, ground) < distance(b, ground);
    }) = ground;
    IndexedAnimation indexed{kModelAnimationSize.width(), kModelAnimationSize.height(), {}, {}};
    for (const QRgb colour : table)
        indexed.palette.push_back(colour & 0xFFFFFF);
    for (const AnimationFrame& frame : animation.frames) {
        const QImage image =
            frameOf(frame.lit).convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
        IndexedAnimation::Frame pixels{{}, frame.delayCs};
        pixels.pixels.reserve(std::size_t(image.width() * image.height()));
        for (int y = 0; y < image.height(); ++y)
            pixels.pixels.insert(pixels.pixels.end(), image.constScanLine(y),
                                 image.constScanLine(y) + image.width());
        indexed.frames.push_back(std::move(pixels));
    }
    std::string bytes;
    if (const auto error = EncodeGif(indexed, bytes))
        return QCoreApplication::translate("zg::PatternPictures", "The animation could not be encoded: %1")
            .arg(QString::fromStdString(*error));
    return WriteWholeFile(path, QByteArray::fromStdString(bytes));
}

} // namespace zg
