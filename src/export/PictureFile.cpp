#include "PictureFile.h"

#include "files/ModelFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <filesystem>

namespace zg {

namespace {

struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(zg::ModelPicture)
};

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / (1 << 20), 'f', 1);
}

// An address inside the drawing, or the picture itself as data.
bool standsAlone(QStringView reference) {
    const QStringView trimmed = reference.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u'#') || trimmed.startsWith(u"data:", Qt::CaseInsensitive);
}

} // namespace

std::optional<QString> SvgProblem(const QByteArray& svg) {
    if (svg.startsWith("\x1f\x8b"))
        return PictureText::tr("it is a compressed drawing (SVGZ); save it as plain SVG");
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            if (attribute.name() == u"href" && !standsAlone(attribute.value()))
                return PictureText::tr("it draws in another file, %1; a drawing of a model must stand alone")
                    .arg(attribute.value().toString());
    }
    if (xml.hasError())
        return PictureText::tr("it is no drawing the program can show");
    return std::nullopt;
}

namespace {

PictureRead readSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > kMaxPictureBytes)
        return {std::nullopt, PictureText::tr("it is %1 MB; a model carries a drawing of up to %2 MB")
                                  .arg(megabytes(file.size()), megabytes(kMaxPictureBytes))};
    const QByteArray svg = file.readAll();
    if (const auto problem = SvgProblem(svg))
        return {std::nullopt, *problem};
    const QSvgRenderer renderer(svg);
    const QSizeF size = renderer.viewBoxF().size();
    if (!renderer.isValid() || !(size.width() > 0 && size.height() > 0))
        return {std::nullopt, PictureText::tr("it is no drawing the program can show")};
    return {OutlinePicture{path.toStdString(), "svg", svg.toStdString()}, {}};
}

// PNG keeps a cut-out's transparency; a photo is far smaller as JPEG.
QByteArray encoded(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, image.hasAlphaChannel() ? "png" : "jpeg");
    writer.setQuality(90);
    return writer.write(image) ? bytes : QByteArray();
}

PictureRead readImage(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return {std::nullopt, reader.errorString()};
    // Scaled while it is decoded: a phone's 8000 x 6000 photo is more than Qt lets one picture take.
    if (std::max(size.width(), size.height()) > kPictureSide)
        reader.setScaledSize(size.scaled(kPictureSide, kPictureSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return {std::nullopt, reader.errorString()};
    QByteArray bytes = encoded(image);
    while (bytes.size() > kMaxPictureBytes && image.width() > 64)
        bytes = encoded(image = image.scaledToWidth(image.width() * 3 / 4, Qt::SmoothTransformation));
    if (bytes.isEmpty() || bytes.size() > kMaxPictureBytes)
        return {std::nullopt, PictureText::tr("it cannot be made small enough for a model")};
    return {OutlinePicture{path.toStdString(), image.hasAlphaChannel() ? "png" : "jpeg", bytes.toStdString()},
            {}};
}

} // namespace

PictureRead ReadPictureFile(const QString& path) {
    std::error_code error;
    const std::filesystem::path where = QFileInfo(path).filesystemFilePath();
    if (!std::filesystem::is_regular_file(where, error))
        return {std::nullopt, std::filesystem::exists(where, error) ? PictureText::tr("it is not a file")
                                                                    : PictureText::tr("it does not exist")};
    const QByteArray format = QImageReader::imageFormat(path);
    if (format.startsWith("svg") || path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ||
        path.endsWith(QStringLiteral(".svgz"), Qt::CaseInsensitive))
        return readSvg(path);
    return readImage(path);
}

} // namespace zg
