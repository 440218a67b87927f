#include "UndoHistory.h"

#include <algorithm>
#include <utility>

namespace zg {

UndoHistory::UndoHistory(LedSequence& sequence, AppConfig& config, std::size_t capacity)
    : sequence_(sequence), config_(config), capacity_(std::max<std::size_t>(capacity, 1)) {}

std::string UndoHistory::undoName() const {
    return done_.empty() ? std::string() : done_.back().name;
}

std::string UndoHistory::redoName() const {
    return undone_.empty() ? std::string() : undone_.back().name;
}

AppliedSpeeds UndoHistory::undo() {
    closeOpenChanges();
    return transfer(done_, undone_, false);
}

AppliedSpeeds UndoHistory::redo() {
    closeOpenChanges();
    return transfer(undone_, done_, true);
}

void UndoHistory::record(const std::string& name, const std::function<void()>& command,
                         const std::optional<DocumentName>& newName) {
    const StepId step = begin(name);
    command();
    if (newName)
        name_ = *newName;
    commit(step);
}

void UndoHistory::rename(const DocumentName& name) {
    name_ = name;
    nameMark_ = name;
}

UndoHistory::StepId UndoHistory::begin(const std::string& name) {
    if (open_.empty()) {
        mark_ = TakeSnapshot(sequence_, config_);
        nameMark_ = name_;
    } else
        closeOpenChanges();
    open_.push_back({nextId_, name});
    return nextId_++;
}

void UndoHistory::commit(StepId step) {
    const auto it =
        std::find_if(open_.begin(), open_.end(), [step](const OpenStep& s) { return s.id == step; });
    if (it == open_.end())
        return;
    closeChanges(it->name);
    open_.erase(it);
}

void UndoHistory::closeChanges(const std::string& name) {
    DocumentSnapshot now = TakeSnapshot(sequence_, config_);
    if (now == mark_ && name_ == nameMark_)
        return;
    Step step{name, std::move(mark_), now, nameMark_, name_};
    mark_ = std::move(now);
    nameMark_ = name_;
    push(std::move(step));
}

void UndoHistory::closeOpenChanges() {
    if (!open_.empty())
        closeChanges(open_.back().name);
}

// After an undo or redo inside an open step, that step goes on from the restored state.
void UndoHistory::markIfOpen() {
    if (!open_.empty()) {
        mark_ = TakeSnapshot(sequence_, config_);
        nameMark_ = name_;
    }
}

void UndoHistory::push(Step step) {
    done_.push_back(std::move(step));
    undone_.clear();
    if (done_.size() > capacity_)
        done_.pop_front();
    notify();
}

AppliedSpeeds UndoHistory::transfer(std::deque<Step>& from, std::deque<Step>& to, bool forward) {
    if (from.empty())
        return {};
    Step step = std::move(from.back());
    from.pop_back();
    const AppliedSpeeds speeds = forward ? ApplyChanges(step.before, step.after, sequence_, config_)
                                         : ApplyChanges(step.after, step.before, sequence_, config_);
    const bool renamed = name_ != (forward ? step.nameAfter : step.nameBefore);
    name_ = forward ? step.nameAfter : step.nameBefore;
    to.push_back(std::move(step));
    markIfOpen();
    notify();
    if (renamed && onRename_)
        onRename_();
    return speeds;
}

void UndoHistory::notify() const {
    if (onChange_)
        onChange_();
}

} // namespace zg
