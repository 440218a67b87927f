#pragma once

#include <QString>

namespace zg {

// A tooltip that shows `text` as it is. Qt takes a tooltip that looks like HTML for HTML, so a
// name of the user's such as "<h1>x</h1><img src=...>" would be drawn big and pull a picture in;
// such a text is escaped and handed over as HTML that keeps its lines as they are.
QString PlainTip(const QString& text);

} // namespace zg
