#include "TimingText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace zg {

namespace {

struct TimingWords {
    Q_DECLARE_TR_FUNCTIONS(zg::TimingText)
};

// "in stick zones 3 and 4 only", counted from 1 as the manual and the picture count them.
QString zonesText(int zones) {
    QStringList names;
    for (int zone = 0; zone < 4; ++zone)
        if (zones & (1 << zone))
            names << QString::number(zone + 1);
    if (names.size() == 1)
        return TimingWords::tr("in stick zone %1 only").arg(names.front());
    const QString last = names.takeLast();
    return TimingWords::tr("in stick zones %1 and %2 only").arg(names.join(QStringLiteral(", ")), last);
}

QString flashesText(const RowTiming& t) {
    const int count = int(t.flashes.size());
    const QString shortest = DurationText(t.shortestFlash * t.delayMs);
    if (t.shortestFlash == t.longestFlash)
        return count == 1 ? TimingWords::tr("1 flash of %1").arg(shortest)
                          : TimingWords::tr("%1 flashes of %2").arg(count).arg(shortest);
    const int longestMs = t.longestFlash * t.delayMs;
    if (longestMs < 1000)
        return TimingWords::tr("%1 flashes of %2 to %3 ms")
            .arg(count)
            .arg(t.shortestFlash * t.delayMs)
            .arg(longestMs);
    return TimingWords::tr("%1 flashes of %2 to %3").arg(count).arg(shortest, DurationText(longestMs));
}

QString flashingText(const RowTiming& t) {
    if (t.delayMs == 0) {
        const QString flashes = t.flashes.size() == 1 ? TimingWords::tr("1 flash")
                                                      : TimingWords::tr("%1 flashes").arg(t.flashes.size());
        return TimingWords::tr(
                   "%1 in a cycle of %2 events; at a sequencer delay of 0 the module runs at its fastest, "
                   "so no rate can be given")
            .arg(flashes)
            .arg(t.cycleEvents);
    }
    QString text = TimingWords::tr("%1 every %2 (%3)")
                       .arg(flashesText(t), DurationText(t.cycleMs()), RateText(t.cycleMs()));
    if (t.shortestFlash == t.longestFlash)
        text = TimingWords::tr("%1, dark %2").arg(text, DurationText(t.longestDark * t.delayMs));
    return text;
}

} // namespace

QString DurationText(int ms) {
    if (ms < 1000)
        return TimingWords::tr("%1 ms").arg(ms);
    return TimingWords::tr("%1 s").arg(QLocale().toString(ms / 1000.0, 'f', 2));
}

QString RateText(int cycleMs) {
    const double perMinute = 60000.0 / cycleMs;
    if (perMinute <= 120)
        return TimingWords::tr("%1 a minute").arg(qRound(perMinute));
    return TimingWords::tr("%1 Hz").arg(QLocale().toString(perMinute / 60, 'f', 1));
}

QString TimingSummary(const RowTiming& t) {
    QString text;
    switch (t.kind) {
    case RowTiming::Kind::NeverLit:
        return t.servoMode == 0 ? TimingWords::tr("never lit (servo mode OFF)")
                                : TimingWords::tr("never lit");
    case RowTiming::Kind::AlwaysOn:
        text = TimingWords::tr("on all the time");
        break;
    case RowTiming::Kind::Flashing:
        text = flashingText(t);
        break;
    }
    const int zones = t.servoZones();
    if (zones < 0)
        return TimingWords::tr("%1, with no servo mode chosen").arg(text);
    if (zones != 0b1111)
        return TimingWords::tr("%1, %2").arg(text, zonesText(zones));
    return text;
}

namespace {
QString eventTime(EventIndex e, int delayMs) {
    if (delayMs <= 0)
        return TimingWords::tr("event %1").arg(e + 1);
    return TimingWords::tr("event %1: %2 to %3 ms").arg(e + 1).arg(e * delayMs).arg((e + 1) * delayMs);
}
} // namespace

QString CellTimeText(LedChannel row, EventIndex e, int delayMs, const QString& name) {
    if (!name.isEmpty())
        return TimingWords::tr("%1 (LED#%2), %3").arg(name).arg(row + 1).arg(eventTime(e, delayMs));
    return TimingWords::tr("LED#%1, %2").arg(row + 1).arg(eventTime(e, delayMs));
}

QString AxisTimeText(EventIndex e, int delayMs, bool endMark) {
    QString text =
        delayMs <= 0
            ? TimingWords::tr("Event %1").arg(e + 1)
            : TimingWords::tr("Event %1: %2 to %3 ms").arg(e + 1).arg(e * delayMs).arg((e + 1) * delayMs);
    if (endMark)
        text = TimingWords::tr("%1 (the end mark: the cycle starts again after it)").arg(text);
    return text;
}

QString RowReadout(LedChannel row, const RowTiming& timing, const QString& name) {
    if (!name.isEmpty())
        return TimingWords::tr("%1: %2").arg(name, TimingSummary(timing));
    return TimingWords::tr("LED#%1: %2").arg(row + 1).arg(TimingSummary(timing));
}

} // namespace zg
