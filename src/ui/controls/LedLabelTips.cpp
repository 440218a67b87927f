#include "LedLabelTips.h"

#include "export/PlainTip.h"
#include "ui/controls/ClickableLabel.h"

#include <QCoreApplication>

namespace zg {

namespace {

struct LabelText {
    Q_DECLARE_TR_FUNCTIONS(zg::MainWindow)
};

} // namespace

void SetLedLabelTips(const std::array<ClickableLabel*, kLedCount>& labels,
                     const std::function<QString(LedChannel)>& nameOf) {
    for (LedChannel led = 0; led < kLedCount; ++led) {
        const QString name = nameOf ? nameOf(led) : QString();
        const QString shown = name.isEmpty() ? QStringLiteral("LED#%1").arg(led + 1)
                                             : QStringLiteral("%1 (LED#%2)").arg(name).arg(led + 1);
        // A light's name is the user's own text, never markup.
        labels[led]->setToolTip(PlainTip(LabelText::tr("Click here to change color of %1").arg(shown)));
    }
}

} // namespace zg
