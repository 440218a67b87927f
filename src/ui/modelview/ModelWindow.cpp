#include "ModelWindow.h"

#include "ui/modelview/ModelCanvas.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMoveEvent>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace zg {

namespace {
constexpr std::array<Outline, 6> kListedOutlines{Outline::Plane, Outline::Helicopter, Outline::Multicopter,
                                                 Outline::Car,   Outline::Boat,       Outline::Picture};
} // namespace

QString ModelWindow::OutlineName(Outline outline) {
    switch (outline) {
    case Outline::Plane:
        return tr("Plane (high wing)");
    case Outline::Helicopter:
        return tr("Helicopter");
    case Outline::Multicopter:
        return tr("Multicopter");
    case Outline::Car:
        return tr("Car or truck");
    case Outline::Boat:
        return tr("Boat");
    case Outline::Picture:
        break;
    }
    return tr("A picture of your own");
}

// A window of its own, not a tool window of the main one: the main window's keys (Ctrl+Z, Delete)
// would act on the pattern from here.
ModelWindow::ModelWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ModelWindow"));
    setWindowTitle(tr("Model View"));
    models_ = new QComboBox(this);
    models_->setObjectName(QStringLiteral("ModelList"));
    // A long name must not make the window wider than the screen.
    models_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    models_->setMinimumContentsLength(12);
    connect(models_, &QComboBox::activated, this,
            [this](int index) { emit modelChosen(models_->itemText(index)); });
    outlines_ = new QComboBox(this);
    outlines_->setObjectName(QStringLiteral("ModelOutline"));
    for (Outline outline : kListedOutlines)
        outlines_->addItem(OutlineName(outline));
    connect(outlines_, &QComboBox::activated, this,
            [this](int index) { emit outlineChosen(kListedOutlines[std::size_t(index)]); });
    canvas_ = new ModelCanvas(this);
    // Below the model, where the hint stands while there is nothing to say: the model keeps its
    // place when a notice comes and goes.
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("ModelNotice"));
    notice_->setTextFormat(Qt::PlainText); // it names the user's files and models
    notice_->setWordWrap(true);
    showNotice({});

    auto* choices = new QGridLayout;
    auto* modelCaption = new QLabel(tr("&Model:"), this);
    modelCaption->setBuddy(models_);
    auto* outlineCaption = new QLabel(tr("&Outline:"), this);
    outlineCaption->setBuddy(outlines_);
    auto* library = new QHBoxLayout;
    library->addWidget(button(tr("&New..."), "ModelNew", &ModelWindow::newAsked));
    library->addWidget(button(tr("Ren&ame..."), "ModelRename", &ModelWindow::renameAsked));
    library->addWidget(button(tr("&Delete..."), "ModelDelete", &ModelWindow::deleteAsked));
    choices->addWidget(modelCaption, 0, 0);
    choices->addWidget(models_, 0, 1);
    choices->addLayout(library, 0, 2);
    choices->addWidget(outlineCaption, 1, 0);
    choices->addWidget(outlines_, 1, 1);
    choices->addWidget(button(tr("&Picture..."), "ModelPicture", &ModelWindow::pictureAsked), 1, 2,
                       Qt::AlignLeft);
    choices->setColumnStretch(1, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(button(tr("&Import..."), "ModelImport", &ModelWindow::importAsked));
    files->addWidget(button(tr("&Export..."), "ModelExport", &ModelWindow::exportAsked));
    files->addStretch();
    undo_ = new QPushButton(tr("&Undo"), this);
    undo_->setObjectName(QStringLiteral("ModelUndo"));
    redo_ = new QPushButton(tr("&Redo"), this);
    redo_->setObjectName(QStringLiteral("ModelRedo"));
    files->addWidget(undo_);
    files->addWidget(redo_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(canvas_, 1);
    layout->addWidget(notice_);
    layout->addLayout(files);
}

void ModelWindow::setHistory(QUndoStack& history) {
    const auto bind = [this](QPushButton* button, QAction* action, QKeySequence::StandardKey key) {
        action->setShortcuts(key);
        addAction(action); // the keys work wherever the focus is in this window
        const auto follow = [button, action] {
            button->setEnabled(action->isEnabled());
            button->setToolTip(action->text());
        };
        connect(action, &QAction::changed, button, follow);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        follow();
    };
    bind(undo_, history.createUndoAction(this), QKeySequence::Undo);
    bind(redo_, history.createRedoAction(this), QKeySequence::Redo);
}

void ModelWindow::showNotice(const QString& text) {
    notice_->setText(text.isEmpty()
                         ? tr("Drag a light to its place; right-click it to name, double or remove it.")
                         : text);
    notice_->setForegroundRole(text.isEmpty() ? QPalette::WindowText : QPalette::Link);
    notice_->setProperty("notice", !text.isEmpty());
}

QString ModelWindow::notice() const {
    return notice_->property("notice").toBool() ? notice_->text() : QString();
}

void ModelWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    emit placeChanged();
}

void ModelWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit placeChanged();
}

QPushButton* ModelWindow::button(const QString& caption, const char* name, void (ModelWindow::*asked)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, asked);
    return button;
}

void ModelWindow::showModels(const QStringList& names, const QString& current, Outline outline) {
    models_->clear();
    models_->addItems(names);
    models_->setCurrentIndex(int(names.indexOf(current)));
    const auto at = std::find(kListedOutlines.begin(), kListedOutlines.end(), outline);
    outlines_->setCurrentIndex(int(at - kListedOutlines.begin()));
}

void ModelWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

} // namespace zg
