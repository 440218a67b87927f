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

std::optional<QString> ManualLocation(const QString& applicationDir, const QString& sourceDir) {
    if (!applicationDir.isEmpty()) {
        if (auto installed = existingFile(applicationDir + u'/' + QStringLiteral(ZG_MANUAL_FROM_BINDIR)))
            return installed;
    }
    if (!sourceDir.isEmpty())
        return existingFile(sourceDir + QStringLiteral("/docs/manual.html"));
    return std::nullopt;
}

std::optional<QString> ManualLocation() {
    return ManualLocation(QCoreApplication::applicationDirPath(), QStringLiteral(ZG_SOURCE_DIR));
}

} // namespace zg
