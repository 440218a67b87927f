#pragma once

#include "files/ModelFile.h"
#include "model/LedSequence.h"
#include "model/ModelLayout.h"
#include "ui/controls/MainWindowControls.h"
#include "ui/dialogs/ModelWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QScrollBar;

namespace zg {

class GridWidget;
class TestPlayer;
class UserDialogs;

// The model view's commands: the model the user chose and keeps in the data folder, its lights
// placed and named, and the view that plays what the indicators play. Stopped, the view shows the
// event under the pointer, else the focus cell's, so that moving along the grid scrubs through it.
class ModelCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window;
        const LedSequence& sequence;
        UserDialogs& dialogs;
        TestPlayer& player;
        MainWindowControls& controls;
    };
    ModelCommands(const Parts& parts, QObject* parent);

    // Shows or closes the view; it is made when first shown.
    void setViewShown(bool shown);
    ModelWindow* view() const { return view_; }
    // What the user calls an output on the model chosen, or nothing without one.
    QString outputName(LedChannel led) const;
    const std::optional<ModelLayout>& model() const { return model_; }
    // The document changed: a stopped view follows.
    void documentChanged();

  signals:
    void viewShownChanged(bool shown);
    // The lights' names changed: what names the outputs follows.
    void namesChanged();

  private:
    void buildView();
    void choose(const QString& name);
    void keep(const ModelLayout& model);
    void showAtRest();
    void showStep(EventIndex e, int servoZoneMask);
    void newModel();
    void choosePicture();
    void importModel();
    void exportModel();
    void renameLight(std::size_t light);
    void changeLights(const std::function<void(ModelLayout&)>& change);
    ModelLayout translatedDefault(Outline outline) const;
    void report(const QString& text);
    void applyNames();
    QString freeName(const QString& base) const;
    std::optional<QString> askName(const QString& title, const QString& offered);

    Parts p_;
    ModelLibrary library_;
    std::optional<ModelLayout> model_;
    QPointer<ModelWindow> view_;
};

} // namespace zg
