#include "FlashPreview.h"

#include "export/GridPainter.h"

#include <QPainter>

namespace zg {

namespace {
constexpr int kPitch = 8;
constexpr int kLine = 12;
} // namespace

FlashPreview::FlashPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FlashPreview"));
    setAccessibleName(tr("Pattern preview"));
    setMinimumSize(sizeHint());
}

QSize FlashPreview::sizeHint() const {
    return {kEventCount * kPitch + 2, kLedCount * kLine + 2};
}

void FlashPreview::showLayout(const FlashLayout& layout, const std::array<bool, kLedCount>& rows,
                              const std::array<QColor, kLedCount>& colours) {
    layout_ = layout;
    rows_ = rows;
    colours_ = colours;
    update();
}

QString FlashPreview::cellsText() const {
    QStringList lines;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        if (!rows_[std::size_t(row)])
            continue;
        QString line;
        for (EventIndex e = 0; e <= layout_.endEvent; ++e)
            line += layout_.cells[std::size_t(row)][std::size_t(e)] ? u'1' : u'0';
        lines << line;
    }
    return lines.join(u'/');
}

// Drawn as the grid draws its cells: a lit one in its LED's colour, marked where that colour is
// close to the box's; events after the end mark are left out.
void FlashPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor border = palette().color(QPalette::Text);
    const QColor base = palette().color(QPalette::Base);
    int line = 0;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        if (!rows_[std::size_t(row)])
            continue;
        const QColor lit = colours_[std::size_t(row)];
        for (EventIndex e = 0; e <= layout_.endEvent; ++e) {
            const QRect box(1 + e * kPitch, 1 + line * kLine, kPitch, kPitch);
            painter.fillRect(box, border);
            const bool on = layout_.cells[std::size_t(row)][std::size_t(e)] != 0;
            painter.fillRect(box.adjusted(1, 1, -1, -1), on ? lit : base);
            if (on && GridPainter::CloseColors(lit, base))
                painter.fillRect(box.adjusted(2, 2, -2, -2), border);
        }
        ++line;
    }
}

} // namespace zg
