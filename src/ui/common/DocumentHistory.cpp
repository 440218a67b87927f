#include "DocumentHistory.h"

#include <QUndoCommand>

namespace zg {

// One user action: the document and its name before and after. It is pushed once done, so the
// first redo, which QUndoStack runs on the push, has nothing to do.
class DocumentChange : public QUndoCommand {
  public:
    DocumentChange(DocumentHistory& history, const QString& text, DocumentSnapshot before,
                   DocumentSnapshot after, DocumentName nameBefore, DocumentName nameAfter)
        : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after)),
          nameBefore_(std::move(nameBefore)), nameAfter_(std::move(nameAfter)) {}

    void undo() override { history_.restore(after_, before_, nameBefore_); }
    void redo() override {
        if (std::exchange(done_, false))
            return;
        history_.restore(before_, after_, nameAfter_);
    }

  private:
    DocumentHistory& history_;
    DocumentSnapshot before_;
    DocumentSnapshot after_;
    DocumentName nameBefore_;
    DocumentName nameAfter_;
    bool done_ = true;
};

DocumentHistory::DocumentHistory(LedSequence& sequence, QObject* parent)
    : QObject(parent), sequence_(sequence) {
    stack_.setUndoLimit(kUndoLimit);
}

void DocumentHistory::record(const QString& name, const std::function<void()>& change,
                             const std::optional<DocumentName>& newName) {
    // A command given in the middle of a gesture (a shortcut while the button is held) is a step
    // of its own; the gesture goes on as a new step.
    const std::optional<QString> gesture = gestureStart_ ? std::optional(gestureName_) : std::nullopt;
    endGesture();
    const DocumentName nameBefore = name_;
    DocumentSnapshot before = TakeSnapshot(sequence_);
    change();
    if (newName)
        name_ = *newName;
    push(name, std::move(before), nameBefore);
    if (gesture)
        beginGesture(*gesture);
}

void DocumentHistory::beginGesture(const QString& name) {
    endGesture();
    gestureStart_ = TakeSnapshot(sequence_);
    gestureName_ = name;
}

void DocumentHistory::endGesture() {
    if (auto start = std::exchange(gestureStart_, std::nullopt))
        push(gestureName_, std::move(*start), name_);
}

void DocumentHistory::push(const QString& name, DocumentSnapshot before, const DocumentName& nameBefore) {
    DocumentSnapshot after = TakeSnapshot(sequence_);
    if (after == before && name_ == nameBefore)
        return;
    stack_.push(new DocumentChange(*this, name, std::move(before), std::move(after), nameBefore, name_));
}

// Sets only what the step changed, so that a change made outside any step stays.
void DocumentHistory::restore(const DocumentSnapshot& from, const DocumentSnapshot& to,
                              const DocumentName& name) {
    const AppliedSpeeds speeds = ApplyChanges(from, to, sequence_);
    const bool renamed = name != name_;
    name_ = name;
    if (renamed)
        emit this->renamed();
    emit speedsChanged(speeds);
}

} // namespace zg
