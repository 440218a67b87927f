#include "ModelStep.h"

namespace zg {

ModelStep::ModelStep(Apply apply, const QString& text, ModelStore::Change change, ModelStore::Change opposite)
    : QUndoCommand(text), apply_(std::move(apply)), change_(std::move(change)),
      opposite_(std::move(opposite)) {}

void ModelStep::redo() {
    if (kept_) {
        kept_ = false;
        return;
    }
    apply_(change_);
}

} // namespace zg
