#pragma once

#include "UiFixture.h"

#include "export/GridGeometry.h"
#include "ui/controls/LedIndicator.h"

#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

// A main window whose test is watched step by step, as drawn.
class TestPlayback : public UiFixture {
  protected:
    static inline const QColor kGrey{128, 128, 128};

    // What the window shows while one step waits for its tick.
    struct Step {
        int highlighted = -1; // the grey time-axis label, -1 for none
        int greyCount = 0;
        std::array<QColor, 4> leds;
    };

    QPushButton* testButton() const { return find<QPushButton>("TestButton"); }
    zg::LedIndicator* led(int i) const { return find<zg::LedIndicator>(QStringLiteral("LED_%1").arg(i)); }
    // The step as drawn: which time-axis labels have the grey background.
    Step snapshot() const {
        Step step;
        const QImage image = grid()->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (int e = 0; e < 50; ++e) {
            const QPoint corner = zg::GridGeometry::AxisRect(e).topLeft() + QPoint(1, 1);
            if (image.pixelColor(int(corner.x() * scale), int(corner.y() * scale)) == kGrey) {
                step.highlighted = e;
                ++step.greyCount;
            }
        }
        for (int i = 0; i < 4; ++i) { // as drawn: the indicators keep one picture per look
            const QImage drawn = led(i)->grab().toImage();
            step.leds[std::size_t(i)] = drawn.pixelColor(drawn.width() / 2, drawn.height() / 2);
        }
        return step;
    }

    // Starts a test with the Test button and calls `onStep` at every tick with the step shown and
    // its number; the test runs until `onStep` stops it. Returns every step seen.
    std::vector<Step> play(const std::function<void(const Step&, int)>& onStep) {
        std::vector<Step> steps;
        // At each tick, before the player moves on: the step as it stood for its whole time.
        const auto connection = atEachStepEnd([&] {
            steps.push_back(snapshot());
            onStep(steps.back(), int(steps.size()) - 1);
        });
        QTest::mouseClick(testButton(), Qt::LeftButton);
        waitUntilTestEnds();
        QObject::disconnect(connection);
        return steps;
    }
    void stop() { QTest::mouseClick(testButton(), Qt::LeftButton); }

    void expectAtRest() const {
        const Step rest = snapshot();
        EXPECT_EQ(rest.greyCount, 0);
        for (const QColor& c : rest.leds)
            EXPECT_EQ(c, QColor(Qt::black));
    }
    zg::LedSequence& doc() { return form->sequence(); }
};
