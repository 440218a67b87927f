#pragma once

// Start-up figures of a program: the time from the process's start to its first window on screen
// (exposed and painted), and the process's peak memory by then. Once the window shows, the probe
// prints both and ends the process.
namespace zg::bench {

// Takes "--started-at <seconds since the epoch>" (the launching shell's $EPOCHREALTIME) and "--tsv"
// out of the arguments. Without a start time, the kernel's start time of the process counts, which
// is known to 10 ms only.
void TakeProbeArguments(int& argc, char** argv);

} // namespace zg::bench
