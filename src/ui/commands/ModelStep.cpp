#include "ModelStep.h"

#include "ui/commands/ModelStore.h"

namespace zg {

ModelStep::ModelStep(ModelStore& store, Report report, const QString& text, ModelLayout before,
                     ModelLayout after)
    : QUndoCommand(text), store_(store), report_(std::move(report)), before_(std::move(before)),
      after_(std::move(after)) {}

void ModelStep::redo() {
    if (kept_) {
        kept_ = false;
        return;
    }
    keep(after_);
}

void ModelStep::keep(const ModelLayout& model) {
    if (const auto error = store_.keep(model))
        report_(*error);
}

} // namespace zg
