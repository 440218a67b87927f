#include "StickAxis.h"

#include <algorithm>
#include <cmath>

namespace zg {

namespace {
constexpr int kFirstStickValue = 100;
constexpr int kLastStickValue = 199;
constexpr int kLeastMovement = 65536 / 10;
} // namespace

int StickAxis::stickValue(int raw) const {
    if (high == low)
        return (kFirstStickValue + kLastStickValue + 1) / 2;
    double share = double(raw - low) / (high - low);
    share = std::clamp(reverse ? 1.0 - share : share, 0.0, 1.0);
    return kFirstStickValue + int(std::lround(share * (kLastStickValue - kFirstStickValue)));
}

void AxisLearner::sample(const std::vector<int>& axes) {
    if (ranges_.size() < axes.size())
        for (std::size_t i = ranges_.size(); i < axes.size(); ++i)
            ranges_.emplace_back(axes[i], axes[i]);
    for (std::size_t i = 0; i < axes.size(); ++i) {
        ranges_[i].first = std::min(ranges_[i].first, axes[i]);
        ranges_[i].second = std::max(ranges_[i].second, axes[i]);
    }
}

std::optional<std::pair<int, std::pair<int, int>>> AxisLearner::learnt() const {
    int best = -1;
    int spread = kLeastMovement;
    for (std::size_t i = 0; i < ranges_.size(); ++i) {
        if (ranges_[i].second - ranges_[i].first >= spread) {
            best = int(i);
            spread = ranges_[i].second - ranges_[i].first;
        }
    }
    if (best < 0)
        return std::nullopt;
    return std::pair{best, ranges_[std::size_t(best)]};
}

} // namespace zg
