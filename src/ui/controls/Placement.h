#pragma once

#include <QString>
#include <QWidget>

namespace zg {

// Names a control and puts it at its design place (pixels at 96 dpi, relative to its container).
template <typename W> W* place(W* widget, const QString& name, int left, int top, int width, int height) {
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace zg
