#include "FlashCommands.h"

#include "ui/common/DocumentHistory.h"
#include "ui/editing/FlashPatternDialog.h"
#include "ui/grid/GridWidget.h"

namespace zg {

FlashCommands::FlashCommands(const Parts& parts, QObject* parent) : QObject(parent), p_(parts) {}

void FlashCommands::openGenerator() {
    std::array<bool, kLedCount> rows{};
    if (const auto range = p_.grid.selection()) {
        for (LedChannel row = range->firstRow; row <= range->lastRow; ++row)
            rows[std::size_t(row)] = true;
    } else {
        rows[std::size_t(p_.grid.focusCell().row)] = true;
    }
    if (!dialog_) {
        dialog_ = new FlashPatternDialog(p_.sequence, &p_.window);
        connect(dialog_, &QDialog::accepted, this, &FlashCommands::apply);
    }
    dialog_->proposeRows(rows);
    dialog_->open();
}

void FlashCommands::apply() {
    const FlashSettings settings = dialog_->settings();
    const FlashLayout layout = dialog_->layout();
    const std::optional<int> delay = dialog_->newDelay();
    p_.history.record(FlashPatternDialog::EffectName(settings.effect), [&] {
        if (delay)
            p_.sequence.setSequencerDelay(std::int16_t(*delay));
        ApplyFlashes(settings, layout, p_.sequence);
    });
    if (delay)
        p_.history.speedsSet({true, false});
}

} // namespace zg
