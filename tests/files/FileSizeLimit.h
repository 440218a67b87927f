#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <utility>

namespace zg::test {

// Runs `write` as on a disk with only `bytes` left: the file-size limit binds even root, and a
// write past it fails as on a full disk. Its signal is ignored, as a full disk sends none.
template <typename Write> auto WithRoomFor(rlim_t bytes, Write&& write) {
    rlimit saved{};
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    auto result = std::forward<Write>(write)();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

} // namespace zg::test
