#include "UnsavedWork.h"

#include "files/DataFileRecord.h"
#include "files/UserDataFolder.h"

#include <algorithm>

namespace zg {

UnsavedWork::UnsavedWork(const LedSequence& sequence, std::function<QString()> belongedTo, QObject* parent)
    : QObject(parent), sequence_(sequence), belongedTo_(std::move(belongedTo)), folder_(DefaultFolder()) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { keepNow(); });
    clean_ = TakeSnapshot(sequence_);
}

QString UnsavedWork::DefaultFolder() {
    return UserDataFolder();
}

std::vector<LeftCopy> UnsavedWork::leftBehind() const {
    return folder_.leftCopies(file_);
}

void UnsavedWork::markClean() {
    clean_ = TakeSnapshot(sequence_);
    timer_.stop();
    dropOwnCopy();
}

// Only this program's own copy: the ones others left wait for their answer.
void UnsavedWork::dropOwnCopy() {
    if (!file_.isEmpty())
        UnsavedCopyFolder::remove(file_);
}

// The first change claims this program's name in the folder, so that a folder where nothing can
// be kept is said at once, not when the work is already lost.
void UnsavedWork::changed() {
    if (!lock_ && !warned_) {
        lock_ = folder_.claim(file_);
        if (!lock_)
            warnOnce(tr("The folder cannot be created or written"));
    }
    if (!timer_.isActive())
        timer_.start();
}

// An empty grid at the speeds it was opened or started with holds nothing to bring back.
bool UnsavedWork::worthKeeping() const {
    const DocumentSnapshot now = TakeSnapshot(sequence_);
    if (now == clean_)
        return false;
    const bool anyLit = std::any_of(now.EventGrid.begin(), now.EventGrid.end(), [](const auto& row) {
        return std::any_of(row.begin(), row.end(), [](std::uint8_t cell) { return cell != 0; });
    });
    const LedSequence start;
    const auto sameSpeeds = [&now](std::int16_t delay, std::int16_t test) {
        return now.SequencerDelay == delay && now.TestSpeed == test;
    };
    return anyLit || !(sameSpeeds(clean_.SequencerDelay, clean_.TestSpeed) ||
                       sameSpeeds(start.sequencerDelay(), start.testSpeed()));
}

std::optional<QString> UnsavedWork::keepNow() {
    timer_.stop();
    if (!worthKeeping()) {
        dropOwnCopy();
        return std::nullopt;
    }
    return write();
}

void UnsavedWork::finish() {
    keepNow();
    lock_.reset();
}

std::optional<QString> UnsavedWork::keepBroughtBack() {
    timer_.stop();
    return write();
}

std::optional<QString> UnsavedWork::write() {
    if (!lock_)
        lock_ = folder_.claim(file_);
    std::optional<QString> error;
    if (!lock_)
        error = tr("The folder cannot be created or written");
    else if (const auto failed =
                 UnsavedCopyFolder::write(file_, MakeDataFileRecord(sequence_), belongedTo_()))
        error = QString::fromStdString(*failed);
    if (error)
        warnOnce(*error);
    return error;
}

void UnsavedWork::warnOnce(const QString& reason) {
    if (warned_)
        return;
    warned_ = true;
    emit cannotKeep(folder_.folder(), reason);
}

} // namespace zg
