#pragma once

namespace zg {

// What assistive technology sees of the grid: a table of 4 rows by 50 columns whose cells are
// check boxes named "LED #n, event e", checked when lit and switched by their toggle action as by a
// click. Installed before the first grid is made; installing it again does nothing.
void InstallGridAccessibility();

} // namespace zg
