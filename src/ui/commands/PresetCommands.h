#pragma once

#include "model/LedSequence.h"

#include <QObject>
#include <QString>

#include <optional>

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
    // Loads a preset as Open loads a file, but the document stays without a name.
    void newFromPreset(const QString& path);
    void saveAsPreset();

  private:
    std::optional<QString> askName(const QString& offered);
    std::optional<QString> chooseTarget();

    Parts p_;
};

} // namespace zg
