#pragma once

// Machine-readable figures for scripts/bench: with --tsv, a benchmark prints "name<TAB>value<TAB>unit"
// lines besides its usual human-readable ones, so the script need not parse prose.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

// Removes --tsv from the arguments, so that the rest parse as before, and says whether it was there.
inline bool TakeTsvFlag(int& argc, char** argv) {
    bool found = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tsv") == 0)
            found = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return found;
}

struct FigurePrinter {
    bool enabled = false;
    void operator()(const char* name, double value, const char* unit) const {
        if (enabled)
            std::printf("%s\t%.10g\t%s\n", name, value, unit);
    }
};

// The middle of several rounds' figures: one slow spell of the machine moves it least.
inline double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
