#pragma once

#include "model/ModelLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zg {

// A model as a small JSON file: its outline, its picture if it has one, and its lights with the
// output (1 to 4) that feeds each. Written whole through the program's one writer.
QByteArray ModelToJson(const ModelLayout& model);
// The model a file holds; nothing, with the reason in `why`, when it is no model file.
std::optional<ModelLayout> ModelFromJson(const QByteArray& json, QString* why = nullptr);

struct ModelRead {
    std::optional<ModelLayout> model;
    QString why; // when there is no model: what is wrong with the file
};

// The user's models, a file each in one folder of the user's data folder, by the model's name.
class ModelLibrary {
  public:
    explicit ModelLibrary(QString folder) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }
    // The names of the models kept, in the user's alphabetical order.
    QStringList names() const;
    ModelRead load(const QString& name) const;
    // Keeps the model under its name; the reason when it cannot be written.
    std::optional<QString> save(const ModelLayout& model) const;
    bool remove(const QString& name) const;

    // One file to share a model, and the model such a file holds.
    static std::optional<QString> exportTo(const ModelLayout& model, const QString& path);
    static ModelRead importFrom(const QString& path);

  private:
    QString pathOf(const QString& name) const;

    QString folder_;
};

} // namespace zg
