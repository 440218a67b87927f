#include "UnsavedWork.h"

#include "files/DataFileRecord.h"
#include "files/DataFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zg {

UnsavedWork::UnsavedWork(const LedSequence& sequence, QObject* parent)
    : QObject(parent), sequence_(sequence), file_(DefaultFile()) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &UnsavedWork::keepNow);
    clean_ = TakeSnapshot(sequence_);
}

QString UnsavedWork::DefaultFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/unsaved.DAT");
}

void UnsavedWork::markClean() {
    clean_ = TakeSnapshot(sequence_);
    timer_.stop();
    dropOwnCopy();
}

// Only a copy this run wrote is ours to remove: the one an earlier run left waits for its answer.
void UnsavedWork::dropOwnCopy() {
    if (wroteCopy_)
        discard();
}

void UnsavedWork::changed() {
    if (!timer_.isActive())
        timer_.start();
}

bool UnsavedWork::unsaved() const {
    return TakeSnapshot(sequence_) != clean_;
}

void UnsavedWork::keepNow() {
    timer_.stop();
    if (file_.isEmpty())
        return;
    if (!unsaved()) {
        dropOwnCopy();
        return;
    }
    // Written whole beside the old copy, then put in its place: a crash never leaves half a file.
    QDir().mkpath(QFileInfo(file_).absolutePath());
    wroteCopy_ = !WriteDataFile(QFileInfo(file_).filesystemFilePath(), MakeDataFileRecord(sequence_));
}

std::optional<QDateTime> UnsavedWork::leftBehind() const {
    const QFileInfo info(file_);
    if (file_.isEmpty() || !info.isFile())
        return std::nullopt;
    return info.lastModified();
}

void UnsavedWork::discard() {
    if (!file_.isEmpty())
        QFile::remove(file_);
    wroteCopy_ = false;
}

} // namespace zg
