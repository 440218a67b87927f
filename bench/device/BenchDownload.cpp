// Downloads to a socat pseudo-terminal pair and reports the pacing as the far end saw it, and
// what the waiting cost the sender in CPU time.

#include "BenchFigures.h"
#include "ModuleReader.h"
#include "ReceivedDownload.h"
#include "SocatPtyPair.h"
#include "device/DownloadFrame.h"
#include "device/DownloadSession.h"
#include "device/LineSettings.h"
#include "device/QtSerialLink.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

namespace {

using namespace std::chrono_literals;
using zg::testing::ModuleReader;
using zg::testing::ReceivedDownload;
using zg::testing::SocatPtyPair;

constexpr double kMinimumTransferSeconds = 3.3; // 0.5 s + 56 x 0.05 s

double threadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

struct Run {
    ReceivedDownload received;
    double cpuShare = 0;
    std::vector<std::chrono::steady_clock::time_point> itemsLeft; // as the sender saw them go
};

// How late the pseudo-terminal handed the latest item over, after the sender saw it leave: the
// noise of the test bench itself, not of the sender.
double largestDeliveryDelayMs(const Run& run) {
    double largest = 0;
    for (std::size_t i = 0; i < run.itemsLeft.size() && i < run.received.items.size(); ++i)
        largest = std::max(largest, std::chrono::duration<double, std::milli>(run.received.items[i].firstAt -
                                                                              run.itemsLeft[i])
                                        .count());
    return largest;
}

// The smallest pause between two items as the sender drained them: its own pacing, which the far
// end sees shortened by however late the pseudo-terminal handed the earlier item over.
double smallestSentGapSeconds(const Run& run) {
    double smallest = 1e9;
    for (std::size_t i = 1; i < run.itemsLeft.size(); ++i)
        smallest = std::min(smallest,
                            std::chrono::duration<double>(run.itemsLeft[i] - run.itemsLeft[i - 1]).count());
    return smallest;
}

int pausesBelowMinimum(const ReceivedDownload& received) {
    int count = 0;
    const auto pauses = received.Pauses();
    for (std::size_t i = 0; i < pauses.size(); ++i)
        count += pauses[i].count() < (i == 0 ? 0.55 : 0.05) ? 1 : 0;
    return count;
}

std::optional<Run> downloadOnce() {
    SocatPtyPair pair;
    if (!pair.Ready())
        return std::nullopt;
    ModuleReader reader(pair.ModuleEnd());
    zg::QtSerialLink link([&](int) { return std::optional(pair.ProgramEnd()); });
    if (!reader.Ready() || !link.Open(1, zg::kDownloadLineSettings))
        return std::nullopt;
    const zg::LedSequence sequence;
    // As the window sends: on the session's timer, the event loop idling between items.
    zg::DownloadSession session(link, zg::DownloadFrame::ValuesNow(sequence));
    std::vector<std::chrono::steady_clock::time_point> itemsLeft;
    zg::DownloadResult result;
    QObject::connect(&session, &zg::DownloadSession::itemSent,
                     [&](int) { itemsLeft.push_back(std::chrono::steady_clock::now()); });
    QObject::connect(&session, &zg::DownloadSession::finished, [&](const zg::DownloadResult& r) {
        result = r;
        QCoreApplication::quit();
    });
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuSeconds();
    session.start();
    QCoreApplication::exec();
    const double cpu = threadCpuSeconds() - cpuStart;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
    link.Close();
    if (!result.completed() || !reader.WaitForBytes(zg::DownloadFrame::kStreamSize, 3s))
        return std::nullopt;
    return Run{ReceivedDownload::Decode(reader.Received()), cpu / wall.count(), itemsLeft};
}

// The worst figure of every column over all runs: what the targets are about.
struct Worst {
    double markerToFirstItem = 1e9;
    double smallestGap = 1e9;
    double smallestSentGap = 1e9;
    double transferRatio = 0;
    double cpuShare = 0;
    double deliveryDelayMs = 0;

    void add(const Run& run) {
        const ReceivedDownload& received = run.received;
        markerToFirstItem = std::min(markerToFirstItem, received.MarkerToFirstItem().count());
        smallestGap = std::min(smallestGap, received.SmallestItemGap().count());
        smallestSentGap = std::min(smallestSentGap, smallestSentGapSeconds(run));
        transferRatio =
            std::max(transferRatio, received.MarkerToLastItem().count() / kMinimumTransferSeconds);
        cpuShare = std::max(cpuShare, run.cpuShare * 100.0);
        deliveryDelayMs = std::max(deliveryDelayMs, largestDeliveryDelayMs(run));
    }

    void print(const FigurePrinter& figure) const {
        figure("download.marker_to_first_item.min", markerToFirstItem, "s");
        figure("download.smallest_item_gap.min", smallestGap, "s");
        figure("download.smallest_sent_gap.min", smallestSentGap, "s");
        figure("download.transfer_ratio.max", transferRatio, "x");
        figure("download.sender_cpu_share.max", cpuShare, "%");
        figure("download.pty_delay.max", deliveryDelayMs, "ms");
    }
};

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    if (!SocatPtyPair::FindSocat()) {
        std::puts("bench_download: socat is not installed");
        return 1;
    }
    std::puts("All figures as the reading end saw them, except the sender's CPU time and the gap as sent.");
    std::puts(
        "run  marker->item0 [s]  smallest item gap [ms]  marker->last item [s]  / 3.3 s  sender CPU/wall"
        "  pauses < min  pty delay max [ms]  smallest gap as sent [ms]");
    Worst worst;
    for (int run = 1; run <= runs; ++run) {
        const auto measured = downloadOnce();
        if (!measured) {
            std::puts("bench_download: the download to the pseudo-terminal failed");
            return 1;
        }
        const ReceivedDownload& received = measured->received;
        const double whole = received.MarkerToLastItem().count();
        std::printf("%3d  %17.4f  %22.3f  %21.4f  %7.4f  %14.3f%%  %12d  %17.3f  %25.3f\n", run,
                    received.MarkerToFirstItem().count(), received.SmallestItemGap().count() * 1000.0, whole,
                    whole / kMinimumTransferSeconds, measured->cpuShare * 100.0, pausesBelowMinimum(received),
                    largestDeliveryDelayMs(*measured), smallestSentGapSeconds(*measured) * 1000.0);
        worst.add(*measured);
    }
    figure("download.runs", runs, "");
    worst.print(figure);
    return 0;
}
