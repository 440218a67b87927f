#pragma once

namespace zg {

// What assistive technology sees of the model view: its lights as children named after their
// light and output ("Tail strobe, LED #3, lit"), each with the show-menu action that opens the
// menu a right click on it opens. Installed before the first view is made; installing it again
// does nothing.
void InstallModelCanvasAccessibility();

} // namespace zg
