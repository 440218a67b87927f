#include "UnsavedWork.h"

#include "files/DataFileRecord.h"
#include "files/UserDataFolder.h"

#include <algorithm>
#include <utility>

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

namespace {

// Whether each part of `now` besides its cells (end mark, colours, servo modes, the two speeds) is
// as `clean` has it or as a new document has it: what an emptied grid or New/Clear leaves.
bool sameBesidesCells(const DocumentSnapshot& now, const DocumentSnapshot& clean) {
    const DocumentSnapshot start = TakeSnapshot(LedSequence());
    const auto asBefore = [&](auto part) { return now.*part == clean.*part || now.*part == start.*part; };
    const auto speeds = [](const DocumentSnapshot& s) { return std::pair(s.SequencerDelay, s.TestSpeed); };
    return asBefore(&DocumentSnapshot::EndEvent) && asBefore(&DocumentSnapshot::LedColors) &&
           asBefore(&DocumentSnapshot::ServoModes) &&
           (speeds(now) == speeds(clean) || speeds(now) == speeds(start));
}

} // namespace

// Any change the user made is kept; an empty grid whose other parts are as opened or as a new
// document has them holds nothing to bring back.
bool UnsavedWork::worthKeeping() const {
    const DocumentSnapshot now = TakeSnapshot(sequence_);
    if (now == clean_)
        return false;
    const bool anyLit = std::any_of(now.EventGrid.begin(), now.EventGrid.end(), [](const auto& row) {
        return std::any_of(row.begin(), row.end(), [](std::uint8_t cell) { return cell != 0; });
    });
    return anyLit || !sameBesidesCells(now, clean_);
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
