#include "LightMenu.h"

#include <QCoreApplication>

namespace zg {

// The commands keep the model view's words, and with them their translations.
LightMenu::LightMenu(const ModelLayout& model, std::size_t light, QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("LightMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    connect(addAction(QCoreApplication::translate("zg::ModelCanvas", "&Name...")), &QAction::triggered, this,
            [this, light] { emit renameAsked(light); });
    QAction* doubled = addAction(QCoreApplication::translate("zg::ModelCanvas", "&Double"));
    doubled->setEnabled(model.lights.size() < kMaxModelLights);
    connect(doubled, &QAction::triggered, this, [this, light] { emit doubleAsked(light); });
    QAction* remove = addAction(QCoreApplication::translate("zg::ModelCanvas", "&Remove"));
    ModelLayout trial = model;
    remove->setEnabled(RemoveLight(trial, light)); // the last light of an output stays
    connect(remove, &QAction::triggered, this, [this, light] { emit removeAsked(light); });
}

} // namespace zg
