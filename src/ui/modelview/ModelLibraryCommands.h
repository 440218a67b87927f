#pragma once

#include "model/ModelLayout.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace zg {

class ModelStore;
class UserDialogs;

// The model view's library commands: choose, New, Rename, Delete, Import and Export. Every name
// goes through one check, so that no name overwrites a model without the user saying so and no
// import writes outside the models' folder.
class ModelLibraryCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window;
        UserDialogs& dialogs;
        ModelStore& store;
        std::function<QWidget*()> view;  // the parent of its questions while it is open
        std::function<void()> showAgain; // the list and the drawing, after a choice that failed
    };
    ModelLibraryCommands(Parts parts, QObject* parent);

    void choose(const QString& name);
    // A plane, shown but kept only once the user changes it.
    void showFirstModel();
    void newModel();
    void renameModel();
    void deleteModel();
    void importModel();
    void exportModel();

  private:
    struct NameChoice {
        QString name;
        bool replace = false; // the user agreed to replace the model of that name
    };
    std::optional<NameChoice> askName(const QString& title, const QString& offered, bool renaming);
    QString freeName(const QString& base) const;
    void report(const QString& text);
    QWidget* parentWidget() const;

    Parts p_;
};

} // namespace zg
