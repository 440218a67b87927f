#pragma once

#include "model/ModelLayout.h"

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QUndoStack;

namespace zg {

class ModelCanvas;

// The model view, a window of its own beside the main window: which model, its outline, the
// model drawn with its lights, and the buttons that bring a model in from a file or send it out.
class ModelWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ModelWindow(QWidget* parent);

    ModelCanvas& canvas() const { return *canvas_; }
    // The models to choose from, `current` chosen, and its outline.
    void showModels(const QStringList& names, const QString& current, Outline outline);
    // A line below the model that says what the view cannot show as asked, in place of the hint;
    // empty brings the hint back.
    void showNotice(const QString& text);
    QString notice() const;
    // Undo and Redo of the changes to the model, as buttons and as the usual keys in this window.
    void setHistory(QUndoStack& history);

    // "Plane (high wing)": how the list names an outline.
    static QString OutlineName(Outline outline);

  signals:
    void modelChosen(const QString& name);
    void outlineChosen(zg::Outline outline);
    void newAsked();
    void renameAsked();
    void deleteAsked();
    void pictureAsked();
    void importAsked();
    void exportAsked();
    void closed();
    // The window was moved or resized.
    void placeChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPushButton* button(const QString& caption, const char* name, void (ModelWindow::*asked)());

    QComboBox* models_ = nullptr;
    QComboBox* outlines_ = nullptr;
    ModelCanvas* canvas_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
};

} // namespace zg
