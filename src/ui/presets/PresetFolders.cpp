#include "PresetFolders.h"

#include "files/UserDataFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

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
    return UserDataFolder() + QStringLiteral("/presets");
}

} // namespace zg
