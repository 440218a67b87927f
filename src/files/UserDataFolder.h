#pragma once

#include <QString>
#include <QStringList>

namespace zg {

// The one folder of the user's own files, the presets and the copies of unsaved work: on Linux
// ~/.local/share/zelta-glow/, as the manual and the man page say.
QString UserDataFolder();

// Where the user's models are kept, a file each.
QString UserModelFolder();

// Where earlier versions kept those files: the folder named after the organisation and the
// program (~/.local/share/zelta-glow/zelta-glow/), and on other systems the one without it.
QStringList EarlierUserDataFolders();

// Moves the copies of unsaved work and the presets that the folders `earlier` hold into
// `folder`, so that they are offered and listed again. A file whose name is taken there stays
// where it is, and so does the copy of a program still running: nothing is overwritten. Cheap
// when there is nothing to move.
void MoveEarlierUserData(const QString& folder, const QStringList& earlier);

} // namespace zg
