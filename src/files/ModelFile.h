#pragma once

#include "model/ModelLayout.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zg {

// The largest picture a model carries, and the largest model file read (its picture as base64).
inline constexpr qint64 kMaxPictureBytes = 3 << 20;
inline constexpr qint64 kMaxModelBytes = 5 << 20;

// A model as a small JSON file: its outline, its picture if it has one, and its lights with the
// output (1 to 4) that feeds each. Written whole through the program's one writer.
QByteArray ModelToJson(const ModelLayout& model);
// The model a file holds; nothing, with the reason in `why`, when it is no model file.
std::optional<ModelLayout> ModelFromJson(const QByteArray& json, QString* why = nullptr);

struct ModelRead {
    std::optional<ModelLayout> model;
    QString why;      // when there is no model: what is wrong with the file
    QByteArray bytes; // the file as read, to tell a later change of it by another program
};

// A light's name as the model keeps it: one line, no blanks at its ends, at most 60 characters.
QString LightName(const QString& typed);

// Reads a model file that the user names: a regular file of a model's size, else the reason.
ModelRead ReadModelFile(const QString& path);

} // namespace zg
