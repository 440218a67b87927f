#include "ModelStore.h"

#include "export/PictureFile.h"
#include "files/UserSettings.h"

#include <QDir>

namespace zg {

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
    if (!kept_ && !names.contains(QString::fromStdString(model_.name), Qt::CaseInsensitive))
        names.prepend(QString::fromStdString(model_.name));
    return names;
}

std::optional<QString> ModelStore::choose(const QString& name) {
    // The name as listed; one typed in another case finds the model of that name.
    const QString kept = library_.names().contains(name) ? name : library_.find(name).value_or(name);
    ModelRead read = library_.load(kept);
    if (!read.model)
        return read.why;
    kept_ = true;
    showRead(*read.model, read.bytes);
    UserSettings::setModelName(kept);
    return std::nullopt;
}

// A model of an earlier version names its picture's file only: it is read from there now, and
// kept inside the model at its next change.
void ModelStore::showRead(ModelLayout model, const QByteArray& bytes) {
    if (model.outline == Outline::Picture && model.picture.data.empty() && !model.picture.source.empty()) {
        if (const PictureRead read = ReadPictureFile(QString::fromStdString(model.picture.source)); read.picture)
            model.picture = *read.picture;
    }
    model_ = std::move(model);
    seen_ = bytes;
    watch();
    emit changed();
}

void ModelStore::show(const ModelLayout& model) {
    kept_ = false;
    seen_.clear();
    model_ = model;
    watch();
    emit changed();
}

bool ModelStore::takeNewer() {
    if (!kept_)
        return false;
    const QString name = QString::fromStdString(model_.name);
    const ModelRead read = library_.load(name);
    if (read.bytes == seen_)
        return false;
    if (read.bytes.isEmpty()) { // taken away: a change here keeps it again
        kept_ = false;
        seen_.clear();
        emit listChanged();
        return false;
    }
    if (!read.model) { // nothing to take; what this window writes next replaces it
        seen_ = read.bytes;
        return false;
    }
    showRead(*read.model, read.bytes);
    emit changedElsewhere();
    return true;
}

std::optional<QString> ModelStore::keep(const ModelLayout& model, Replace replace) {
    const QString name = QString::fromStdString(model.name);
    const bool sameFile =
        kept_ && name.compare(QString::fromStdString(model_.name), Qt::CaseInsensitive) == 0;
    if (sameFile && library_.bytesOf(name) != seen_) {
        takeNewer();
        return tr("Another window changed the model just now; it is shown as it is now.");
    }
    if (!sameFile && replace == Replace::No && library_.find(name))
        return tr("There is a model %1 already.").arg(*library_.find(name));
    QByteArray written;
    if (const auto error = library_.save(model, &written))
        return error;
    model_ = model;
    kept_ = true;
    seen_ = written;
    UserSettings::setModelName(name);
    watch();
    emit changed();
    if (!sameFile)
        emit listChanged();
    return std::nullopt;
}

std::optional<QString> ModelStore::rename(const QString& name) {
    if (!kept_) {
        ModelLayout renamed = model_;
        renamed.name = name.toStdString();
        return keep(renamed);
    }
    if (const auto error = library_.rename(QString::fromStdString(model_.name), name))
        return error;
    model_.name = name.toStdString();
    UserSettings::setModelName(name);
    watch();
    emit changed();
    emit listChanged();
    return std::nullopt;
}

std::optional<QString> ModelStore::remove() {
    if (kept_) {
        if (const auto error = library_.remove(QString::fromStdString(model_.name)))
            return error;
    }
    kept_ = false;
    seen_.clear();
    watch();
    emit listChanged();
    return std::nullopt;
}

void ModelStore::watch() {
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    if (QDir(library_.folder()).exists())
        watcher_.addPath(library_.folder());
    if (kept_)
        watcher_.addPath(library_.pathOf(QString::fromStdString(model_.name)));
}

} // namespace zg
