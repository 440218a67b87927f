#pragma once

#include <QCoreApplication>

#include "model/LedSequence.h"

#include <QString>

#include <optional>

class QWidget;

namespace zg {

class DocumentHistory;
class TestPlayer;
class UserDialogs;

// "Export Animation..." and "Export Picture...": the pattern as an animated GIF of what the module
// shows, and as a PNG of the grid, to share where a data file cannot be shown.
class ExportCommands {
    Q_DECLARE_TR_FUNCTIONS(zg::ExportCommands)

  public:
    struct Parts {
        QWidget& window; // parent of the dialogs
        const LedSequence& sequence;
        UserDialogs& dialogs;
        const DocumentHistory& history; // the name a file dialog offers
        const TestPlayer& player;       // the test stick's zone is the one offered
    };
    explicit ExportCommands(const Parts& parts) : p_(parts) {}

    void exportAnimation();
    void exportPicture();

  private:
    std::optional<int> chooseZone();
    std::optional<QString> chooseTarget(const QString& title, const QString& filter, const QString& suffix);
    void report(const QString& path, const std::optional<QString>& error);

    Parts p_;
};

} // namespace zg
