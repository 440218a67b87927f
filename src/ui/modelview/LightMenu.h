#pragma once

#include "model/ModelLayout.h"

#include <QMenu>

namespace zg {

// The menu of one light of the model view: Name..., Double while the model has room for another
// light, and Remove unless the light is the last of its output. It goes once it has closed.
class LightMenu : public QMenu {
    Q_OBJECT
  public:
    LightMenu(const ModelLayout& model, std::size_t light, QWidget* parent);

  signals:
    void renameAsked(std::size_t light);
    void doubleAsked(std::size_t light);
    void removeAsked(std::size_t light);
};

} // namespace zg
