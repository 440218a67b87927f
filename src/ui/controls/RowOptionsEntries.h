#pragma once

#include <QString>
#include <QStringList>

namespace zg {

// The row-options list's entries as the list shows them, in the user's language. They keep their
// places (a blank entry stays blank): a pick is known by its position.
QStringList RowOptionsEntries();

// The row-options entry `operation` as a command's name, without its dots ("Skip 2"), a copy's
// with the other LED picked (`other`, 0 to 3: "Copy from LED #2"); empty for a blank entry or a
// position outside the list.
QString RowCommandName(int operation, int other = -1);

} // namespace zg
