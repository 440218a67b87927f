#include "UiFixture.h"

#include "RowText.h"
#include "export/TimingText.h"
#include "ui/editing/FlashCommands.h"
#include "ui/editing/FlashPatternDialog.h"
#include "ui/editing/FlashPreview.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/window/TimingReadout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>

using namespace zg;
using zg::test::RowText;
using zg::test::SetRowText;

class FlashPattern : public UiFixture {
  protected:
    QAction* action(const char* name) const { return find<QAction>(QLatin1String(name)); }
    FlashPatternDialog* dialog() const { return form->findChild<FlashPatternDialog*>(); }
    template <typename T> T* in(const char* name) const {
        return dialog()->findChild<T*>(QLatin1String(name));
    }
    QString readout() const {
        QTest::qWait(TimingReadout::kDelayMs + 20); // the line follows once a burst of changes is over
        return find<QLabel>("TimingReadout")->text();
    }
    QString summary(LedChannel row) const { return TimingSummary(TimeRow(form->sequence(), row)); }
};

// Ctrl+G and Return in a fresh window: a double flash on LED #1 at 60 a minute with flashes of
// 50 ms, rounded to whole events of 30 ms, as one step named after the effect.
TEST_F(FlashPattern, TheProposedDoubleFlashIsOneStepWithTheCycleFitted) {
    start();
    action("MENUflashpattern")->trigger();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(in<QCheckBox>("FlashLed1")->isChecked());
    EXPECT_FALSE(in<QCheckBox>("FlashLed2")->isChecked());
    EXPECT_EQ(in<QComboBox>("FlashEffect")->currentText(), "Double Flash");
    EXPECT_EQ(in<FlashPreview>("FlashPreview")->cellsText(), "110011" + QString(27, u'0'));
    EXPECT_EQ(in<QLabel>("FlashReadout")->text(),
              "LED#1: 2 flashes of 60 ms every 990 ms (61 a minute), dark 810 ms");
    QTest::keyClick(dialog(), Qt::Key_Return);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(RowText(form->sequence(), 0), "110011" + std::string(44, '0'));
    EXPECT_EQ(form->sequence().endEvent(), 32);
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Double Flash");
    action("MENUundo")->trigger();
    EXPECT_EQ(RowText(form->sequence(), 0), std::string(50, '0'));
    EXPECT_EQ(form->sequence().endEvent(), kLastEvent);
}

// A period longer than the 50 events: the dialog says so and offers the nearest delay that fits,
// which comes along in the same step; the rows of a selection are the ones proposed.
TEST_F(FlashPattern, APeriodThatDoesNotFitTakesTheOfferedDelayInTheSameStep) {
    start();
    grid()->setSelection(RangeBetween(1, 0, 2, 3));
    action("MENUflashpattern")->trigger();
    EXPECT_FALSE(in<QCheckBox>("FlashLed1")->isChecked());
    EXPECT_TRUE(in<QCheckBox>("FlashLed2")->isChecked());
    EXPECT_TRUE(in<QCheckBox>("FlashLed3")->isChecked());
    in<QComboBox>("FlashEffect")->setCurrentIndex(int(FlashEffect::Alternate));
    EXPECT_FALSE(in<QLabel>("FlashNoFit")->isVisibleTo(dialog()));
    in<QSpinBox>("FlashRate")->setValue(30);
    EXPECT_TRUE(in<QLabel>("FlashNoFit")->isVisibleTo(dialog()));
    EXPECT_TRUE(in<QLabel>("FlashNoFit")->text().contains("67 events"));
    EXPECT_EQ(in<QCheckBox>("FlashUseDelay")->text(), "Change the sequencer &delay to 40 ms");
    dialog()->accept();
    EXPECT_EQ(form->sequence().sequencerDelay(), 40);
    EXPECT_EQ(form->settingsDialog()->sequencerDelayList()->currentText(), "40");
    EXPECT_EQ(RowText(form->sequence(), 1).substr(0, 2), "10");
    EXPECT_EQ(RowText(form->sequence(), 2).substr(24, 2), "01");
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Alternate");
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().sequencerDelay(), 30);
    EXPECT_EQ(RowText(form->sequence(), 1), std::string(50, '0'));
}

