#pragma once

#include "ScriptedDialogs.h"
#include "ui/Main_LEDFlasher_form.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main window started in a fresh temporary working directory (where LED.cfg lives).
class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
    }
    zg::Main_LEDFlasher_form& start(std::unique_ptr<zg::SerialLink> link = nullptr) {
        form = std::make_unique<zg::Main_LEDFlasher_form>(dialogs, end, std::move(link));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    template <typename T> T* find(const QString& name) const { return form->findChild<T*>(name); }

    QTemporaryDir dir;
    QString previousDir;
    ScriptedDialogs dialogs;
    RecordingEnd end;
    std::unique_ptr<zg::Main_LEDFlasher_form> form;
};
