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

} // namespace

std::optional<QString> ManualLocation(const QString& applicationDir, const QString& installedManual) {
    if (!applicationDir.isEmpty()) {
        for (const QString& relative : {QStringLiteral("manual.html"), QStringLiteral(ZG_MANUAL_FROM_BINDIR)})
            if (auto manual = existingFile(applicationDir + u'/' + relative))
                return manual;
    }
    if (!installedManual.isEmpty())
        return existingFile(installedManual);
    return std::nullopt;
}

std::optional<QString> ManualLocation() {
    return ManualLocation(QCoreApplication::applicationDirPath(), QStringLiteral(ZG_INSTALLED_MANUAL));
}

} // namespace zg
