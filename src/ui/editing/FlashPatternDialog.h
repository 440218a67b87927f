#pragma once

#include "model/FlashGenerator.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zg {

class FlashPreview;

// Fills LED rows from a few figures: which LEDs, the effect, the rate, the flash and gap lengths,
// an offset, and whether the cycle is fitted to the rate. It shows live what comes out, rounded to
// whole events, says what keeps it from coming out as set, and offers what would fit.
class FlashPatternDialog : public QDialog {
    Q_OBJECT
  public:
    FlashPatternDialog(const LedSequence& sequence, QWidget* parent);

    // The LEDs to fill this time; the other figures stay as they were last used.
    void proposeRows(const std::array<bool, kLedCount>& rows);

    FlashSettings settings() const;
    // The sequencer delay to take along with the pattern, when the one offered is ticked.
    std::optional<int> newDelay() const;
    FlashLayout layout() const;

    // "Double Flash": the effect's name, also the name of its undo step.
    static QString EffectName(FlashEffect effect);

  private:
    void buildControls();
    QSpinBox* addSpin(const char* name, int minimum, int maximum, int value, const QString& suffix);
    int delay() const;
    void showResult();
    void showWhatDoesNotFit(const FlashSettings& s, const FlashLayout& atToday);
    QString whyItDoesNotFit(const FlashSettings& s, const FlashLayout& atToday) const;
    QString whyFlashesDoNotFit(const FlashSettings& s, const FlashLayout& atToday) const;

    const LedSequence& sequence_;
    std::array<QCheckBox*, kLedCount> leds_{};
    QComboBox* effect_ = nullptr;
    QSpinBox* rate_ = nullptr;
    QSpinBox* flash_ = nullptr;
    QSpinBox* gap_ = nullptr;
    QSpinBox* offset_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QCheckBox* fit_ = nullptr;
    QLabel* noFit_ = nullptr;
    QCheckBox* useDelay_ = nullptr;
    QPushButton* fitFlash_ = nullptr;
    QPushButton* fitGap_ = nullptr;
    QPushButton* fitCycle_ = nullptr;
    QPushButton* ok_ = nullptr;
    // Why a sequencer delay is offered, if it is.
    enum class DelayOffer { None, LongPeriod, TooManyFlashes, NoDelay };
    DelayOffer offer_ = DelayOffer::None;
    FlashPreview* preview_ = nullptr;
    QLabel* readout_ = nullptr;
};

} // namespace zg
