#include "ModelFile.h"

#include "WholeFile.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace zg {

namespace {

struct ModelText {
    Q_DECLARE_TR_FUNCTIONS(zg::ModelFile)
};

const QString kFormat = QStringLiteral("zelta-glow model");
constexpr qint64 kMaxModelBytes = 1 << 20; // a model is a few hundred bytes

QJsonObject lightToJson(const ModelLight& light) {
    return {{QStringLiteral("output"), light.led + 1},
            {QStringLiteral("x"), light.x},
            {QStringLiteral("y"), light.y},
            {QStringLiteral("name"), QString::fromStdString(light.name)}};
}

std::optional<ModelLight> lightFromJson(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const int output = object.value(QStringLiteral("output")).toInt(0);
    if (output < 1 || output > kLedCount || !object.value(QStringLiteral("x")).isDouble() ||
        !object.value(QStringLiteral("y")).isDouble())
        return std::nullopt;
    ModelLight light;
    light.led = output - 1;
    light.x = std::clamp(object.value(QStringLiteral("x")).toDouble(), 0.0, 1.0);
    light.y = std::clamp(object.value(QStringLiteral("y")).toDouble(), 0.0, 1.0);
    light.name = object.value(QStringLiteral("name")).toString().toStdString();
    return light;
}

void setWhy(QString* why, const QString& text) {
    if (why)
        *why = text;
}

} // namespace

QByteArray ModelToJson(const ModelLayout& model) {
    QJsonArray lights;
    for (const ModelLight& light : model.lights)
        lights.append(lightToJson(light));
    QJsonObject object{{QStringLiteral("format"), kFormat},
                       {QStringLiteral("version"), 1},
                       {QStringLiteral("name"), QString::fromStdString(model.name)},
                       {QStringLiteral("outline"), QString::fromLatin1(OutlineKey(model.outline))},
                       {QStringLiteral("lights"), lights}};
    if (!model.picture.empty())
        object.insert(QStringLiteral("picture"), QString::fromStdString(model.picture));
    return QJsonDocument(object).toJson();
}

std::optional<ModelLayout> ModelFromJson(const QByteArray& json, QString* why) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        setWhy(why,
               ModelText::tr("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    const auto outline = OutlineFromKey(object.value(QStringLiteral("outline")).toString().toStdString());
    if (object.value(QStringLiteral("format")).toString() != kFormat || !outline) {
        setWhy(why, ModelText::tr("it holds no Zelta-Glow model"));
        return std::nullopt;
    }
    ModelLayout model;
    model.name = object.value(QStringLiteral("name")).toString().toStdString();
    model.outline = *outline;
    model.picture = object.value(QStringLiteral("picture")).toString().toStdString();
    for (const QJsonValue& value : object.value(QStringLiteral("lights")).toArray()) {
        const auto light = lightFromJson(value);
        if (!light) {
            setWhy(why, ModelText::tr("one of its lights has no output from 1 to 4 or no place"));
            return std::nullopt;
        }
        model.lights.push_back(*light);
    }
    return model;
}

QString ModelLibrary::pathOf(const QString& name) const {
    return QDir(folder_).filePath(name + QStringLiteral(".json"));
}

QStringList ModelLibrary::names() const {
    QStringList names;
    for (const QFileInfo& file : QDir(folder_).entryInfoList({QStringLiteral("*.json")}, QDir::Files))
        names << file.completeBaseName();
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), order);
    return names;
}

ModelRead ModelLibrary::importFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > kMaxModelBytes)
        return {std::nullopt, ModelText::tr("it is far too large for a model")};
    ModelRead read;
    read.model = ModelFromJson(file.read(kMaxModelBytes), &read.why);
    return read;
}

ModelRead ModelLibrary::load(const QString& name) const {
    ModelRead read = importFrom(pathOf(name));
    if (read.model && read.model->name.empty())
        read.model->name = name.toStdString();
    return read;
}

std::optional<QString> ModelLibrary::save(const ModelLayout& model) const {
    if (!QDir().mkpath(folder_))
        return ModelText::tr("The folder %1 cannot be created.").arg(folder_);
    return WriteWholeFile(pathOf(QString::fromStdString(model.name)), ModelToJson(model));
}

bool ModelLibrary::remove(const QString& name) const {
    return QFile::remove(pathOf(name));
}

std::optional<QString> ModelLibrary::exportTo(const ModelLayout& model, const QString& path) {
    return WriteWholeFile(path, ModelToJson(model));
}

} // namespace zg
