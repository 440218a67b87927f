#pragma once

#include <cstdint>
#include <utility>

namespace zg::test {

// While it lives, a file may grow to `bytes` only, and a write past that fails as on a full disk:
// the file-size limit binds even root; its signal is ignored, as a full disk sends none.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    std::uint64_t saved_ = 0;
    void (*savedHandler_)(int) = nullptr;
};

// Runs `write` as on a disk with only `bytes` left.
template <typename Write> auto WithRoomFor(std::uint64_t bytes, Write&& write) {
    const FileSizeLimit limit(bytes);
    return std::forward<Write>(write)();
}

} // namespace zg::test
