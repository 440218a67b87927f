#include "ManualLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zg {

namespace {

std::optional<QString> existingFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile())
        return std::nullopt;
    return file.absoluteFilePath();
}

QStringList manualPlaces(const QString& applicationDir, const QString& installedManual) {
    QStringList places;
    if (!applicationDir.isEmpty()) {
        for (const QString& relative : {QStringLiteral("manual.html"), QStringLiteral(ZG_MANUAL_FROM_BINDIR)})
            places << QFileInfo(applicationDir + u'/' + relative).absoluteFilePath();
    }
    if (!installedManual.isEmpty())
        places << installedManual;
    places.removeDuplicates();
    return places;
}

} // namespace

QStringList ManualPlaces() {
    return manualPlaces(QCoreApplication::applicationDirPath(), QStringLiteral(ZG_INSTALLED_MANUAL));
}

std::optional<QString> ManualLocation(const QString& applicationDir, const QString& installedManual) {
    for (const QString& place : manualPlaces(applicationDir, installedManual))
        if (auto manual = existingFile(place))
            return manual;
    return std::nullopt;
}

std::optional<QString> ManualLocation() {
    return ManualLocation(QCoreApplication::applicationDirPath(), QStringLiteral(ZG_INSTALLED_MANUAL));
}

} // namespace zg
