#pragma once

#include "model/DocumentSnapshot.h"
#include "model/LedSequence.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace zg {

// Keeps a copy of work that was never saved: on the way out, and a few seconds after each change
// (so that a crash or a killed process leaves it too), the document goes to a recovery file in the
// user's data folder whenever it differs from what was last opened, saved or started with.
class UnsavedWork : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDelayMs = 3000;

    UnsavedWork(const LedSequence& sequence, QObject* parent);

    // AppDataLocation/unsaved.DAT.
    static QString DefaultFile();
    const QString& file() const { return file_; }

    // The document now is what a file holds, or the start state: nothing unsaved any more.
    void markClean();
    // Something changed: the copy follows after a short delay.
    void changed();
    // Writes the copy now when there is unsaved work, and removes it when there is none.
    void keepNow();

    // When the copy left by an earlier run was written, if there is one.
    std::optional<QDateTime> leftBehind() const;
    void discard();

  private:
    bool unsaved() const;
    void dropOwnCopy();

    const LedSequence& sequence_;
    QString file_;
    DocumentSnapshot clean_;
    bool wroteCopy_ = false;
    QTimer timer_;
};

} // namespace zg