// The line at the bottom reads out the row under the pointer, or else the focus cell's, and
// follows the cells, the end mark and the speeds at once.
TEST_F(FlashPattern, TheReadoutFollowsThePointerTheRowAndEveryChange) {
    start();
    EXPECT_EQ(readout(), "LED#1: never lit");
    SetRowText(form->sequence(), 0, "1100");
    form->sequence().setEndEvent(9);
    EXPECT_EQ(readout(), "LED#1: 1 flash of 60 ms every 300 ms (3.3 Hz), dark 240 ms");
    SetRowText(form->sequence(), 2, "1111111111");
    QMouseEvent move(QEvent::MouseMove, inCell(2, 4), grid()->mapToGlobal(inCell(2, 4)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid(), &move);
    EXPECT_EQ(readout(), "LED#3: on all the time");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(grid(), &leave);
    grid()->moveFocusTo({1, 0});
    EXPECT_EQ(readout(), "LED#2: never lit");
    grid()->moveFocusTo({0, 0});
    form->settingsDialog()->sequencerDelayList()->setCurrentIndex(49);
    form->settingsDialog()->acceptSettings(); // 50 ms, as one step
    EXPECT_EQ(readout(), "LED#1: 1 flash of 100 ms every 500 ms (120 a minute), dark 400 ms");
    action("MENUundo")->trigger();
    EXPECT_EQ(readout(), "LED#1: 1 flash of 60 ms every 300 ms (3.3 Hz), dark 240 ms");
}

// The readout's words for each kind of row.
TEST_F(FlashPattern, TheReadoutNamesWrappingIrregularAndServoLimitedRows) {
    start();
    LedSequence& s = form->sequence();
    s.setEndEvent(49);
    SetRowText(s, 0, "11" + std::string(46, '0') + "11"); // across the end mark: one flash
    EXPECT_EQ(summary(0), "1 flash of 120 ms every 1.50 s (40 a minute), dark 1.38 s");
    SetRowText(s, 1, "1011100000");
    EXPECT_EQ(summary(1), "2 flashes of 30 to 90 ms every 1.50 s (40 a minute)");
    SetRowText(s, 2, "1");
    s.setServoMode(2, 12);
    EXPECT_EQ(summary(2),
              "1 flash of 30 ms every 1.50 s (40 a minute), dark 1.47 s, in stick zones 3 and 4 only");
    s.setServoMode(2, 0);
    EXPECT_EQ(summary(2), "never lit (servo mode OFF)");
    s.setSequencerDelay(0);
    EXPECT_EQ(summary(1),
              "2 flashes in a cycle of 50 events; at a sequencer delay of 0 the module runs at its "
              "fastest, so no rate can be given");
    s.setSequencerDelay(10);
    s.setEndEvent(9);
    EXPECT_EQ(summary(1), "2 flashes of 10 to 30 ms every 100 ms (10.0 Hz)");
}

// The manual's two worked examples, as it quotes them.
TEST_F(FlashPattern, TheManualsWorkedExamplesComeOutAsItSays) {
    const auto readout = [](const FlashSettings& s, int delay, LedChannel row) {
        LedSequence sequence;
        sequence.setSequencerDelay(std::int16_t(delay));
        ApplyFlashes(s, LayOutFlashes(s, delay, kLastEvent), sequence);
        return TimingSummary(TimeRow(sequence, row));
    };
    FlashSettings strobe;
    strobe.leds = {false, false, true, false};
    EXPECT_EQ(readout(strobe, 30, 2), "2 flashes of 60 ms every 990 ms (61 a minute), dark 810 ms");
    EXPECT_EQ(readout(strobe, 20, 2), "2 flashes of 60 ms every 1.00 s (60 a minute), dark 820 ms");
    FlashSettings wigwag;
    wigwag.effect = FlashEffect::Alternate;
    wigwag.leds = {true, true, false, false};
    wigwag.flashMs = 480;
    for (LedChannel row : {0, 1})
        EXPECT_EQ(readout(wigwag, 30, row), "1 flash of 480 ms every 990 ms (61 a minute), dark 510 ms")
            << row;
}

// Triple Flash at 150 a minute with 100 ms flashes and gaps: the dialog says that the flashes do
// not fit and a button takes the flash that does; Steady and Beacon take neither length, a lone
// flash no gap.
TEST_F(FlashPattern, FlashesThatDoNotFitAreSaidWithAFlashThatDoes) {
    start();
    action("MENUflashpattern")->trigger();
    in<QComboBox>("FlashEffect")->setCurrentIndex(int(FlashEffect::Triple));
    in<QSpinBox>("FlashRate")->setValue(150);
    in<QSpinBox>("FlashLength")->setValue(100);
    in<QSpinBox>("FlashGap")->setValue(100);
    auto* said = in<QLabel>("FlashNoFit");
    EXPECT_TRUE(said->isVisible());
    EXPECT_TRUE(said->text().startsWith("The flashes do not fit: Triple Flash needs 16 events"))
        << said->text().toStdString();
    // The delay, which would retime every LED, is offered but not taken unasked.
    EXPECT_TRUE(in<QCheckBox>("FlashUseDelay")->isVisible());
    EXPECT_FALSE(in<QCheckBox>("FlashUseDelay")->isChecked());
    EXPECT_TRUE(in<QLabel>("FlashReadout")->text().startsWith("LED#1: 2 flashes"));
    auto* fitFlash = in<QPushButton>("FlashFitFlash");
    ASSERT_TRUE(fitFlash->isVisible());
    fitFlash->click();
    EXPECT_EQ(in<QSpinBox>("FlashLength")->value(), 60);
    EXPECT_FALSE(said->isVisible());
    EXPECT_TRUE(in<QLabel>("FlashReadout")->text().startsWith("LED#1: 3 flashes"))
        << in<QLabel>("FlashReadout")->text().toStdString();

    const std::pair<FlashEffect, std::pair<bool, bool>> enabled[]{
        {FlashEffect::Steady, {false, false}}, {FlashEffect::Beacon, {false, false}},
        {FlashEffect::Single, {true, false}},  {FlashEffect::Alternate, {true, false}},
        {FlashEffect::Double, {true, true}},   {FlashEffect::Chase, {true, true}}};
    for (const auto& [effect, lengths] : enabled) {
        in<QComboBox>("FlashEffect")->setCurrentIndex(int(effect));
        EXPECT_EQ(in<QSpinBox>("FlashLength")->isEnabled(), lengths.first) << int(effect);
        EXPECT_EQ(in<QSpinBox>("FlashGap")->isEnabled(), lengths.second) << int(effect);
    }
}

// At a sequencer delay of 0 no rate can be given: nothing is laid out and OK waits until the
// delay offered is taken.
TEST_F(FlashPattern, AtDelayZeroADelayIsProposedAndNothingLaidOutBeforeItIsTaken) {
    start();
    form->sequence().setSequencerDelay(0);
    action("MENUflashpattern")->trigger();
    auto* ok = dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_TRUE(in<QLabel>("FlashNoFit")->text().startsWith("The sequencer delay is 0"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(in<FlashPreview>("FlashPreview")->cellsText().count(u'1'), 0);
    EXPECT_TRUE(in<QLabel>("FlashReadout")->text().isEmpty());
    in<QCheckBox>("FlashUseDelay")->setChecked(true);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_GT(in<FlashPreview>("FlashPreview")->cellsText().count(u'1'), 0);
    ok->click();
    EXPECT_GT(form->sequence().sequencerDelay(), 0);
    EXPECT_EQ(form->sequence().cell(0, 0), 1);
}

// A readout longer than the window is shortened at a word and shown whole as the line's tooltip.
TEST_F(FlashPattern, ALongReadoutEndsAtAWordAndIsWholeInItsTooltip) {
    start();
    LedSequence& s = form->sequence();
    SetRowText(s, 0, "1011");
    s.setSequencerDelay(0);
    s.setServoMode(0, -1); // typed text: no servo mode chosen
    auto* line = find<QLabel>("TimingReadout");
    const QString shown = readout();
    const QString whole = line->toolTip();
    EXPECT_TRUE(whole.endsWith("with no servo mode chosen")) << whole.toStdString();
    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    const QString kept = shown.chopped(1);
    EXPECT_TRUE(whole.startsWith(kept));
    EXPECT_TRUE(whole.at(kept.size()) == u' ' || whole.at(kept.size()).isPunct()) << shown.toStdString();
    EXPECT_LE(line->fontMetrics().horizontalAdvance(shown), line->contentsRect().width());
    s.setSequencerDelay(30);
    s.setServoMode(0, 15);
    // however late the line's timer comes on a busy machine
    EXPECT_TRUE(QTest::qWaitFor([&] { return !line->text().endsWith(QChar(0x2026)); }, 5000))
        << readout().toStdString();
    EXPECT_TRUE(line->toolTip().isEmpty());
}

// Four LEDs chasing with 300 ms flashes and 200 ms gaps at 60 a minute lit two by two, unsaid, as
// did four taking turns; without the cycle fitted, a period longer than the 50 events repeated at
// the end mark, unsaid. Each is said now, with what fits.
TEST_F(FlashPattern, OverlappingLightsAndAnUnfittedLongPeriodAreSaidWithWhatFits) {
    start();
    action("MENUflashpattern")->trigger();
    for (const char* led : {"FlashLed2", "FlashLed3", "FlashLed4"})
        in<QCheckBox>(led)->setChecked(true);
    in<QComboBox>("FlashEffect")->setCurrentIndex(int(FlashEffect::Chase));
    in<QSpinBox>("FlashLength")->setValue(300);
    in<QSpinBox>("FlashGap")->setValue(200);
    auto* said = in<QLabel>("FlashNoFit");
    EXPECT_EQ(said->text(), "The flashes do not fit: a chase of 4 LEDs needs 62 events for its flashes and "
                            "gaps, and one period is 33 events at a sequencer delay of 30 ms.");
    EXPECT_FALSE(in<QPushButton>("FlashFitGap")->isVisible());
    // Return does not write lights that overlap: OK is not the default then.
    auto* ok = dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isDefault());
    ASSERT_TRUE(in<QPushButton>("FlashFitFlash")->isVisible());
    in<QPushButton>("FlashFitFlash")->click(); // 60 ms
    EXPECT_FALSE(said->isVisible());
    EXPECT_TRUE(ok->isDefault());
    in<QComboBox>("FlashEffect")->setCurrentIndex(int(FlashEffect::Alternate));
    in<QSpinBox>("FlashLength")->setValue(300);
    EXPECT_EQ(said->text(), "The lights overlap: 4 LEDs taking turns need 40 events for their flashes, and "
                            "one period is 33 events at a sequencer delay of 30 ms.");

    in<QCheckBox>("FlashFit")->setChecked(false);
    in<QSpinBox>("FlashRate")->setValue(30);
    EXPECT_EQ(said->text(),
              "One period is 67 events at a sequencer delay of 30 ms, more than the 50 a pattern "
              "has: without fitting the cycle the pattern repeats every 50 events, 40 a minute "
              "instead of 30.");
    ASSERT_TRUE(in<QPushButton>("FlashFitCycle")->isVisible());
    in<QPushButton>("FlashFitCycle")->click(); // ticks Fit the cycle, which offers 40 ms ticked
    EXPECT_TRUE(in<QCheckBox>("FlashUseDelay")->isChecked());
    dialog()->accept();
    EXPECT_EQ(form->sequence().sequencerDelay(), 40);
}
