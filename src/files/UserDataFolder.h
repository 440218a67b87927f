#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zg {

// The one folder of the user's own files, the presets and the copies of unsaved work: on Linux
// ~/.local/share/zelta-glow/, as the manual and the man page say.
QString UserDataFolder();

// Where the user's models are kept, a file each.
QString UserModelFolder();

// Where earlier versions kept those files: the folder named after the organisation and the
// program (~/.local/share/zelta-glow/zelta-glow/), and on other systems the one without it.
QStringList EarlierUserDataFolders();

// A file moved under another name than it had, since its own was taken where it went.
struct RenamedFile {
    QString from; // full paths
    QString to;
};

// Moves the copies of unsaved work and the presets that the folders `earlier` hold into
// `folder`, so that they are offered and listed again. A file whose name is taken there moves
// under the first free one ("Mine (2).DAT", "Mine (3).DAT"...); the copy of a program still
// running stays where it is, and nothing is overwritten. Returns the presets that were renamed,
// for the user to learn: their names are the user's own. Cheap when there is nothing to move.
std::vector<RenamedFile> MoveEarlierUserData(const QString& folder, const QStringList& earlier);

} // namespace zg
