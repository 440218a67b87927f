#pragma once

#include <QString>
#include <QStringList>

namespace zg {

// The row-options list's entries as the list shows them, in the user's language. They keep their
// places (a blank entry stays blank): a pick is known by its position.
QStringList RowOptionsEntries();

// The row-options entry `operation` as a command's name, without its dots ("Copy from"); empty
// for a blank entry or a position outside the list.
QString RowCommandName(int operation);

} // namespace zg
