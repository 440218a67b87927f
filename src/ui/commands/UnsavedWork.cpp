#include "UnsavedWork.h"

#include "files/DataFileRecord.h"

#include <QStandardPaths>

#include <algorithm>

namespace zg {

UnsavedWork::UnsavedWork(const LedSequence& sequence, std::function<QString()> belongedTo, QObject* parent)
    : QObject(parent), sequence_(sequence), belongedTo_(std::move(belongedTo)), folder_(DefaultFolder()) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &UnsavedWork::keepNow);
    clean_ = TakeSnapshot(sequence_);
}

QString UnsavedWork::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
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

void UnsavedWork::changed() {
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

void UnsavedWork::keepNow() {
    timer_.stop();
    if (folder_.folder().isEmpty())
        return;
    if (!worthKeeping()) {
        dropOwnCopy();
        return;
    }
    if (!lock_)
        lock_ = folder_.claim(file_);
    if (lock_)
        UnsavedCopyFolder::write(file_, MakeDataFileRecord(sequence_), belongedTo_());
}

} // namespace zg
