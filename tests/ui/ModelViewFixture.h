#pragma once

#include "UiFixture.h"

#include "files/ModelLibrary.h"
#include "files/UserDataFolder.h"
#include "ui/controls/LedIndicator.h"
#include "ui/modelview/ModelCanvas.h"
#include "ui/modelview/ModelCommands.h"
#include "ui/modelview/ModelWindow.h"

#include <QAction>

// A main window whose model view a test opens.
class ModelView : public UiFixture {
  protected:
    static zg::ModelLibrary library() { return zg::ModelLibrary(zg::UserModelFolder()); }
    zg::ModelCommands& models() const { return *form->findChild<zg::ModelCommands*>(); }
    zg::ModelWindow* view() const { return models().view(); }
    zg::ModelCanvas& canvas() const { return view()->canvas(); }
    void openView() {
        find<QAction>("MENUmodelview")->trigger();
        ASSERT_NE(view(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view()));
    }
    QColor indicator(zg::LedChannel led) const {
        return find<zg::LedIndicator>(QStringLiteral("LED_%1").arg(led))->fillColor();
    }
};
