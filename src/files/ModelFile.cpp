#include "ModelFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace zg {

namespace {

struct ModelText {
    Q_DECLARE_TR_FUNCTIONS(zg::ModelFile)
};

const QString kFormat = QStringLiteral("zelta-glow model");
const QStringList kPictureFormats{QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("svg")};

QJsonObject lightToJson(const ModelLight& light) {
    return {{QStringLiteral("output"), light.led + 1},
            {QStringLiteral("x"), light.x},
            {QStringLiteral("y"), light.y},
            {QStringLiteral("name"), QString::fromStdString(light.name)}};
}

std::optional<ModelLight> lightFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const int output = object.value(QStringLiteral("output")).toInt(0);
    const double x = object.value(QStringLiteral("x")).toDouble(NAN);
    const double y = object.value(QStringLiteral("y")).toDouble(NAN);
    if (output < 1 || output > kLedCount || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    ModelLight light;
    light.led = output - 1;
    light.x = std::clamp(x, 0.0, 1.0);
    light.y = std::clamp(y, 0.0, 1.0);
    light.name = LightName(object.value(QStringLiteral("name")).toString()).toStdString();
    return light;
}

QJsonObject pictureToJson(const OutlinePicture& picture) {
    QJsonObject object{{QStringLiteral("file"), QString::fromStdString(picture.source)}};
    if (!picture.data.empty()) {
        object.insert(QStringLiteral("format"), QString::fromStdString(picture.format));
        object.insert(QStringLiteral("data"),
                      QString::fromLatin1(QByteArray::fromStdString(picture.data).toBase64()));
    }
    return object;
}

// An earlier version named the picture's file only; this one carries the picture too.
std::optional<OutlinePicture> pictureFromJson(const QJsonValue& value, QString* why) {
    OutlinePicture picture;
    if (value.isString()) {
        picture.source = value.toString().toStdString();
        return picture;
    }
    const QJsonObject object = value.toObject();
    picture.source = object.value(QStringLiteral("file")).toString().toStdString();
    const QString data = object.value(QStringLiteral("data")).toString();
    if (data.isEmpty())
        return picture;
    const QString format = object.value(QStringLiteral("format")).toString();
    const auto decoded =
        QByteArray::fromBase64Encoding(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    // Qt takes a lone character as valid base64 of nothing: that is no picture, and damaged.
    if (!kPictureFormats.contains(format) || !decoded || decoded.decoded.isEmpty() ||
        decoded.decoded.size() > kMaxPictureBytes) {
        *why = ModelText::tr("the picture it carries is damaged");
        return std::nullopt;
    }
    picture.format = format.toStdString();
    picture.data = decoded.decoded.toStdString();
    return picture;
}

} // namespace

QString LightName(const QString& typed) {
    constexpr qsizetype kLongest = 60;
    QString name;
    for (const QChar c : typed)
        name += c.category() == QChar::Other_Control ? QChar(u' ') : c;
    return name.simplified().left(kLongest).trimmed();
}

QByteArray ModelToJson(const ModelLayout& model) {
    QJsonArray lights;
    for (const ModelLight& light : model.lights)
        lights.append(lightToJson(light));
    QJsonObject object{{QStringLiteral("format"), kFormat},
                       {QStringLiteral("version"), 2},
                       {QStringLiteral("name"), QString::fromStdString(model.name)},
                       {QStringLiteral("outline"), QString::fromLatin1(OutlineKey(model.outline))},
                       {QStringLiteral("lights"), lights}};
    if (model.outline == Outline::Picture)
        object.insert(QStringLiteral("picture"), pictureToJson(model.picture));
    return QJsonDocument(object).toJson();
}

std::optional<ModelLayout> ModelFromJson(const QByteArray& json, QString* why) {
    QString reason;
    const auto refuse = [&](const QString& text) {
        if (why)
            *why = text;
        return std::nullopt;
    };
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(
            ModelText::tr("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    const QJsonObject object = document.object();
    const auto outline = OutlineFromKey(object.value(QStringLiteral("outline")).toString().toStdString());
    if (object.value(QStringLiteral("format")).toString() != kFormat || !outline)
        return refuse(ModelText::tr("it holds no Zelta-Glow model"));
    const QJsonArray lights = object.value(QStringLiteral("lights")).toArray();
    if (std::size_t(lights.size()) > kMaxModelLights)
        return refuse(ModelText::tr("it has %1 lights; a model has at most %2")
                          .arg(lights.size())
                          .arg(kMaxModelLights));
    ModelLayout model;
    model.name = object.value(QStringLiteral("name")).toString().toStdString();
    model.outline = *outline;
    if (model.outline == Outline::Picture) {
        const auto picture = pictureFromJson(object.value(QStringLiteral("picture")), &reason);
        if (!picture)
            return refuse(reason);
        model.picture = *picture;
    }
    for (const QJsonValue& value : lights) {
        const auto light = lightFromJson(value);
        if (!light)
            return refuse(ModelText::tr("one of its lights has no output from 1 to 4 or no place"));
        model.lights.push_back(*light);
    }
    return model;
}

ModelRead ReadModelFile(const QString& path) {
    std::error_code error;
    const std::filesystem::path where = QFileInfo(path).filesystemFilePath();
    // A FIFO or a device would block the program or never end: only a regular file is opened.
    if (!std::filesystem::is_regular_file(where, error))
        return {std::nullopt,
                std::filesystem::exists(where, error) ? ModelText::tr("it is not a file")
                                                      : ModelText::tr("it does not exist"),
                {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString(), {}};
    if (file.size() > kMaxModelBytes)
        return {std::nullopt, ModelText::tr("it is far too large for a model"), {}};
    ModelRead read;
    read.bytes = file.read(kMaxModelBytes + 1);
    if (read.bytes.size() > kMaxModelBytes) // it grew while it was read
        return {std::nullopt, ModelText::tr("it is far too large for a model"), {}};
    read.model = ModelFromJson(read.bytes, &read.why);
    return read;
}

} // namespace zg
