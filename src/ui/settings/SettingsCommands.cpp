#include "SettingsCommands.h"

#include "files/ConfigFile.h"
#include "files/UserSettings.h"
#include "ui/common/DocumentHistory.h"
#include "ui/common/UserDialogs.h"

#include <QDir>

namespace zg {

void SettingsCommands::apply(const ChosenSettings& chosen) {
    p_.history.record(tr("Settings"), [&] {
        p_.sequence.setSequencerDelay(chosen.sequencerDelay);
        p_.sequence.setTestSpeed(chosen.testSpeed);
    });
    p_.config.CommPort = chosen.commPort;
    UserSettings::setPort(p_.config.CommPort); // for a start folder without LED.cfg
    if (const auto error = SaveConfig(p_.config)) {
        // The values still apply for this run; only the port would be lost at the next start.
        p_.dialogs.exclaim(
            &p_.window,
            tr("The port setting could not be saved in LED.cfg in the folder\r%1\r\r%2")
                .arg(QDir::toNativeSeparators(QDir::currentPath()), QString::fromStdString(*error)));
    }
}

} // namespace zg
