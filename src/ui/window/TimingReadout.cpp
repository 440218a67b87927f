#include "TimingReadout.h"

#include "export/PlainTip.h"
#include "export/TimingText.h"
#include "model/RowTiming.h"
#include "ui/grid/GridWidget.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace zg {

namespace {

// The words of `text` that fit into `width`, with an ellipsis where some had to go.
QString shortenedAtWord(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    QString shown = text;
    while (!shown.isEmpty()) {
        const qsizetype blank = shown.lastIndexOf(u' ');
        shown = shown.left(std::max<qsizetype>(blank, 0));
        while (shown.endsWith(u',') || shown.endsWith(u';') || shown.endsWith(u':'))
            shown.chop(1);
        if (metrics.horizontalAdvance(shown + ellipsis) <= width)
            break;
    }
    return shown + ellipsis;
}

} // namespace

TimingReadout::TimingReadout(const LedSequence& sequence, GridWidget& grid, QStatusBar& bar, QObject* parent)
    : QObject(parent), sequence_(sequence), grid_(grid), line_(*new QLabel(&bar)) {
    line_.setObjectName(QStringLiteral("TimingReadout"));
    line_.setTextFormat(Qt::PlainText); // it names the lights as the user named them
    // As wide as the bar lets it be, whatever its text: a long one is shortened to fit.
    line_.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar.addWidget(&line_, 1);
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &TimingReadout::refresh);
    connect(&grid_, &GridWidget::pointerRowChanged, this, [this] { documentChanged(); });
    connect(&grid_, &GridWidget::focusMoved, this, [this] { documentChanged(); });
    line_.installEventFilter(this); // laid out, the line knows how much of the text it can show
    refresh();
}

bool TimingReadout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &line_ && event->type() == QEvent::Resize)
        refresh();
    return QObject::eventFilter(watched, event);
}

LedChannel TimingReadout::row() const {
    return grid_.pointerRow() >= 0 ? grid_.pointerRow() : grid_.focusCell().row;
}

void TimingReadout::documentChanged() {
    if (!timer_.isActive())
        timer_.start();
}

void TimingReadout::refresh() {
    const LedChannel shown = row();
    const QString text = RowReadout(shown, TimeRow(sequence_, shown), nameOf_ ? nameOf_(shown) : QString());
    // A text that does not fit is shortened at a word, and shown whole as the line's tooltip.
    const QString fitting = shortenedAtWord(text, line_.fontMetrics(), line_.contentsRect().width());
    line_.setText(fitting);
    line_.setToolTip(fitting == text ? QString() : PlainTip(text));
}

} // namespace zg
