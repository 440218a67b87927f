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

} // namespace zg
