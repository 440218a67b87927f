#include "UserSettingsFailures.h"

#include <QCoreApplication>

namespace zg {

UserSettingsFailures* UserSettingsFailures::ofApplication() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return nullptr;
    if (auto* made = application->findChild<UserSettingsFailures*>(QString(), Qt::FindDirectChildrenOnly))
        return made;
    return new UserSettingsFailures(application);
}

} // namespace zg
