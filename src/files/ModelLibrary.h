#pragma once

#include "ModelFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zg {

// `name` made one that a model's file can carry: the characters file systems refuse and line
// breaks become blanks, dots and blanks go from its ends, it is cut to the longest name; empty
// when nothing is left or it names a device.
QString SafeModelName(const QString& name);

// The user's models, a file each in one folder of the user's data folder. A model is kept under
// its file's name, whatever name a copied file holds inside; names are unique regardless of case,
// as on the file systems that ignore it.
class ModelLibrary {
  public:
    explicit ModelLibrary(QString folder) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }
    QString pathOf(const QString& name) const;
    // The names of the models kept, in the user's alphabetical order.
    QStringList names() const;
    // The name a model is kept under that equals `name` regardless of case.
    std::optional<QString> find(const QString& name) const;
    ModelRead load(const QString& name) const;
    // What the model's file holds now; empty when there is none.
    QByteArray bytesOf(const QString& name) const;

    // Keeps the model under its name, which must be one a file can carry; `written` gets the
    // file's new content. The reason when it cannot be written.
    std::optional<QString> save(const ModelLayout& model, QByteArray* written = nullptr) const;
    std::optional<QString> rename(const QString& from, const QString& to) const;
    // Into the wastebasket where the system has one.
    std::optional<QString> remove(const QString& name) const;

    // One file to share a model, and the model such a file holds.
    static std::optional<QString> exportTo(const ModelLayout& model, const QString& path);
    static ModelRead importFrom(const QString& path) { return ReadModelFile(path); }

  private:
    QString folder_;
};

} // namespace zg
