#pragma once

#include "model/ModelLayout.h"

#include <QUndoCommand>

#include <functional>

namespace zg {

class ModelStore;

// One change of the user's to a model, undone and redone by keeping the model as it was before
// or after; pushed once the change has been kept.
class ModelStep : public QUndoCommand {
  public:
    using Report = std::function<void(const QString&)>;
    ModelStep(ModelStore& store, Report report, const QString& text, ModelLayout before, ModelLayout after);

    void undo() override { keep(before_); }
    void redo() override;

  private:
    void keep(const ModelLayout& model);

    ModelStore& store_;
    Report report_;
    ModelLayout before_;
    ModelLayout after_;
    bool kept_ = true; // the change was kept before the step was pushed
};

} // namespace zg
