#include "UiFixture.h"

#include "ui/test/JoystickStick.h"
#include "ui/test/StickInputDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <SDL.h>

using namespace zg;

// SDL's virtual joystick stands in for a transmitter plugged in by USB: no hardware needed.
class Joystick : public UiFixture {
  protected:
    void TearDown() override {
        if (virtual_)
            SDL_JoystickClose(virtual_);
        if (index_ >= 0)
            SDL_JoystickDetachVirtual(index_);
        UiFixture::TearDown();
    }
    JoystickStick& stick() const { return *form->findChild<JoystickStick*>(); }
    QScrollBar* bar() const { return find<QScrollBar>("ServoStick"); }
    // Plugs a two-axis joystick in; its GUID.
    std::string plugIn() {
        EXPECT_EQ(stick().input().start(), std::nullopt);
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 0, 0);
        EXPECT_GE(index_, 0) << SDL_GetError();
        virtual_ = SDL_JoystickOpen(index_);
        char guid[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index_), guid, sizeof guid);
        return guid;
    }
    void unplug() {
        SDL_JoystickClose(std::exchange(virtual_, nullptr));
        SDL_JoystickDetachVirtual(std::exchange(index_, -1));
    }
    void moveAxis(int axis, int raw) { SDL_JoystickSetVirtualAxis(virtual_, axis, Sint16(raw)); }

    int index_ = -1;
    SDL_Joystick* virtual_ = nullptr;
};

// During a test the chosen axis moves the stick, its read-out and zone as the scroll bar would,
// but not while the user holds the thumb; unplugged, the scroll bar takes over and the line at the
// bottom says so.
TEST_F(Joystick, AnAxisDrivesTheStickDuringATestAsTheScrollBarWould) {
    start();
    StickAxis axis;
    axis.guid = plugIn();
    axis.name = "Transmitter";
    axis.axis = 1;
    stick().choose(axis);
    form->sequence().setServoMode(0, 1); // a servo-controlled test shows the stick
    form->toggleTest();
    ASSERT_TRUE(stick().following());
    struct Place {
        int raw, value, mask;
    };
    for (const Place& p : {Place{-32768, 100, 1}, Place{0, 150, 4}, Place{32767, 199, 8}}) {
        moveAxis(1, p.raw);
        EXPECT_TRUE(QTest::qWaitFor([&] { return bar()->value() == p.value; }, 2000)) << p.raw;
        EXPECT_EQ(form->servoZoneMask(), p.mask) << p.raw;
        EXPECT_EQ(find<QLabel>("PulseWidth")->text(), QString::number(p.value * 10));
    }
    bar()->setSliderDown(true);
    moveAxis(1, -32768);
    QTest::qWait(5 * JoystickStick::kReadEveryMs);
    EXPECT_EQ(bar()->value(), 199);
    bar()->setSliderDown(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar()->value() == 100; }, 2000));

    unplug();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !stick().following(); }, 2000));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("Transmitter was unplugged"));
    bar()->setValue(180);
    EXPECT_EQ(form->servoZoneMask(), 8);
    form->stopTest();
}

// The dialog learns the axis that moved and its ends; the choice is kept for the next start. With
// no joystick it says how to get one, and the scroll bar can be chosen again.
TEST_F(Joystick, TheDialogLearnsTheMovedAxisAndTheChoiceIsKept) {
    start();
    find<QAction>("MENUstickinput")->trigger();
    auto* dialog = form->findChild<StickInputDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->findChild<QLabel*>("StickState")->text().contains("plug the transmitter in"));
    const std::string guid = plugIn();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dialog->findChild<QLabel*>("StickState")->text().startsWith("Move"); }, 3000));
    moveAxis(0, -20000);
    QTest::qWait(3 * StickInputDialog::kReadEveryMs);
    moveAxis(0, 30000);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !dialog->findChild<QLabel*>("StickLearnt")->text().isEmpty(); }, 2000));
    dialog->accept();
    ASSERT_TRUE(stick().chosen());
    EXPECT_EQ(stick().chosen()->guid, guid);
    EXPECT_EQ(stick().chosen()->axis, 0);
    EXPECT_EQ(stick().chosen()->low, -20000);
    EXPECT_EQ(stick().chosen()->high, 30000);

    start(); // the next start takes the choice up
    ASSERT_TRUE(stick().chosen());
    EXPECT_EQ(stick().chosen()->high, 30000);
    find<QAction>("MENUstickinput")->trigger();
    form->findChild<StickInputDialog*>()->findChild<QPushButton*>("StickUseScrollBar")->click();
    EXPECT_FALSE(stick().chosen());
}

// While the dialog is open, a joystick plugged in appears and one pulled out goes; nothing the
// joysticks report is left to pile up in SDL's queue.
TEST_F(Joystick, TheDialogFollowsJoysticksPluggedInAndOutAndNoEventsPileUp) {
    start();
    const std::string first = plugIn();
    find<QAction>("MENUstickinput")->trigger();
    auto* dialog = form->findChild<StickInputDialog*>();
    auto* list = dialog->findChild<QComboBox*>("StickJoysticks");
    ASSERT_EQ(list->count(), 1);
    const int second = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 0, 0);
    ASSERT_GE(second, 0) << SDL_GetError();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() == 2; }, 3000));
    unplug();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() == 1; }, 3000));
    SDL_JoystickDetachVirtual(0); // the first gone, the second is device 0 now
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->count() == 0; }, 3000));
    EXPECT_TRUE(dialog->findChild<QLabel*>("StickState")->text().contains("plug the transmitter in"));
    dialog->reject();

    plugIn();
    for (int i = 0; i < 200; ++i) {
        moveAxis(0, i * 100);
        stick().input().update();
    }
    SDL_Event events[8];
    EXPECT_EQ(SDL_PeepEvents(events, 8, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}
