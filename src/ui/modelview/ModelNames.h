#pragma once

#include "model/ModelLayout.h"

#include <QStringList>

namespace zg {

// The model a shipped outline starts as, its lights named in the user's language.
ModelLayout TranslatedDefault(Outline outline);

// Gives each output that feeds no light one at its usual place, named in the user's language; the
// outputs that got one, as "LED#4".
QStringList CompleteLightsInLanguage(ModelLayout& model);

} // namespace zg
