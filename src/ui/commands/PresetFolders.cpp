#include "PresetFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace zg {

QString ShippedPresetFolder() {
    const QString applicationDir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {applicationDir + QStringLiteral("/presets"),
                                     applicationDir + QStringLiteral("/" ZG_PRESETS_FROM_BINDIR),
                                     QStringLiteral(ZG_INSTALLED_PRESETS)}) {
        if (const QFileInfo folder(candidate); folder.isDir())
            return folder.absoluteFilePath();
    }
    return {};
}

QString UserPresetFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/presets");
}

} // namespace zg
