#pragma once

#include "model/AppConfig.h"
#include "model/LedSequence.h"
#include "ui/settings/ChosenSettings.h"

#include <QObject>

class QWidget;

namespace zg {

class DocumentHistory;
class UserDialogs;

// What OK in the settings dialog does: the speeds travel with the document, so their change is a
// step of its history; the port belongs to the machine, is not undone, and is kept in LED.cfg.
class SettingsCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window; // parent of the message boxes
        AppConfig& config;
        LedSequence& sequence;
        DocumentHistory& history;
        UserDialogs& dialogs;
    };
    SettingsCommands(const Parts& parts, QObject* parent) : QObject(parent), p_(parts) {}

    void apply(const ChosenSettings& chosen);

  private:
    Parts p_;
};

} // namespace zg
