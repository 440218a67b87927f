#include "ModelLibrary.h"

#include "PresetLibrary.h"
#include "WholeFile.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zg {

namespace {

struct LibraryText {
    Q_DECLARE_TR_FUNCTIONS(zg::ModelFile)
};

const QString kModelSuffix = QStringLiteral(".json");

std::optional<QString> nameProblem(const QString& name) {
    if (const auto problem = FileNameProblem(name.toStdString()))
        return LibraryText::tr("%1 cannot name a model: %2").arg(name, QString::fromStdString(*problem));
    return std::nullopt;
}

} // namespace

QString SafeModelName(const QString& name) {
    QString safe;
    for (const QChar c : name)
        safe += c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)
                    ? QChar(u' ')
                    : c;
    const auto strip = [](QString text) {
        while (!text.isEmpty() && (text.front() == u'.' || text.front().isSpace()))
            text.remove(0, 1);
        while (!text.isEmpty() && (text.back() == u'.' || text.back().isSpace()))
            text.chop(1);
        return text;
    };
    safe = safe.simplified().left(kMaxNameLength);
    while (safe.toUtf8().size() > qsizetype(kMaxNameBytes))
        safe.chop(1);
    safe = strip(safe);
    return FileNameProblem(safe.toStdString()) ? QString() : safe;
}

QString ModelLibrary::pathOf(const QString& name) const {
    return QDir(folder_).filePath(name + kModelSuffix);
}

QStringList ModelLibrary::names() const {
    QStringList names;
    // Only the files a model is kept in: "Upper.JSON" is none on a system that tells cases apart.
    for (const QFileInfo& file :
         QDir(folder_).entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::CaseSensitive))
        if (!nameProblem(file.completeBaseName()))
            names << file.completeBaseName();
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    order.setNumericMode(true);
    std::sort(names.begin(), names.end(), order);
    return names;
}

std::optional<QString> ModelLibrary::find(const QString& name) const {
    for (const QString& kept : names())
        if (kept.compare(name, Qt::CaseInsensitive) == 0)
            return kept;
    return std::nullopt;
}

ModelRead ModelLibrary::load(const QString& name) const {
    if (nameProblem(name))
        return {std::nullopt, LibraryText::tr("there is no model of that name"), {}};
    ModelRead read = ReadModelFile(pathOf(name));
    if (read.model)
        read.model->name = name.toStdString(); // a copied file keeps the name of the one it was copied from
    return read;
}

QByteArray ModelLibrary::bytesOf(const QString& name) const {
    return ReadModelFile(pathOf(name)).bytes;
}

std::optional<QString> ModelLibrary::save(const ModelLayout& model, QByteArray* written) const {
    const QString name = QString::fromStdString(model.name);
    if (const auto problem = nameProblem(name))
        return problem;
    if (!QDir().mkpath(folder_))
        return LibraryText::tr("The folder %1 cannot be created.").arg(folder_);
    const QByteArray json = ModelToJson(model);
    if (const auto error = WriteWholeFile(pathOf(name), json))
        return error;
    if (written)
        *written = json;
    return std::nullopt;
}

std::optional<QString> ModelLibrary::rename(const QString& from, const QString& to) const {
    if (const auto problem = nameProblem(to))
        return problem;
    const auto taken = find(to);
    if (taken && taken->compare(from, Qt::CaseInsensitive) != 0)
        return LibraryText::tr("There is a model %1 already.").arg(*taken);
    QFile file(pathOf(from));
    if (!file.rename(pathOf(to)))
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> ModelLibrary::remove(const QString& name) const {
    QFile file(pathOf(name));
    if (file.moveToTrash() || file.remove())
        return std::nullopt;
    return file.errorString();
}

std::optional<QString> ModelLibrary::exportTo(const ModelLayout& model, const QString& path) {
    return WriteWholeFile(path, ModelToJson(model));
}

} // namespace zg
