#pragma once

#include "model/LedSequence.h"
#include "model/ModelChanges.h"
#include "model/ModelLayout.h"
#include "ui/modelview/ModelStore.h"
#include "ui/modelview/ModelWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <array>
#include <functional>

namespace zg {

class GridWidget;
class ModelLibraryCommands;
class TestPlayer;
class UserDialogs;

// The model view's commands: the model the user chose and keeps in the data folder, its lights
// placed and named, and the view that plays what the indicators play. Stopped, the view shows the
// event under the pointer, else the focus cell's, so that moving along the grid scrubs through it.
// The view's changes to a model have an undo history of their own: the model belongs to the user,
// not to the pattern, and Undo in the main window never moves a light.
class ModelCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window;
        const LedSequence& sequence;
        UserDialogs& dialogs;
        TestPlayer& player;
        // The main window's: the view follows the grid's pointer and focus.
        const GridWidget& grid;
    };
    ModelCommands(const Parts& parts, QObject* parent);
    ~ModelCommands() override;

    // Shows or closes the view; it is made when first shown.
    void setViewShown(bool shown);
    ModelWindow* view() const { return view_; }
    // What the user calls an output on the model chosen, or nothing without one. Once a model is
    // chosen, namesChanged() says each change of its names.
    QString outputName(LedChannel led) const;
    // The document changed: a stopped view follows.
    void documentChanged();
    // Keeps the view's place, and whether it is open, for the next start.
    void rememberView();

    ModelStore& store() { return store_; }
    QUndoStack& history() { return history_; }

  signals:
    void viewShownChanged(bool shown);
    // The lights' names may have changed: what names the outputs follows.
    void namesChanged();

  private:
    void buildView();
    void placeBesideWindow();
    void connectCanvas();
    void modelShown();
    void showNotice();
    void showAtRest();
    void showStep(EventIndex e, int servoZoneMask);
    void step(const QString& text, const std::function<ModelChange(const ModelLayout&)>& make);
    bool apply(const LayoutChange& change);
    void clearHistory();
    void chooseOutline(Outline outline);
    void choosePicture();
    void renameLight(std::size_t light);
    void report(const QString& text);

    Parts p_;
    ModelStore store_;
    QUndoStack history_;
    ModelLibraryCommands* library_ = nullptr;
    QPointer<ModelWindow> view_;
    bool chosen_ = false;      // a model was chosen or the view opened: its names name the outputs
    int historyOf_ = -1;       // the generation of the model whose changes the history holds
    bool stepping_ = false;    // an undo or redo of the history runs
    QString changedElsewhere_; // said in the view until the next change of the user's
    QTimer keepPlace_;
};

} // namespace zg
