#pragma once

#include "UiFixture.h"

#include "export/GridGeometry.h"
#include "ui/controls/PopupList.h"

#include <QWindow>

#include <string>

// A main window whose grid and pop-up lists are driven as the user does.
class GridEditing : public UiFixture {
  protected:
    zg::PopupList* list(const char* name) const { return find<zg::PopupList>(QLatin1String(name)); }
    const zg::LedSequence& doc() const { return form->sequence(); }

    void setRow(int row, const std::string& cells) {
        for (int e = 0; e < 50; ++e)
            form->sequence().setCell(row, e, cells[std::size_t(e)] == '1');
    }
    std::string row(int r) const {
        std::string cells;
        for (int e = 0; e < 50; ++e)
            cells += doc().cell(r, e) ? '1' : '0';
        return cells;
    }

    // Clicks entry `index` of a pop-up list, as the user picks it.
    void pick(const char* name, int index) {
        zg::PopupList* l = list(name);
        ASSERT_TRUE(l->isVisible()) << name;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(index)).center());
    }

    // A press or release sent through the window system, which, like a real mouse, turns a second
    // press soon after the first and a few pixels away into a double-click.
    void systemMouse(int row, int e, int x, QEvent::Type type, int atMs) {
        QWindow* window = form->windowHandle();
        const QPoint inCell = zg::GridGeometry::CellRect(row, e).topLeft() + QPoint(x, kInCell.y());
        const QPoint local = grid()->mapTo(form.get(), inCell);
        const bool down = type == QEvent::MouseButtonPress;
        qt_handleMouseEvent(window, local, window->mapToGlobal(local), down ? Qt::LeftButton : Qt::NoButton,
                            Qt::LeftButton, type, {}, QTest::lastMouseTimestamp + 10000 + atMs);
        QCoreApplication::processEvents();
    }
};
