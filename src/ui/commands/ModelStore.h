#pragma once

#include "files/ModelLibrary.h"
#include "model/ModelLayout.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

#include <optional>

namespace zg {

// The model the view shows and the file it is kept in. Showing a model writes nothing; only a
// change of the user's is written, and never over a change that another window of the program
// made to the same file and this one has not seen: that change is taken first.
class ModelStore : public QObject {
    Q_OBJECT
  public:
    ModelStore(const QString& folder, QObject* parent);

    const ModelLibrary& library() const { return library_; }
    const ModelLayout& model() const { return model_; }
    // The model is kept in the library, not only shown (a first model before its first change).
    bool kept() const { return kept_; }
    // The names to choose from: those kept, and the one shown if it is not kept yet.
    QStringList names() const;

    // Shows the model kept under `name` (regardless of case); the reason when it cannot be read.
    std::optional<QString> choose(const QString& name);
    // Shows a model that is kept nowhere yet.
    void show(const ModelLayout& model);
    // Where another window changed the model's file since it was read here, takes its content
    // and says so with changedElsewhere(); true then.
    bool takeNewer();
    // Writes `model` and shows it; the reason when it cannot, and the model shown stays. Another
    // model of its name is replaced only when the user said so.
    enum class Replace { No, Yes };
    std::optional<QString> keep(const ModelLayout& model, Replace replace = Replace::No);
    std::optional<QString> rename(const QString& name);
    // Takes the model out of the library; it is still shown until another is chosen.
    std::optional<QString> remove();

  signals:
    void changed();          // model() is another now
    void changedElsewhere(); // ... because another window changed its file
    void listChanged();      // models were added to or taken from the folder

  private:
    void showRead(ModelLayout model, const QByteArray& bytes);
    void watch();

    ModelLibrary library_;
    ModelLayout model_;
    bool kept_ = false;
    QByteArray seen_; // the file as this window last read or wrote it
    QFileSystemWatcher watcher_;
};

} // namespace zg
