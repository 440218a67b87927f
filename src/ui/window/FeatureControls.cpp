#include "FeatureControls.h"

namespace zg {

TestPlayer::Controls TestControls(const MainWindowControls& c) {
    return {c.grid,       c.ledIndicators,  c.testButton, c.servoStick, c.pulseWidthCaption,
            c.pulseWidth, c.pulseWidthUnit, c.servoHint};
}

Downloader::Controls DownloadControls(const MainWindowControls& c, NoteLine& note) {
    return {c.progressBar,
            c.downloadLabel,
            &note,
            {c.testButton, c.settingsButton, c.downloadButton, c.openButton, c.saveButton}};
}

DocumentDisplay::Controls DisplayControls(const MainWindowControls& c, NoteLine& note) {
    return {c.grid, c.ledLabels, c.servoLists, &note};
}

MenuControls MenusControls(const MainWindowControls& c, NoteLine& note) {
    return {c.grid, &note, c.openButton, c.saveButton, c.testButton, c.settingsButton, c.downloadButton};
}

} // namespace zg
