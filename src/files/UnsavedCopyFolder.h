#pragma once

#include "DataFileRecord.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zg {

// A copy of unsaved work that a program which is no longer running left behind.
struct LeftCopy {
    QString file;
    QDateTime leftAt;
    QString belongedTo; // the data file the work came from; empty when it had none
    // Held while the copy is offered, so that no other program offers it; none in a folder where
    // nothing can be written.
    std::shared_ptr<QLockFile> lock;
};

// The folder where each running program keeps a copy of its unsaved work: unsaved-<pid>.DAT,
// guarded by unsaved-<pid>.lock for as long as that program runs, with unsaved-<pid>.name beside
// it naming the data file the work belonged to. A program that ended (or crashed) leaves its copy
// unguarded, to be offered at a later start.
class UnsavedCopyFolder {
  public:
    explicit UnsavedCopyFolder(QString folder) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }

    // A name of this program's own that no copy has yet, locked for as long as the lock lives.
    std::unique_ptr<QLockFile> claim(QString& file) const;

    // Writes a copy whole, with the path of the file the work belonged to (or none).
    static std::optional<std::string> write(const QString& file, const DataFileRecord& record,
                                            const QString& belongedTo);

    // The copies whose programs are no longer running, newest first; each one locked.
    std::vector<LeftCopy> leftCopies(const QString& ownFile) const;

    static void remove(const QString& file);
    // Renames a copy that cannot be read, so that it is never offered again but is not lost
    // either; its new path, or empty when it could not be renamed.
    static QString setAside(const QString& file);

  private:
    QString folder_;
};

} // namespace zg
