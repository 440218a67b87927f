#include "FlashPatternDialog.h"

#include "export/FormColors.h"
#include "export/TimingText.h"
#include "ui/editing/FlashPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zg {

FlashPatternDialog::FlashPatternDialog(const LedSequence& sequence, QWidget* parent)
    : QDialog(parent), sequence_(sequence) {
    setObjectName(QStringLiteral("FlashPatternDialog"));
    setWindowTitle(tr("Flash Pattern"));
    buildControls();
    showResult();
}

QString FlashPatternDialog::EffectName(FlashEffect effect) {
    switch (effect) {
    case FlashEffect::Steady:
        return tr("Steady");
    case FlashEffect::Single:
        return tr("Single Flash");
    case FlashEffect::Double:
        return tr("Double Flash");
    case FlashEffect::Triple:
        return tr("Triple Flash");
    case FlashEffect::Beacon:
        return tr("Beacon");
    case FlashEffect::Alternate:
        return tr("Alternate");
    case FlashEffect::Chase:
        return tr("Chase");
    case FlashEffect::Flicker:
        return tr("Flicker");
    }
    return {};
}

QSpinBox* FlashPatternDialog::addSpin(const char* name, int minimum, int maximum, int value,
                                      const QString& suffix) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setSuffix(suffix);
    connect(spin, &QSpinBox::valueChanged, this, &FlashPatternDialog::showResult);
    return spin;
}

void FlashPatternDialog::buildControls() {
    const FlashSettings defaults;
    auto* ledRow = new QHBoxLayout;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        auto* box = new QCheckBox(tr("LED#%1").arg(row + 1), this);
        box->setObjectName(QStringLiteral("FlashLed%1").arg(row + 1));
        connect(box, &QCheckBox::toggled, this, &FlashPatternDialog::showResult);
        ledRow->addWidget(box);
        leds_[std::size_t(row)] = box;
    }
    effect_ = new QComboBox(this);
    effect_->setObjectName(QStringLiteral("FlashEffect"));
    for (FlashEffect effect : kFlashEffects)
        effect_->addItem(EffectName(effect));
    effect_->setCurrentIndex(int(defaults.effect));
    connect(effect_, &QComboBox::currentIndexChanged, this, &FlashPatternDialog::showResult);
    rate_ = addSpin("FlashRate", 1, 1200, defaults.perMinute, tr(" a minute"));
    flash_ = addSpin("FlashLength", 1, 5000, defaults.flashMs, tr(" ms"));
    gap_ = addSpin("FlashGap", 1, 5000, defaults.gapMs, tr(" ms"));
    offset_ = addSpin("FlashOffset", 0, 10000, defaults.offsetMs, tr(" ms"));
    seed_ = addSpin("FlashSeed", 1, 9999, int(defaults.seed), QString());
    fit_ = new QCheckBox(tr("&Fit the cycle to the rate"), this);
    fit_->setObjectName(QStringLiteral("FlashFit"));
    fit_->setChecked(defaults.fitCycle);
    connect(fit_, &QCheckBox::toggled, this, &FlashPatternDialog::showResult);
    noFit_ = new QLabel(this);
    noFit_->setObjectName(QStringLiteral("FlashNoFit"));
    noFit_->setWordWrap(true);
    useDelay_ = new QCheckBox(this);
    useDelay_->setObjectName(QStringLiteral("FlashUseDelay"));
    connect(useDelay_, &QCheckBox::toggled, this, &FlashPatternDialog::showResult);
    fitFlash_ = new QPushButton(this);
    fitFlash_->setObjectName(QStringLiteral("FlashFitFlash"));
    connect(fitFlash_, &QPushButton::clicked, this,
            [this] { flash_->setValue(fitFlash_->property("ms").toInt()); });
    fitGap_ = new QPushButton(this);
    fitGap_->setObjectName(QStringLiteral("FlashFitGap"));
    connect(fitGap_, &QPushButton::clicked, this,
            [this] { gap_->setValue(fitGap_->property("ms").toInt()); });
    fitCycle_ = new QPushButton(this);
    fitCycle_->setObjectName(QStringLiteral("FlashFitCycle"));
    // The fitted cycle's own offer, the delay, then comes ticked.
    connect(fitCycle_, &QPushButton::clicked, this, [this] { fit_->setChecked(true); });
    auto* fixes = new QHBoxLayout;
    fixes->addWidget(fitFlash_);
    fixes->addWidget(fitGap_);
    fixes->addWidget(fitCycle_);
    fixes->addStretch();
    preview_ = new FlashPreview(this);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("FlashReadout"));

    auto* form = new QFormLayout;
    form->addRow(tr("LEDs:"), ledRow);
    form->addRow(tr("&Effect:"), effect_);
    form->addRow(tr("&Rate:"), rate_);
    form->addRow(tr("F&lash length:"), flash_);
    form->addRow(tr("&Gap between flashes:"), gap_);
    form->addRow(tr("Start &offset:"), offset_);
    form->addRow(tr("&Seed:"), seed_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fit_);
    layout->addWidget(noFit_);
    layout->addLayout(fixes);
    for (QWidget* widget : std::initializer_list<QWidget*>{useDelay_, preview_, readout_, buttons})
        layout->addWidget(widget);
    effect_->setFocus();
}

