#pragma once

#include "model/LedSequenceObserver.h"

#include <array>
#include <functional>
#include <optional>

class QComboBox;

namespace zg {

class ClickableLabel;
class GridWidget;
class LedSequence;
class NoteLine;

// Shows each change of the document at once in the controls beside the grid (the grid draws the
// cells itself): the labels' colours, the servo lists, the end mark, and the end of the report of
// the last download.
class DocumentDisplay : public LedSequenceObserver {
  public:
    struct Controls {
        GridWidget* grid = nullptr;
        std::array<ClickableLabel*, kLedCount> ledLabels{};
        std::array<QComboBox*, kLedCount> servoLists{};
        NoteLine* note = nullptr;
    };

    DocumentDisplay(const Controls& controls, const LedSequence& sequence)
        : c_(controls), sequence_(sequence) {}

    // Brings every control in line with the document, as at start.
    void showAll();
    // While the user types in a servo list, the document's change of that LED's mode is not
    // echoed back into the box being typed in.
    void setTypingInServoList(std::optional<LedChannel> row) { typingInServoList_ = row; }
    // Told of every change too, for what is worked out from the whole document.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    void cellChanged(LedChannel row, EventIndex e, int state) override;
    void eventValueChanged(EventIndex e, const std::string& text) override;
    void endEventChanged(EventIndex previous, EventIndex current) override;
    void ledColorChanged(int slot, LedColor color) override;
    void servoModeChanged(LedChannel row, ServoControlMode mode) override;

  private:
    void setLabelColor(LedChannel led);

    const Controls c_;
    const LedSequence& sequence_;
    void changed();

    std::optional<LedChannel> typingInServoList_;
    std::function<void()> onChange_;
};

} // namespace zg
