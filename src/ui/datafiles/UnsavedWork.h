#pragma once

#include "files/UnsavedCopyFolder.h"
#include "model/DocumentSnapshot.h"
#include "model/LedSequence.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zg {

// Keeps a copy of work that was never saved: on the way out, and a few seconds after each change
// (so that a crash or a killed process leaves it too), the document goes to this program's own
// copy in the user's data folder whenever it holds something that was not opened, saved or
// started with. Other programs' copies are left alone while they run.
class UnsavedWork : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDelayMs = 3000;

    // `belongedTo` names the data file the document comes from, if any, for the copy to record.
    UnsavedWork(const LedSequence& sequence, std::function<QString()> belongedTo, QObject* parent);

    // The user's data folder, where the copies are kept.
    static QString DefaultFolder();
    // The folder where copies are kept in this run.
    const QString& folder() const { return folder_.folder(); }
    // This program's own copy; empty until it first keeps one.
    const QString& file() const { return file_; }

    // The document now is what a file holds, or the start state: nothing unsaved any more.
    void markClean();
    // Something changed: the copy follows after a short delay.
    void changed();
    // Writes the copy now when there is work worth keeping, and removes it when there is none;
    // why, when work worth keeping could not be kept.
    std::optional<QString> keepNow();
    // The program ends: the work goes to its copy, whose guard is let go so that a later start
    // offers it; with nothing worth keeping, nothing of this program stays in the folder.
    void finish();
    // Writes the copy of work just brought back, whatever it holds: the old copy may go only
    // once this one is there. Why not, when it could not be written.
    std::optional<QString> keepBroughtBack();

    // The copies that programs no longer running left, newest first (those that earlier versions
    // kept elsewhere are among them once moved here).
    std::vector<LeftCopy> leftBehind() const;
    static void discard(const LeftCopy& copy) { UnsavedCopyFolder::remove(copy.file); }
    static QString setAside(const LeftCopy& copy) { return UnsavedCopyFolder::setAside(copy.file); }

  signals:
    // Said once a run: copies cannot be kept, so unsaved work would be lost with the program.
    void cannotKeep(const QString& folder, const QString& reason);

  private:
    bool worthKeeping() const;
    void dropOwnCopy();
    std::optional<QString> write();
    void warnOnce(const QString& reason);

    const LedSequence& sequence_;
    std::function<QString()> belongedTo_;
    UnsavedCopyFolder folder_;
    QString file_;
    std::unique_ptr<QLockFile> lock_; // claims file_ for as long as this program runs
    DocumentSnapshot clean_;
    QTimer timer_;
    bool warned_ = false;
};

} // namespace zg
