#pragma once

#include "model/LedTables.h"

#include <QString>

#include <array>
#include <functional>

namespace zg {

class ClickableLabel;

// Each LED label's tooltip, naming its output by the light `nameOf` gives it ("Tail (LED#2)"), or
// by its number alone where that name is empty or there is no `nameOf`.
void SetLedLabelTips(const std::array<ClickableLabel*, kLedCount>& labels,
                     const std::function<QString(LedChannel)>& nameOf = {});

} // namespace zg
