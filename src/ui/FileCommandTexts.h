#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

namespace zg {

inline const QString kDataFileFilter = QStringLiteral("Data Files (*.DAT)|*.dat|All Files (*.*)|*.*");
inline const QString kSaveTitle =
    QStringLiteral("Save ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");
inline const QString kOpenTitle =
    QStringLiteral("Open ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");
inline const QString kMergeTitle =
    QStringLiteral("Merge ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");

// "1-50, 52, 60-63": the line numbers, increasing, with runs joined.
QString LineRanges(const std::vector<int>& lines);

// The replace question of Save.
QString ReplaceQuestion(const QString& path);

// The messages when a data file cannot be written or read, or was read only in part.
QString SaveFailedMessage(const QString& path, const QString& reason);
QString OpenFailedMessage(const QString& path, const QString& reason);
// A file with no readable event line at all, refused by Open and Merge.
QString NotADataFileMessage(const QString& path);
// Something that is no regular file at all (a folder, a pipe, a device): `why` says what it is.
QString NotADataFileMessage(const QString& path, const QString& why);
// Asked at start when the last run left a pattern unsaved at `leftAt`.
QString UnsavedWorkQuestion(const QDateTime& leftAt);
QString DamagedFileMessage(const QString& fileTitle, const std::vector<int>& unreadableLines);
// An export whose target is the data file it shows.
QString OwnFileRefusal(const QString& path);

} // namespace zg
