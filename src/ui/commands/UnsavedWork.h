#pragma once

#include "files/UnsavedCopyFolder.h"
#include "model/DocumentSnapshot.h"
#include "model/LedSequence.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
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
    // This program's own copy; empty until it first keeps one.
    const QString& file() const { return file_; }

    // The document now is what a file holds, or the start state: nothing unsaved any more.
    void markClean();
    // Something changed: the copy follows after a short delay.
    void changed();
    // Writes the copy now when there is work worth keeping, and removes it when there is none.
    void keepNow();

    // The copies that programs no longer running left, newest first.
    std::vector<LeftCopy> leftBehind() const { return folder_.leftCopies(file_); }
    static void discard(const LeftCopy& copy) { UnsavedCopyFolder::remove(copy.file); }
    static QString setAside(const LeftCopy& copy) { return UnsavedCopyFolder::setAside(copy.file); }

  private:
    bool worthKeeping() const;
    void dropOwnCopy();

    const LedSequence& sequence_;
    std::function<QString()> belongedTo_;
    UnsavedCopyFolder folder_;
    QString file_;
    std::unique_ptr<QLockFile> lock_; // claims file_ for as long as this program runs
    DocumentSnapshot clean_;
    QTimer timer_;
};

} // namespace zg
