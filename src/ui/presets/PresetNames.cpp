#include "PresetNames.h"

#include <QCollator>
#include <QCoreApplication>

#include <algorithm>

namespace zg {

namespace {

constexpr const char* kShippedTexts[]{
    QT_TRANSLATE_NOOP("zg::Presets", "My Presets"),
    QT_TRANSLATE_NOOP("zg::Presets", "Aircraft"),
    QT_TRANSLATE_NOOP("zg::Presets", "Landing Light in the Upper Stick Zones"),
    QT_TRANSLATE_NOOP("zg::Presets", "Navigation Lights and Double Strobe"),
    QT_TRANSLATE_NOOP("zg::Presets", "Navigation Lights and Single Strobe"),
    QT_TRANSLATE_NOOP("zg::Presets", "Red Anti-Collision Beacons"),
    QT_TRANSLATE_NOOP("zg::Presets", "Boats"),
    QT_TRANSLATE_NOOP("zg::Presets", "Navigation Lights and Masthead Light"),
    QT_TRANSLATE_NOOP("zg::Presets", "Cars"),
    QT_TRANSLATE_NOOP("zg::Presets", "Brake and Reverse Lights by Stick"),
    QT_TRANSLATE_NOOP("zg::Presets", "Emergency Flasher, Red and Blue"),
    QT_TRANSLATE_NOOP("zg::Presets", "Hazard Lights"),
    QT_TRANSLATE_NOOP("zg::Presets", "Indicators by Stick"),
    QT_TRANSLATE_NOOP("zg::Presets", "Helicopters"),
    QT_TRANSLATE_NOOP("zg::Presets", "Navigation Lights and Anti-Collision Beacon"),
};

QString shown(const std::string& text, bool translated) {
    return translated ? QCoreApplication::translate("zg::Presets", text.c_str())
                      : QString::fromStdString(text);
}

} // namespace

std::vector<ShownPreset> ShownPresets(const std::vector<Preset>& presets) {
    std::vector<ShownPreset> shipped;
    std::vector<ShownPreset> own;
    for (const Preset& preset : presets) {
        const bool isOwn = preset.group == kUserPresetGroup;
        (isOwn ? own : shipped)
            .push_back({shown(preset.group, true), shown(preset.name, !isOwn),
                        QString::fromStdU16String(preset.file.u16string()), isOwn});
    }
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(shipped.begin(), shipped.end(), [&collator](const ShownPreset& a, const ShownPreset& b) {
        const int byGroup = collator.compare(a.group, b.group);
        return byGroup != 0 ? byGroup < 0 : collator.compare(a.name, b.name) < 0;
    });
    shipped.insert(shipped.end(), own.begin(), own.end());
    return shipped;
}

std::span<const char* const> ShippedPresetTexts() {
    return kShippedTexts;
}

} // namespace zg
