#include "ModelCommands.h"

#include "export/PictureFile.h"
#include "files/UserDataFolder.h"
#include "files/UserSettings.h"
#include "playback/ModelLights.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/grid/GridWidget.h"
#include "ui/modelview/ModelCanvas.h"
#include "ui/modelview/ModelLibraryCommands.h"
#include "ui/modelview/ModelStep.h"
#include "ui/test/TestPlayer.h"

#include <QScreen>

namespace zg {

ModelCommands::ModelCommands(const Parts& parts, QObject* parent)
    : QObject(parent), p_(parts), store_(UserModelFolder(), this) {
    library_ = new ModelLibraryCommands(
        {p_.window, p_.dialogs, store_, [this] { return view_.data(); }, [this] { modelShown(); }}, this);
    connect(&store_, &ModelStore::changed, this, &ModelCommands::modelShown);
    connect(&store_, &ModelStore::listChanged, this, &ModelCommands::modelShown);
    connect(&store_, &ModelStore::changedElsewhere, this, [this](const QString& what) {
        changedElsewhere_ = what;
        showNotice();
    });
    // The first model is chosen quietly: a damaged one is said when the view opens.
    if (const QString current = UserSettings::modelName(); !current.isEmpty())
        chosen_ = !store_.choose(current).has_value();
    connect(&p_.player, &TestPlayer::stepShown, this, &ModelCommands::showStep);
    connect(&p_.player, &TestPlayer::woundDown, this, &ModelCommands::showAtRest);
    connect(&p_.grid, &GridWidget::pointerEventChanged, this, &ModelCommands::showAtRest);
    connect(&p_.grid, &GridWidget::focusMoved, this, &ModelCommands::showAtRest);
    connect(&p_.player, &TestPlayer::servoStickMoved, this, &ModelCommands::showAtRest);
    // Beside the main window once the window manager has put that in its place, where the view has
    // no place of its own yet.
    if (UserSettings::modelViewShown())
        QTimer::singleShot(UserSettings::modelViewGeometry().isEmpty() ? 500 : 0, this,
                           [this] { setViewShown(true); });
}

ModelCommands::~ModelCommands() = default;

QString ModelCommands::outputName(LedChannel led) const {
    return chosen_ ? QString::fromStdString(OutputName(store_.model(), led)) : QString();
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
    UserSettings::setModelViewShown(true);
    emit viewShownChanged(true);
}

void ModelCommands::rememberView() {
    if (!view_)
        return;
    UserSettings::setModelViewGeometry(view_->saveGeometry());
    UserSettings::setModelViewShown(view_->isVisible());
}

void ModelCommands::buildView() {
    view_ = new ModelWindow(&p_.window);
    view_->setHistory(history_);
    if (!view_->restoreGeometry(UserSettings::modelViewGeometry())) {
        placeBesideWindow();
        UserSettings::setModelViewGeometry(view_->saveGeometry());
    }
    // Kept a moment after each move, so that a program that ends unexpectedly still finds it.
    keepPlace_.setSingleShot(true);
    keepPlace_.setInterval(1000);
    connect(&keepPlace_, &QTimer::timeout, this,
            [this] { UserSettings::setModelViewGeometry(view_->saveGeometry()); });
    connect(view_, &ModelWindow::placeChanged, &keepPlace_, qOverload<>(&QTimer::start));
    connect(view_, &ModelWindow::closed, this, [this] {
        UserSettings::setModelViewGeometry(view_->saveGeometry());
        UserSettings::setModelViewShown(false);
        emit viewShownChanged(false);
    });
    connect(view_, &ModelWindow::modelChosen, library_, &ModelLibraryCommands::choose);
    connect(view_, &ModelWindow::outlineChosen, this, &ModelCommands::chooseOutline);
    connect(view_, &ModelWindow::newAsked, library_, &ModelLibraryCommands::newModel);
    connect(view_, &ModelWindow::renameAsked, library_, &ModelLibraryCommands::renameModel);
    connect(view_, &ModelWindow::deleteAsked, library_, &ModelLibraryCommands::deleteModel);
    connect(view_, &ModelWindow::pictureAsked, this, &ModelCommands::choosePicture);
    connect(view_, &ModelWindow::importAsked, library_, &ModelLibraryCommands::importModel);
    connect(view_, &ModelWindow::exportAsked, library_, &ModelLibraryCommands::exportModel);
    connectCanvas();
    const QString current = UserSettings::modelName();
    if (!chosen_ && !current.isEmpty()) {
        if (const auto why = store_.choose(current))
            report(tr("The model %1 cannot be read (%2): the plane is shown instead.").arg(current, *why));
    }
    if (!chosen_ && !store_.kept())
        library_->showFirstModel();
    chosen_ = true;
    modelShown();
}

void ModelCommands::connectCanvas() {
    ModelCanvas& canvas = view_->canvas();
    connect(&canvas, &ModelCanvas::placed, this, [this](std::size_t light, double x, double y) {
        step(tr("Move Light"), [=](const ModelLayout& now) { return MoveLightChange(now, light, x, y); });
    });
    connect(&canvas, &ModelCanvas::renameAsked, this, &ModelCommands::renameLight);
    connect(&canvas, &ModelCanvas::doubleAsked, this, [this](std::size_t light) {
        step(tr("Double Light"), [=](const ModelLayout& now) { return DoubleLightChange(now, light); });
    });
    connect(&canvas, &ModelCanvas::removeAsked, this, [this](std::size_t light) {
        step(tr("Remove Light"), [=](const ModelLayout& now) { return RemoveLightChange(now, light); });
    });
}

// The first time, beside the main window where the screen has room, narrower where it has less,
// so that neither hides the other; where there is no room at all, at the screen's right edge.
void ModelCommands::placeBesideWindow() {
    constexpr int kGap = 12;
    const QRect main = p_.window.frameGeometry();
    const QRect screen = p_.window.screen()->availableGeometry();
    const QSize wanted = view_->sizeHint().expandedTo(QSize(420, 480)).boundedTo(screen.size());
    const QSize least = view_->minimumSizeHint();
    const int height = std::min(wanted.height(), screen.height());
    const int right = std::min(wanted.width(), screen.right() - main.right() - kGap);
    const int left = std::min(wanted.width(), main.left() - screen.left() - kGap);
    const int below = std::min(wanted.height(), screen.bottom() - main.bottom() - kGap);
    QRect place(QPoint(screen.right() - wanted.width(), screen.top()), wanted);
    if (right >= least.width())
        place = QRect(main.right() + kGap, main.top(), right, height);
    else if (left >= least.width())
        place = QRect(main.left() - kGap - left, main.top(), left, height);
    else if (below >= least.height())
        place = QRect(main.left(), main.bottom() + kGap, wanted.width(), below);
    place.moveTop(
        std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() - place.height())));
    view_->resize(place.size());
    view_->move(place.topLeft());
}

