#include "ModelCanvasAccessibility.h"

#include "ui/modelview/ModelCanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include <vector>

namespace zg {

namespace {

class CanvasAccessible;

// One light, known by its place in the model: after a light is removed, the one that takes its
// place is named and acted on, and the last place is no longer valid.
class LightAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    LightAccessible(CanvasAccessible* canvas, std::size_t light) : canvas_(canvas), light_(light) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    std::size_t light() const { return light_; }

  private:
    ModelCanvas* canvas() const;

    CanvasAccessible* canvas_;
    std::size_t light_;
};

class CanvasAccessible : public QAccessibleWidget {
  public:
    explicit CanvasAccessible(ModelCanvas* canvas) : QAccessibleWidget(canvas) {}
    ~CanvasAccessible() override {
        for (const auto id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    ModelCanvas* canvas() const { return static_cast<ModelCanvas*>(widget()); }

    int childCount() const override { return int(canvas()->model().lights.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (ids_.size() <= std::size_t(index))
            ids_.resize(std::size_t(index) + 1);
        auto& id = ids_[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new LightAccessible(const_cast<CanvasAccessible*>(this), std::size_t(index)));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* light = dynamic_cast<const LightAccessible*>(child);
        return light && light->isValid() ? int(light->light()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto light = canvas()->lightAt(canvas()->mapFromGlobal(QPoint(x, y)));
        return light ? child(int(*light)) : nullptr;
    }

  private:
    mutable std::vector<QAccessible::Id> ids_; // a light's interface, made when first asked for
};

bool LightAccessible::isValid() const {
    return canvas_ && canvas_->isValid() && light_ < canvas()->model().lights.size();
}

QAccessibleInterface* LightAccessible::parent() const {
    return canvas_;
}

ModelCanvas* LightAccessible::canvas() const {
    return canvas_->canvas();
}

QString LightAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name || !isValid())
        return {};
    const ModelLight& light = canvas()->model().lights[light_];
    const auto& colors = canvas()->colors();
    const bool lit = light_ < colors.size() && colors[light_] != 0;
    if (light.name.empty())
        return lit ? QCoreApplication::translate("zg::ModelCanvas", "LED #%1, lit").arg(light.led + 1)
                   : QCoreApplication::translate("zg::ModelCanvas", "LED #%1, dark").arg(light.led + 1);
    const QString name = QString::fromStdString(light.name);
    return (lit ? QCoreApplication::translate("zg::ModelCanvas", "%1, LED #%2, lit")
                : QCoreApplication::translate("zg::ModelCanvas", "%1, LED #%2, dark"))
        .arg(name)
        .arg(light.led + 1);
}

QRect LightAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect local = canvas()->lightBounds(light_).toAlignedRect();
    return {canvas()->mapToGlobal(local.topLeft()), local.size()};
}

void LightAccessible::doAction(const QString& name) {
    if (isValid() && name == showMenuAction())
        canvas()->showMenu(light_, canvas()->mapToGlobal(canvas()->centreOf(light_).toPoint()));
}

QAccessibleInterface* canvasFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zg::ModelCanvas") && object && object->isWidgetType())
        return new CanvasAccessible(static_cast<ModelCanvas*>(object));
    return nullptr;
}

} // namespace

void InstallModelCanvasAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(canvasFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zg