void FlashPatternDialog::proposeRows(const std::array<bool, kLedCount>& rows) {
    for (LedChannel row = 0; row < kLedCount; ++row)
        leds_[std::size_t(row)]->setChecked(rows[std::size_t(row)]);
    showResult();
}

FlashSettings FlashPatternDialog::settings() const {
    FlashSettings s;
    s.effect = kFlashEffects[std::size_t(effect_->currentIndex())];
    for (LedChannel row = 0; row < kLedCount; ++row)
        s.leds[std::size_t(row)] = leds_[std::size_t(row)]->isChecked();
    s.perMinute = rate_->value();
    s.flashMs = flash_->value();
    s.gapMs = gap_->value();
    s.offsetMs = offset_->value();
    s.fitCycle = fit_->isChecked();
    s.seed = unsigned(seed_->value());
    return s;
}

std::optional<int> FlashPatternDialog::newDelay() const {
    const FlashLayout atToday = LayOutFlashes(settings(), sequence_.sequencerDelay(), sequence_.endEvent());
    if (useDelay_->isChecked() && atToday.fittingDelay)
        return atToday.fittingDelay;
    return std::nullopt;
}

int FlashPatternDialog::delay() const {
    return newDelay().value_or(sequence_.sequencerDelay());
}

FlashLayout FlashPatternDialog::layout() const {
    return LayOutFlashes(settings(), delay(), sequence_.endEvent());
}

// Everything that comes out, worked out again at each change of a figure.
void FlashPatternDialog::showResult() {
    const FlashSettings s = settings();
    seed_->setEnabled(s.effect == FlashEffect::Flicker);
    // Steady and Beacon light for a share of the period, and a lone flash has no gap.
    const bool steadyOrBeacon = s.effect == FlashEffect::Steady || s.effect == FlashEffect::Beacon;
    flash_->setEnabled(!steadyOrBeacon);
    gap_->setEnabled(!steadyOrBeacon && s.effect != FlashEffect::Single &&
                     s.effect != FlashEffect::Alternate);
    const FlashLayout atToday = LayOutFlashes(s, sequence_.sequencerDelay(), sequence_.endEvent());
    showWhatDoesNotFit(s, atToday);
    // Laid out once more only where the offered delay is taken.
    const bool takeDelay = useDelay_->isChecked() && atToday.fittingDelay;
    const int delay = takeDelay ? *atToday.fittingDelay : sequence_.sequencerDelay();
    const FlashLayout result = takeDelay ? LayOutFlashes(s, delay, sequence_.endEvent()) : atToday;
    ok_->setEnabled(!result.needsDelay);
    std::array<QColor, kLedCount> colours;
    QStringList lines;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        colours[std::size_t(row)] = ColorOf(LedColorTable[std::size_t(sequence_.ledColor(row))].value);
        if (s.leds[std::size_t(row)] && !result.needsDelay)
            lines << RowReadout(row, TimeRow(result.cells[std::size_t(row)], result.endEvent, delay,
                                             sequence_.servoMode(row)));
    }
    preview_->showLayout(result, s.leds, colours);
    readout_->setText(lines.join(u'\n'));
}

