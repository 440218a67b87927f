#include "ModelStore.h"

#include "export/PictureFile.h"
#include "files/UserSettings.h"
#include "ui/modelview/ModelNames.h"

#include <QDir>
#include <QFileInfo>

namespace zg {

namespace {
QString nameOf(const ModelLayout& model) {
    return QString::fromStdString(model.name);
}
} // namespace

ModelStore::ModelStore(const QString& folder, QObject* parent) : QObject(parent), library_(folder) {
    // A file replaced whole leaves the watch on the old one: both signals look again.
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        takeNewer();
        watch();
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        takeNewer();
        watch();
        emit listChanged();
    });
    watch();
}

QStringList ModelStore::names() const {
    QStringList names = library_.names();
    if (!kept_ && !names.contains(nameOf(model_), Qt::CaseInsensitive))
        names.prepend(nameOf(model_));
    return names;
}

std::optional<QString> ModelStore::choose(const QString& name) {
    // The name as listed; one typed in another case finds the model of that name.
    const QString kept = library_.names().contains(name) ? name : library_.find(name).value_or(name);
    ModelRead read = library_.load(kept);
    if (!read.model)
        return read.why;
    kept_ = true;
    ++generation_;
    showRead(*read.model, read.bytes);
    UserSettings::setModelName(kept);
    return std::nullopt;
}

// Shown as the user can work with it, nothing written: a model of an earlier version names its
// picture's file only, which is read now; an output without a light gets one. Both are kept with
// the model's next change.
void ModelStore::showRead(ModelLayout model, const QByteArray& bytes) {
    if (model.outline == Outline::Picture && model.picture.data.empty() && !model.picture.source.empty()) {
        if (const PictureRead read = ReadPictureFile(QString::fromStdString(model.picture.source));
            read.picture)
            model.picture = *read.picture;
    }
    CompleteLightsInLanguage(model);
    model_ = std::move(model);
    seen_ = bytes;
    watch();
    emit changed();
}

void ModelStore::show(const ModelLayout& model) {
    kept_ = false;
    ++generation_;
    seen_.clear();
    model_ = model;
    watch();
    emit changed();
}

void ModelStore::taken(const QString& what) {
    emit changedElsewhere(what);
    emit listChanged();
}

void ModelStore::takeNewer() {
    const QString name = nameOf(model_);
    const ModelRead read = library_.load(name);
    if (read.bytes == seen_ || (!kept_ && read.bytes.isEmpty()))
        return;
    if (!kept_) { // the first model, kept meanwhile by another window under its name
        if (!read.model)
            return;
        kept_ = true;
        showRead(*read.model, read.bytes);
        return taken(tr("The model was changed in another window; it is shown as it is now."));
    }
    if (read.bytes.isEmpty()) { // renamed, when a model of the same content is there now
        for (const QString& other : library_.names())
            if (library_.bytesOf(other) == seen_ && choose(other) == std::nullopt)
                return taken(tr("The model was renamed %1 in another window.").arg(other));
        kept_ = false;
        seen_.clear();
        return taken(
            tr("The model %1 was deleted in another window; a change here keeps it again.").arg(name));
    }
    if (!read.model) { // nothing to take; what this window writes next replaces it
        seen_ = read.bytes;
        return;
    }
    showRead(*read.model, read.bytes);
    taken(tr("The model was changed in another window; it is shown as it is now."));
}

std::optional<QString> ModelStore::change(const Change& change) {
    takeNewer();
    ModelLayout changed = model_;
    change(changed);
    if (changed == model_)
        return std::nullopt;
    return keep(changed);
}

std::optional<QString> ModelStore::keep(const ModelLayout& model, Replace replace) {
    const QString name = nameOf(model);
    const bool sameModel = name.compare(nameOf(model_), Qt::CaseInsensitive) == 0;
    const auto onDisk = library_.find(name);
    if (sameModel && onDisk && replace == Replace::No && library_.bytesOf(*onDisk) != seen_) {
        takeNewer();
        return tr("Another window changed the model just now; it is shown as it is now.");
    }
    if (!sameModel && onDisk && replace == Replace::No)
        return tr("There is a model %1 already.").arg(*onDisk);
    QByteArray written;
    if (const auto error = library_.save(model, &written))
        return error;
    if (!sameModel || replace == Replace::Yes)
        ++generation_;
    model_ = model;
    kept_ = true;
    seen_ = written;
    UserSettings::setModelName(name);
    watch();
    emit changed();
    if (!onDisk)
        emit listChanged();
    return std::nullopt;
}

std::optional<QString> ModelStore::rename(const QString& name) {
    if (!kept_) {
        ModelLayout renamed = model_;
        renamed.name = name.toStdString();
        return keep(renamed);
    }
    if (const auto error = library_.rename(nameOf(model_), name))
        return error;
    model_.name = name.toStdString();
    ++generation_;
    UserSettings::setModelName(name);
    watch();
    emit changed();
    emit listChanged();
    return std::nullopt;
}

std::optional<QString> ModelStore::remove() {
    if (kept_) {
        if (const auto error = library_.remove(nameOf(model_)))
            return error;
    }
    kept_ = false;
    ++generation_;
    seen_.clear();
    watch();
    emit listChanged();
    return std::nullopt;
}

// The model's file, and its folder; while there is no folder yet, the nearest folder above it,
// so that one made by another window is seen.
void ModelStore::watch() {
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    QString folder = library_.folder();
    while (!QDir(folder).exists() && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    watcher_.addPath(folder);
    if (kept_)
        watcher_.addPath(library_.pathOf(nameOf(model_)));
}

} // namespace zg
