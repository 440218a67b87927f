#pragma once

#include "ScriptedDialogs.h"
#include "ui/controls/PopupList.h"
#include "ui/grid/GridWidget.h"
#include "ui/test/TestPlayer.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSettings>
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
        QSettings().clear(); // what an earlier test had the program remember
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
        qputenv("XDG_DATA_HOME", previousDataHome);
    }
    zg::MainWindow& start(std::unique_ptr<zg::SerialLink> link = nullptr) {
        form = std::make_unique<zg::MainWindow>(dialogs, end, std::move(link));
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    template <typename T> T* find(const QString& name) const { return form->findChild<T*>(name); }
    // Runs the menu item `name` as the user picks it.
    void trigger(const char* name) const { find<QAction>(QLatin1String(name))->trigger(); }

    // The grid, a point in one of its cells, and the mouse on it as a person uses it.
    static constexpr QPoint kInCell{4, 6};
    zg::GridWidget* grid() const { return form->controls().grid; }
    static QPoint inCell(int row, int e) { return zg::GridGeometry::CellRect(row, e).topLeft() + kInCell; }
    void click(int row, int e) { QTest::mouseClick(grid(), Qt::LeftButton, {}, inCell(row, e)); }
    void press(int row, int e) { QTest::mousePress(grid(), Qt::LeftButton, {}, inCell(row, e)); }
    void moveTo(int row, int e) { QTest::mouseMove(grid(), inCell(row, e)); }
    void releaseOver(int row, int e) { QTest::mouseRelease(grid(), Qt::LeftButton, {}, inCell(row, e)); }
    // A double-click on the time-axis label of event e.
    void doubleClickAxis(int e) {
        QTest::mouseDClick(grid(), Qt::LeftButton, {}, zg::GridGeometry::AxisRect(e).center());
    }
    // Whether the grid as drawn shows red in the axis label of event e: the end mark's digit,
    // smoothed into the background at its edges.
    bool axisShowsRed(int e) const {
        const QImage image = grid()->grab().toImage();
        const QRect place = zg::GridGeometry::AxisRect(e);
        const qreal scale = image.devicePixelRatio();
        for (int y = int(place.top() * scale); y <= int(place.bottom() * scale); ++y)
            for (int x = int(place.left() * scale); x <= int(place.right() * scale); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() - std::max(c.green(), c.blue()) > 80)
                    return true;
            }
        return false;
    }

    // A test started by a command plays on its timer; this waits until it has wound down.
    void waitUntilTestEnds(int timeoutMs = 10000) {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !form->testActive(); }, timeoutMs));
    }

    // Calls `f` at every step boundary of the on-screen test, before the player moves on: the step
    // as it stood for its whole time.
    QMetaObject::Connection atEachStepEnd(std::function<void()> f) {
        return QObject::connect(form->findChild<zg::TestPlayer*>(), &zg::TestPlayer::stepElapsed, form.get(),
                                std::move(f));
    }

    // Runs `step` as soon as the pop-up list `name` opens, as the user would then pick or type.
    void whenOpen(const char* name, std::function<void()> step) {
        auto* list = form->findChild<zg::PopupList*>(QLatin1String(name));
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(list, &zg::PopupList::opened, form.get(), [connection, step] {
            QObject::disconnect(*connection);
            step();
        });
    }

    QTemporaryDir dir;
    QString previousDir;
    QByteArray previousDataHome;
    ScriptedDialogs dialogs;
    RecordingEnd end;
    std::unique_ptr<zg::MainWindow> form;
};