// Says what keeps the pattern from coming out as set, with what would fit.
void FlashPatternDialog::showWhatDoesNotFit(const FlashSettings& s, const FlashLayout& atToday) {
    const bool longPeriod = s.fitCycle && !atToday.fits && !atToday.needsDelay;
    const bool tooMany = !atToday.flashesFit;
    // Without the cycle fitted, a period longer than the 50 events shows at another rate.
    const bool otherRate = atToday.shownPerMinute && !tooMany;
    // The delay is offered ticked only where the period cannot fit otherwise: it retimes every
    // LED, where a shorter flash or gap changes only the rows chosen; at a delay of 0 nothing is
    // laid out until the user takes it.
    const DelayOffer offer = atToday.needsDelay ? DelayOffer::NoDelay
                             : longPeriod       ? DelayOffer::LongPeriod
                             : tooMany          ? DelayOffer::TooManyFlashes
                                                : DelayOffer::None;
    if (offer != offer_) {
        offer_ = offer;
        const QSignalBlocker blocker(useDelay_);
        useDelay_->setChecked(offer == DelayOffer::LongPeriod);
    }
    noFit_->setText(whyItDoesNotFit(s, atToday));
    noFit_->setVisible(!noFit_->text().isEmpty());
    useDelay_->setVisible(noFit_->isVisible() && !otherRate && atToday.fittingDelay.has_value());
    fitFlash_->setVisible(tooMany && atToday.fittingFlashMs.has_value());
    // Return takes OK only where the pattern comes out as set: flashes that do not fit would
    // overlap or fall away.
    ok_->setDefault(!tooMany);
    ok_->setAutoDefault(!tooMany);
    fitGap_->setVisible(tooMany && atToday.fittingGapMs.has_value());
    fitCycle_->setVisible(otherRate && atToday.fittingDelay.has_value());
    if (atToday.fittingDelay) {
        useDelay_->setText(tr("Change the sequencer &delay to %1 ms").arg(*atToday.fittingDelay));
        fitCycle_->setText(tr("Fit the c&ycle at a sequencer delay of %1 ms").arg(*atToday.fittingDelay));
    }
    if (atToday.fittingFlashMs) {
        fitFlash_->setText(tr("&Use a %1 ms flash").arg(*atToday.fittingFlashMs));
        fitFlash_->setProperty("ms", *atToday.fittingFlashMs);
    }
    if (atToday.fittingGapMs) {
        fitGap_->setText(tr("Use a %1 ms ga&p").arg(*atToday.fittingGapMs));
        fitGap_->setProperty("ms", *atToday.fittingGapMs);
    }
}

// The first thing that keeps the pattern from coming out as set, if there is one.
QString FlashPatternDialog::whyItDoesNotFit(const FlashSettings& s, const FlashLayout& atToday) const {
    const int delay = sequence_.sequencerDelay();
    if (atToday.needsDelay)
        return tr("The sequencer delay is 0: the module runs at its fastest, a step that no rate can "
                  "be given for. Choose a sequencer delay to lay the pattern out.");
    if (!atToday.flashesFit)
        return whyFlashesDoNotFit(s, atToday);
    if (s.fitCycle && !atToday.fits)
        return atToday.fittingDelay ? tr("One period is %1 events at today's sequencer delay of %2 ms: more "
                                         "than the 50 events there are.")
                                          .arg(atToday.periodEvents)
                                          .arg(delay)
                                    : tr("One period is longer than 50 events even at a sequencer delay of "
                                         "100 ms: choose a higher rate.");
    if (atToday.shownPerMinute)
        return tr("One period is %1 events at a sequencer delay of %2 ms, more than the 50 a pattern "
                  "has: without fitting the cycle the pattern repeats every %3 events, %4 a minute "
                  "instead of %5.")
            .arg(atToday.periodEvents)
            .arg(delay)
            .arg(atToday.endEvent + 1)
            .arg(qRound(*atToday.shownPerMinute))
            .arg(s.perMinute);
    return {};
}

// Why the flashes do not fit; for a chase or lights taking turns, with how many LEDs share a period.
QString FlashPatternDialog::whyFlashesDoNotFit(const FlashSettings& s, const FlashLayout& atToday) const {
    const bool shared =
        atToday.flashesNamed > 1 && (s.effect == FlashEffect::Chase || s.effect == FlashEffect::Alternate);
    const QString text =
        !shared ? tr("The flashes do not fit: %1 needs %2 events for its flashes and gaps, and one "
                     "period is %3 events at a sequencer delay of %4 ms.")
        : s.effect == FlashEffect::Chase
            ? tr("The flashes do not fit: a chase of %1 LEDs needs %2 events for its flashes and gaps, "
                 "and one period is %3 events at a sequencer delay of %4 ms.")
            : tr("The lights overlap: %1 LEDs taking turns need %2 events for their flashes, and one "
                 "period is %3 events at a sequencer delay of %4 ms.");
    return text.arg(shared ? QString::number(atToday.flashesNamed) : EffectName(s.effect))
        .arg(atToday.eventsNeeded)
        .arg(atToday.cycleEvents)
        .arg(sequence_.sequencerDelay());
}

} // namespace zg
