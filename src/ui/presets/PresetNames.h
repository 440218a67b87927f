#pragma once

#include "files/PresetLibrary.h"

#include <QString>

#include <span>
#include <vector>

namespace zg {

// A preset as the New from Preset menu shows it.
struct ShownPreset {
    QString group;
    QString name;
    QString path;
    bool own = false; // saved by the user
};

// The presets as the menu lists them: the shipped ones' groups and names in the user's language,
// the groups and each group's presets in the order of their shown names; the user's own last, as
// typed and in their order.
std::vector<ShownPreset> ShownPresets(const std::vector<Preset>& presets);

// The names and groups of the shipped presets as the translations know them; a preset shipped
// without its name here is listed in English.
std::span<const char* const> ShippedPresetTexts();

} // namespace zg
