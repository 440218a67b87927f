// Reading and writing times of data files, with the peak memory of the process. Run by hand.

#include "BenchFigures.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kBigFileBytes = 100u << 20;

long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Writes the file a megabyte at a time so that making it does not raise the peak itself.
template <typename Fill> void makeBigFile(const std::filesystem::path& path, Fill fill) {
    std::ofstream out(path, std::ios::binary);
    std::string chunk(1u << 20, '\0');
    for (std::size_t done = 0; done < kBigFileBytes; done += chunk.size()) {
        fill(chunk);
        out.write(chunk.data(), std::streamsize(chunk.size()));
    }
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void timeRead(const char* name, const std::filesystem::path& path, const FigurePrinter& figure,
              const char* key) {
    const long before = peakRssKiB();
    const auto start = Clock::now();
    const auto result = zg::ReadDataFile(path);
    const double ms = millisecondsSince(start);
    std::printf("%-34s %9.3f ms  unreadable %2zu  peak RSS %ld KiB (before %ld KiB)\n", name, ms,
                zg::UnreadableLines(result.Record).size(), peakRssKiB(), before);
    figure(key, ms, "ms");
}

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();

    std::mt19937 random(1);
    const auto garbage = folder / "garbage.dat";
    makeBigFile(garbage, [&](std::string& chunk) {
        for (auto& byte : chunk)
            byte = char(random());
    });
    const auto oneLine = folder / "one-line.dat";
    makeBigFile(oneLine, [](std::string& chunk) { chunk.assign(chunk.size(), '7'); });

    timeRead("100 MB random bytes", garbage, figure, "datafile.read_100mb_random");
    timeRead("100 MB without a line end", oneLine, figure, "datafile.read_100mb_one_line");

    const auto normal = folder / "normal.dat";
    const auto record = zg::MakeDataFileRecord(zg::LedSequence{});
    constexpr int kRounds = 1000;
    const auto start = Clock::now();
    for (int round = 0; round < kRounds; ++round) {
        if (zg::WriteDataFile(normal, record) || !zg::ReadDataFile(normal).Opened) {
            std::printf("write or read failed\n");
            return 1;
        }
    }
    const double meanMs = millisecondsSince(start) / kRounds;
    std::printf("%-34s %9.3f ms  (mean of %d)  peak RSS %ld KiB\n", "write + read of a 302-byte file", meanMs,
                kRounds, peakRssKiB());
    figure("datafile.write_read_small", meanMs, "ms");
    figure("datafile.peak_rss", double(peakRssKiB()), "KiB");
    return 0;
}
