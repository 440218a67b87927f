#pragma once

#include "files/ModelLibrary.h"
#include "model/ModelChanges.h"
#include "model/ModelLayout.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

#include <functional>
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
    // Changes whenever another model is shown, so that what belongs to one model ends with it.
    int generation() const { return generation_; }
    // The names to choose from: those kept, and the one shown if it is not kept yet.
    QStringList names() const;

    // Shows the model kept under `name` (regardless of case); the reason when it cannot be read.
    std::optional<QString> choose(const QString& name);
    // Shows a model that is kept nowhere yet.
    void show(const ModelLayout& model);
    // Takes what another window did to the model's file since it was read here: a change, a new
    // name, its removal; each is said with changedElsewhere().
    void takeNewer();
    // Applies `change` to the model as it is on disk now and keeps it; nothing when it changes
    // nothing, the reason when it cannot be kept (the model shown stays as it was).
    using Change = LayoutChange;
    std::optional<QString> change(const Change& change);
    // Writes `model` and shows it. Another model of its name is replaced only when the user said so.
    enum class Replace { No, Yes };
    std::optional<QString> keep(const ModelLayout& model, Replace replace = Replace::No);
    std::optional<QString> rename(const QString& name);
    // Takes the model out of the library; it is still shown until another is chosen.
    std::optional<QString> remove();

  signals:
    void changed();                             // model() is another now
    void changedElsewhere(const QString& what); // ... because another window did `what`
    void listChanged();                         // models were added to or taken from the folder

  private:
    void showRead(ModelLayout model, const QByteArray& bytes);
    void taken(const QString& what);
    void watch();

    ModelLibrary library_;
    ModelLayout model_;
    bool kept_ = false;
    int generation_ = 0;
    QByteArray seen_; // the file as this window last read or wrote it
    QFileSystemWatcher watcher_;
};

} // namespace zg
