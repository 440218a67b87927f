#pragma once

#include "ScriptedDialogs.h"
#include "ui/Main_LEDFlasher_form.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Failures name the texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A main window started in a fresh temporary working directory (where LED.cfg lives).
class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // Work left unsaved goes to the user's data folder: here, one of the test's own.
        previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral(".data")).toLocal8Bit());
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
        qputenv("XDG_DATA_HOME", previousDataHome);
    }
    zg::Main_LEDFlasher_form& start(std::unique_ptr<zg::SerialLink> link = nullptr) {
        form = std::make_unique<zg::Main_LEDFlasher_form>(dialogs, end, std::move(link));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    template <typename T> T* find(const QString& name) const { return form->findChild<T*>(name); }

    // A cell of the grid, and the mouse on it as a person uses it.
    static constexpr QPoint kInCell{4, 6};
    QCheckBox* cell(int row, int e) const {
        return find<QCheckBox>(QStringLiteral("iSwitchLedX%1_%2").arg(row + 1).arg(e));
    }
    void click(int row, int e) { QTest::mouseClick(cell(row, e), Qt::LeftButton, {}, kInCell); }
    void press(int row, int e) { QTest::mousePress(cell(row, e), Qt::LeftButton, {}, kInCell); }
    void moveTo(int row, int e) { QTest::mouseMove(cell(row, e), kInCell); }
    void releaseOver(int row, int e) { QTest::mouseRelease(cell(row, e), Qt::LeftButton, {}, kInCell); }

    // Runs `step` once the pop-up list `name` is open, inside the wait of the command that opened
    // it. (A timer of its own: a key sent through the window system handles pending events before
    // the key itself, so a zero timer could run before the list is open.)
    void whenOpen(const char* name, std::function<void()> step) {
        auto* timer = new QTimer(form.get());
        QObject::connect(timer, &QTimer::timeout, form.get(), [this, timer, name, step = std::move(step)] {
            if (!form->findChild<QWidget*>(QLatin1String(name))->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            step();
        });
        timer->start(1);
    }

    QTemporaryDir dir;
    QString previousDir;
    QByteArray previousDataHome;
    ScriptedDialogs dialogs;
    RecordingEnd end;
    std::unique_ptr<zg::Main_LEDFlasher_form> form;
};
