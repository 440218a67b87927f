#pragma once

#include <cstdint>

namespace zg {

// The three settings of a run. Only CommPort outlives the run (in LED.cfg); the two speeds
// travel with the sequence in its data files.
struct AppConfig {
    std::int16_t CommPort = 1;        // serial port of the programming cable, 1..6 (0: none chosen)
    std::int16_t TestSpeed = 20;      // on-screen test step time in ms
    std::int16_t SequencerDelay = 30; // the module's delay between events in ms
};

// Which of the two speeds a change set (an Open, a Merge, an undo), so that the settings lists can
// select them.
struct AppliedSpeeds {
    bool SequencerDelay = false;
    bool TestSpeed = false;
};

} // namespace zg
