#include "ModelCommands.h"

#include "export/ModelPicture.h"
#include "files/PresetLibrary.h"
#include "files/UserDataFolder.h"
#include "playback/ModelLights.h"
#include "playback/ServoZone.h"
#include "ui/commands/FileCommandTexts.h"
#include "ui/commands/TestPlayer.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/ModelCanvas.h"
#include "ui/dialogs/ModelWindow.h"
#include "ui/dialogs/UserDialogs.h"
#include "ui/grid/GridWidget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QSettings>

namespace zg {

namespace {
const QString kCurrent = QStringLiteral("model/current");
const QString kGeometry = QStringLiteral("model/geometry");
const QString kShown = QStringLiteral("model/shown");
} // namespace

ModelCommands::ModelCommands(const Parts& parts, QObject* parent)
    : QObject(parent), p_(parts), library_(UserModelFolder()) {
    const QString current = QSettings().value(kCurrent).toString();
    if (!current.isEmpty())
        model_ = library_.load(current).model; // a damaged one is said when the view opens
    connect(&p_.player, &TestPlayer::stepShown, this, &ModelCommands::showStep);
    connect(&p_.player, &TestPlayer::woundDown, this, &ModelCommands::showAtRest);
    connect(p_.controls.grid, &GridWidget::pointerEventChanged, this, &ModelCommands::showAtRest);
    connect(p_.controls.grid, &GridWidget::focusMoved, this, &ModelCommands::showAtRest);
    if (model_)
        applyNames();
    if (QSettings().value(kShown).toBool())
        QMetaObject::invokeMethod(
            this, [this] { setViewShown(true); }, Qt::QueuedConnection);
}

QString ModelCommands::outputName(LedChannel led) const {
    return model_ ? QString::fromStdString(OutputName(*model_, led)) : QString();
}

ModelLayout ModelCommands::translatedDefault(Outline outline) const {
    ModelLayout model = DefaultModel(outline);
    for (ModelLight& light : model.lights)
        light.name = QCoreApplication::translate("zg::ModelLayout", light.name.c_str()).toStdString();
    return model;
}

void ModelCommands::setViewShown(bool shown) {
    if (!shown) {
        if (view_)
            view_->close();
        return;
    }
    if (!view_)
        buildView();
    view_->show();
    view_->raise();
    showAtRest();
    QSettings().setValue(kShown, true);
    emit viewShownChanged(true);
}

void ModelCommands::buildView() {
    view_ = new ModelWindow(&p_.window);
    view_->restoreGeometry(QSettings().value(kGeometry).toByteArray());
    connect(view_, &ModelWindow::closed, this, [this] {
        QSettings().setValue(kGeometry, view_->saveGeometry());
        QSettings().setValue(kShown, false);
        emit viewShownChanged(false);
    });
    connect(view_, &ModelWindow::modelChosen, this, &ModelCommands::choose);
    connect(view_, &ModelWindow::outlineChosen, this, [this](Outline outline) {
        if (outline == Outline::Picture)
            return choosePicture();
        changeLights([outline](ModelLayout& model) {
            model.outline = outline;
            model.picture.clear();
        });
    });
    connect(view_, &ModelWindow::newAsked, this, &ModelCommands::newModel);
    connect(view_, &ModelWindow::pictureAsked, this, &ModelCommands::choosePicture);
    connect(view_, &ModelWindow::importAsked, this, &ModelCommands::importModel);
    connect(view_, &ModelWindow::exportAsked, this, &ModelCommands::exportModel);
    ModelCanvas& canvas = view_->canvas();
    connect(&canvas, &ModelCanvas::moved, this, [this](const ModelLayout& moved) {
        changeLights([&moved](ModelLayout& model) { model.lights = moved.lights; });
    });
    connect(&canvas, &ModelCanvas::renameAsked, this, &ModelCommands::renameLight);
    connect(&canvas, &ModelCanvas::doubleAsked, this,
            [this](std::size_t light) { changeLights([light](ModelLayout& m) { DoubleLight(m, light); }); });
    connect(&canvas, &ModelCanvas::removeAsked, this,
            [this](std::size_t light) { changeLights([light](ModelLayout& m) { RemoveLight(m, light); }); });
    const QString current = QSettings().value(kCurrent).toString();
    if (!current.isEmpty() && !model_)
        report(tr("The model %1 cannot be read (%2): the plane is shown instead.")
                   .arg(current, library_.load(current).why));
    if (!model_) {
        ModelLayout first = translatedDefault(Outline::Plane);
        first.name = freeName(tr("My Plane")).toStdString();
        keep(first);
    } else {
        keep(*model_);
    }
}

void ModelCommands::choose(const QString& name) {
    const ModelRead read = library_.load(name);
    if (!read.model) {
        report(tr("The model %1 cannot be read (%2).").arg(name, read.why));
        return;
    }
    keep(*read.model);
}

// Shown, kept in the library and remembered as the model chosen.
void ModelCommands::keep(const ModelLayout& model) {
    model_ = model;
    if (const auto error = library_.save(model))
        report(tr("The model %1 cannot be kept: %2").arg(QString::fromStdString(model.name), *error));
    QSettings().setValue(kCurrent, QString::fromStdString(model.name));
    if (view_) {
        view_->canvas().showModel(model);
        view_->showModels(library_.names(), QString::fromStdString(model.name), model.outline);
    }
    showAtRest();
    applyNames();
    emit namesChanged();
}

// The outputs go by their lights' names wherever the window names an LED for the user.
void ModelCommands::applyNames() {
    p_.controls.grid->nameOutputsBy([this](LedChannel led) { return outputName(led); });
    for (LedChannel led = 0; led < kLedCount; ++led) {
        const QString name = outputName(led);
        const QString shown = name.isEmpty() ? QStringLiteral("LED#%1").arg(led + 1)
                                             : QStringLiteral("%1 (LED#%2)").arg(name).arg(led + 1);
        p_.controls.ledLabels[led]->setToolTip(
            QCoreApplication::translate("zg::MainWindow", "Click here to change color of %1").arg(shown));
    }
}

void ModelCommands::changeLights(const std::function<void(ModelLayout&)>& change) {
    if (!model_)
        return;
    ModelLayout changed = *model_;
    change(changed);
    keep(changed);
}

void ModelCommands::showStep(EventIndex e, int servoZoneMask) {
    if (view_ && view_->isVisible() && model_)
        view_->canvas().showColors(LightColors(*model_, p_.sequence, e, servoZoneMask));
}

void ModelCommands::showAtRest() {
    if (p_.player.active())
        return; // the test shows its own steps
    const int pointer = p_.controls.grid->pointerEvent();
    showStep(pointer >= 0 ? pointer : p_.controls.grid->focusCell().event,
             ServoZoneMaskOf(p_.controls.servoStick->value()));
}

void ModelCommands::documentChanged() {
    showAtRest();
}

// `base`, or "base 2", "base 3"... where a model of that name is kept already.
QString ModelCommands::freeName(const QString& base) const {
    const QStringList taken = library_.names();
    QString name = base;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = QStringLiteral("%1 %2").arg(base).arg(n);
    return name;
}

// A name one file of the data folder can carry, asked until it is one or the user gives up.
std::optional<QString> ModelCommands::askName(const QString& title, const QString& offered) {
    QString name = offered;
    while (true) {
        const auto typed = p_.dialogs.getText(view_, {title, tr("Name of the model:"), name});
        if (!typed)
            return std::nullopt;
        name = typed->trimmed();
        const auto problem = PresetNameProblem(name.toStdString());
        if (!problem)
            return name;
        report(tr("%1 cannot name a model: %2").arg(name, QString::fromStdString(*problem)));
    }
}

void ModelCommands::newModel() {
    const Outline outline = model_ ? model_->outline : Outline::Plane;
    const auto name = askName(tr("New Model"), freeName(ModelWindow::OutlineName(outline)));
    if (!name)
        return;
    ModelLayout model = translatedDefault(outline == Outline::Picture ? Outline::Plane : outline);
    model.name = name->toStdString();
    keep(model);
}

void ModelCommands::choosePicture() {
    const auto path =
        p_.dialogs.getOpenFileName(view_, {tr("Picture of the Model"),
                                           FilterWithAllFiles(tr("Pictures (*.png *.jpg *.jpeg *.svg)"),
                                                              QStringLiteral("*.png;*.jpg;*.jpeg;*.svg")),
                                           QString()});
    if (!path)
        return;
    QString why;
    ModelLayout trial = *model_;
    trial.outline = Outline::Picture;
    trial.picture = path->toStdString();
    ModelOutline outline(trial, Qt::black, &why);
    if (!why.isEmpty())
        return report(why);
    changeLights([&trial](ModelLayout& model) {
        model.outline = trial.outline;
        model.picture = trial.picture;
    });
}

void ModelCommands::importModel() {
    const auto path = p_.dialogs.getOpenFileName(
        view_,
        {tr("Import Model"), FilterWithAllFiles(tr("Models (*.json)"), QStringLiteral("*.json")), QString()});
    if (!path)
        return;
    ModelRead read = ModelLibrary::importFrom(*path);
    if (!read.model)
        return report(tr("%1 cannot be imported: %2").arg(*path, read.why));
    read.model->name = freeName(read.model->name.empty() ? QFileInfo(*path).completeBaseName()
                                                         : QString::fromStdString(read.model->name))
                           .toStdString();
    keep(*read.model);
}

void ModelCommands::exportModel() {
    if (!model_)
        return;
    const auto path = p_.dialogs.getSaveFileName(
        view_, {tr("Export Model"), FilterWithAllFiles(tr("Models (*.json)"), QStringLiteral("*.json")),
                QString::fromStdString(model_->name) + QStringLiteral(".json"), QStringLiteral("json")});
    if (!path)
        return;
    if (const auto error = ModelLibrary::exportTo(*model_, *path))
        report(tr("The model cannot be written to %1: %2").arg(*path, *error));
}

void ModelCommands::renameLight(std::size_t light) {
    if (!model_ || light >= model_->lights.size())
        return;
    const ModelLight& named = model_->lights[light];
    const auto name =
        p_.dialogs.getText(view_, {tr("Name of the Light"), tr("What LED#%1 lights here:").arg(named.led + 1),
                                   QString::fromStdString(named.name)});
    if (name)
        changeLights(
            [light, &name](ModelLayout& model) { model.lights[light].name = name->trimmed().toStdString(); });
}

void ModelCommands::report(const QString& text) {
    p_.dialogs.exclaim(view_ ? static_cast<QWidget*>(view_) : &p_.window, text);
}

} // namespace zg
