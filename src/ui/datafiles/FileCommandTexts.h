#pragma once

#include "files/FileTexts.h"

#include <QDateTime>
#include <QString>

#include <optional>

#include <vector>

namespace zg {

// A file dialog's filter, "caption|pattern|All Files (*.*)|*.*": the files of one kind, or all.
QString FilterWithAllFiles(const QString& caption, const QString& pattern);
QString DataFileFilter();
QString SaveTitle();
QString OpenTitle();
QString MergeTitle();

// The replace question of Save.
QString ReplaceQuestion(const QString& path);

// The messages when a data file cannot be written or read, or was read only in part.
QString SaveFailedMessage(const QString& path, const QString& reason);
// Save could not learn whether the file it is to write exists.
QString UncheckableFileMessage(const QString& path, const QString& reason);
QString OpenFailedMessage(const QString& path, const QString& reason);
// A file with no readable event line at all, refused by Open and Merge.
QString NotADataFileMessage(const QString& path);
// Something that is no regular file at all (a folder, a pipe, a device): `why` says what it is.
QString NotADataFileMessage(const QString& path, const QString& why);
// Asked at start for each pattern an earlier run left unsaved at `leftAt`: the file it belonged
// to, if any, and the file named at start that a Yes keeps from being opened.
QString UnsavedWorkQuestion(const QDateTime& leftAt, const QString& belongedTo,
                            const std::optional<QString>& fileNamed);
// A copy of unsaved work that could be read only in part: the lines of the copy left out. Named by
// what the user knows of it, its time and the file the work belonged to, if any: the copy itself
// goes once its work is kept again.
QString DamagedCopyMessage(const QDateTime& leftAt, const QString& belongedTo, const std::vector<int>& lines);
// Work brought back whose own copy could not be written: the old copy stays.
QString NotProtectedMessage(const QString& folder, const QString& reason, const QString& oldCopy);
// Said once a run where copies of unsaved work cannot be kept, as a message and in the status line.
QString NotKeptMessage(const QString& folder, const QString& reason);
QString NotKeptStatus(const QString& folder);
// Said once a run where what the program remembers for the user cannot be written to `file`.
QString NotRememberedMessage(const QString& file);
QString NotRememberedStatus(const QString& file);
// A copy of unsaved work that could not be read, and where it was set aside.
QString UnreadableCopyMessage(const QDateTime& leftAt, const QString& setAsideAs);
// The file named at start that was not opened because unsaved work was brought back.
QString NotOpenedMessage(const QString& fileNamed);
QString DamagedFileMessage(const QString& fileTitle, const std::vector<int>& unreadableLines);

} // namespace zg
