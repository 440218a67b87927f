#pragma once

class QComboBox;

namespace zg {

// An editable list whose typed text stays typed text: when its edit field loses the focus or takes
// Enter, QComboBox on its own would turn text that spells an entry into a pick of that entry. Here
// only a pick from the drop-down chooses an entry.
void KeepTypedText(QComboBox& list);

} // namespace zg
