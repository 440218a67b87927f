#include "ModelNames.h"

#include <QCoreApplication>

namespace zg {

namespace {
std::string inLanguage(const std::string& name) {
    return QCoreApplication::translate("zg::ModelLayout", name.c_str()).toStdString();
}
} // namespace

ModelLayout TranslatedDefault(Outline outline) {
    ModelLayout model = DefaultModel(outline);
    for (ModelLight& light : model.lights)
        light.name = inLanguage(light.name);
    return model;
}

QStringList CompleteLightsInLanguage(ModelLayout& model) {
    QStringList completed;
    for (const std::size_t added : CompleteLights(model)) {
        ModelLight& light = model.lights[added];
        light.name = inLanguage(light.name);
        completed << QStringLiteral("LED#%1").arg(light.led + 1);
    }
    return completed;
}

} // namespace zg