// The model shown changed: the view, the list and the names follow, and the history belongs to
// one model only.
void ModelCommands::modelShown() {
    const ModelLayout& model = store_.model();
    if (store_.generation() != historyOf_) {
        historyOf_ = store_.generation();
        clearHistory();
    }
    if (view_) {
        view_->canvas().showModel(model);
        view_->showModels(store_.names(), QString::fromStdString(model.name), model.outline);
        showNotice();
    }
    showAtRest();
    if (chosen_)
        emit namesChanged();
}

void ModelCommands::showNotice() {
    if (!view_)
        return;
    QStringList lines;
    if (const QString& problem = view_->canvas().pictureProblem(); !problem.isEmpty())
        lines << tr("The picture %1 cannot be shown (%2): the plane stands in for it.")
                     .arg(QString::fromStdString(store_.model().picture.source), problem);
    if (!changedElsewhere_.isEmpty())
        lines << changedElsewhere_;
    view_->showNotice(lines.join(u'\n'));
}

// The change is built from the model as it is on disk now and applied to it, so that what another
// window changed meanwhile is kept along with it; so are its undo and redo.
void ModelCommands::step(const QString& text, const std::function<ModelChange(const ModelLayout&)>& make) {
    store_.takeNewer();
    const ModelChange made = make(store_.model());
    if (made.change && apply(made.change))
        history_.push(new ModelStep(
            [this](const LayoutChange& change) {
                stepping_ = true;
                const bool kept = apply(change);
                stepping_ = false;
                return kept;
            },
            text, made.change, made.opposite));
}

bool ModelCommands::apply(const LayoutChange& change) {
    changedElsewhere_.clear();
    const auto error = store_.change(change);
    showNotice();
    if (!error)
        return true;
    report(tr("The model %1 cannot be kept: %2").arg(QString::fromStdString(store_.model().name), *error));
    clearHistory(); // what it would undo or redo next is not what the model holds now
    modelShown();   // the view shows the model as it is kept
    return false;
}

// Not from inside an undo step: the step that runs would go with it.
void ModelCommands::clearHistory() {
    if (stepping_)
        QMetaObject::invokeMethod(&history_, &QUndoStack::clear, Qt::QueuedConnection);
    else
        history_.clear();
}

void ModelCommands::chooseOutline(Outline outline) {
    if (outline == Outline::Picture)
        return choosePicture();
    step(tr("Outline"), [outline](const ModelLayout& now) { return OutlineChange(now, outline, {}); });
}

// A cancelled or unreadable choice leaves the model, the drawing and the list as they were.
void ModelCommands::choosePicture() {
    const auto path =
        p_.dialogs.getOpenFileName(view_, {tr("Picture of the Model"),
                                           FilterWithAllFiles(tr("Pictures (*.png *.jpg *.jpeg *.svg)"),
                                                              QStringLiteral("*.png;*.jpg;*.jpeg;*.svg")),
                                           QString()});
    const PictureRead read = path ? ReadPictureFile(*path) : PictureRead{};
    if (path && !read.picture)
        report(tr("The picture %1 cannot be used: %2.").arg(*path, read.why));
    if (read.picture)
        step(tr("Picture"),
             [&read](const ModelLayout& now) { return OutlineChange(now, Outline::Picture, *read.picture); });
    modelShown();
}

void ModelCommands::renameLight(std::size_t light) {
    if (light >= store_.model().lights.size())
        return;
    const ModelLight& named = store_.model().lights[light];
    const auto name =
        p_.dialogs.getText(view_, {tr("Name of the Light"), tr("What LED#%1 lights here:").arg(named.led + 1),
                                   QString::fromStdString(named.name)});
    if (name)
        step(tr("Name Light"), [light, &name](const ModelLayout& now) {
            return NameLightChange(now, light, LightName(*name).toStdString());
        });
}

void ModelCommands::showStep(EventIndex e, int servoZoneMask) {
    if (view_ && view_->isVisible())
        view_->canvas().showColors(LightColors(store_.model(), p_.sequence, e, servoZoneMask));
}

// At rest the view shows the stick's zone as the scroll bar stands now.
void ModelCommands::showAtRest() {
    if (p_.player.active())
        return; // the test shows its own steps
    const int pointer = p_.grid.pointerEvent();
    showStep(pointer >= 0 ? pointer : p_.grid.focusCell().event, p_.player.servoZoneMask());
}

void ModelCommands::documentChanged() {
    showAtRest();
}

void ModelCommands::report(const QString& text) {
    p_.dialogs.exclaim(view_ ? static_cast<QWidget*>(view_) : &p_.window, text);
}

} // namespace zg
