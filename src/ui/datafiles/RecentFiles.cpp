#include "RecentFiles.h"

#include "export/PlainTip.h"
#include "files/UserSettings.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/DataFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace zg {

RecentFiles::RecentFiles(QWidget& window, UserDialogs& dialogs, DataFileCommands& files, QObject* parent)
    : QObject(parent), window_(window), dialogs_(dialogs), files_(files) {}

void RecentFiles::fillMenu(QMenu* menu) {
    menu->clear();
    const QStringList files = UserSettings::recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString name = QFileInfo(path).fileName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction* item = menu->addAction(tr("&%1 %2").arg(i + 1).arg(name));
        item->setToolTip(PlainTip(QDir::toNativeSeparators(path)));
        connect(item, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (files.isEmpty())
        menu->addAction(tr("(none)"))->setEnabled(false);
    menu->setToolTipsVisible(true);
    menu->addSeparator();
    QAction* clearItem = menu->addAction(tr("&Clear List"));
    clearItem->setObjectName(QStringLiteral("MENUclearrecent"));
    clearItem->setEnabled(!files.isEmpty());
    connect(clearItem, &QAction::triggered, this, &RecentFiles::clear);
}

void RecentFiles::open(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        UserSettings::removeRecentFile(path);
        dialogs_.exclaim(&window_, tr("The file\r%1\ris no longer there. It was taken off the list of recent "
                                      "files.")
                                       .arg(QDir::toNativeSeparators(path)));
        return;
    }
    files_.openPath(path);
}

void RecentFiles::clear() {
    UserSettings::setRecentFiles({});
}

} // namespace zg
