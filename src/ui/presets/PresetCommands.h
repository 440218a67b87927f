#pragma once

#include "files/UserDataFolder.h"
#include "model/LedSequence.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QMenu;
class QWidget;

namespace zg {

class DataFileCommands;
class UserDialogs;

// "New from Preset" and "Save as Preset...": the shipped library of light patterns and the user's
// own, kept as data files.
class PresetCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window; // parent of the dialogs
        const LedSequence& sequence;
        UserDialogs& dialogs;
        DataFileCommands& files;
    };
    explicit PresetCommands(const Parts& parts, QObject* parent = nullptr);

    // Lists the presets in `menu`, a submenu a group, as the folders hold them now: presets saved
    // or added since the last look are there.
    void fillMenu(QMenu* menu);
    // Moves what an earlier version kept elsewhere into the user's data folder, its copies of
    // unsaved work too, and says which presets took new names there.
    void moveEarlierOnes();
    // Loads a preset as Open loads a file, but the document stays without a name.
    void newFromPreset(const QString& path);
    void saveAsPreset();

  private:
    void sayRenamed(const std::vector<RenamedFile>& renamed);
    std::optional<QString> askName(const QString& offered);
    std::optional<QString> chooseTarget();

    Parts p_;
};

} // namespace zg
