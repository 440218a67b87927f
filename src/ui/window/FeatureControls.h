#pragma once

#include "ui/controls/MainWindowControls.h"
#include "ui/download/Downloader.h"
#include "ui/test/TestPlayer.h"

namespace zg {

// The few controls of the main window that each feature is handed, so that none of them can
// reach into another's widgets.
TestPlayer::Controls TestControls(const MainWindowControls& c);
Downloader::Controls DownloadControls(const MainWindowControls& c, NoteLine& note);

} // namespace zg
