#pragma once

#include "ui/modelview/ModelStore.h"

#include <QUndoCommand>

#include <functional>

namespace zg {

// One change of the user's to a model, as the change and its opposite, each applied to the model
// as it is then: undoing a move puts back that light alone, whatever another window changed
// meanwhile. Pushed once the change has been kept.
class ModelStep : public QUndoCommand {
  public:
    // Keeps a change of the model; false when it could not be kept.
    using Apply = std::function<bool(const ModelStore::Change&)>;
    ModelStep(Apply apply, const QString& text, ModelStore::Change change, ModelStore::Change opposite);

    void undo() override { apply_(opposite_); }
    void redo() override;

  private:
    Apply apply_;
    ModelStore::Change change_;
    ModelStore::Change opposite_;
    bool kept_ = true; // the change was kept before the step was pushed
};

} // namespace zg
