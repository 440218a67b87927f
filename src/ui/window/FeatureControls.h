#pragma once

#include "ui/controls/MainWindowControls.h"
#include "ui/download/Downloader.h"
#include "ui/test/TestPlayer.h"
#include "ui/window/DocumentDisplay.h"
#include "ui/window/MainWindowMenus.h"

namespace zg {

// The few controls of the main window that each feature, the document's display and the menus are
// handed, so that none of them can reach into another's widgets.
TestPlayer::Controls TestControls(const MainWindowControls& c);
Downloader::Controls DownloadControls(const MainWindowControls& c, NoteLine& note);
DocumentDisplay::Controls DisplayControls(const MainWindowControls& c, NoteLine& note);
MenuControls MenusControls(const MainWindowControls& c, NoteLine& note);

} // namespace zg
