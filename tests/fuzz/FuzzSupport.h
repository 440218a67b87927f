#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include <unistd.h>

// A broken rule stops the run at once, naming the rule, so that libFuzzer keeps the input.
#define ZG_REQUIRE(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);                \
            __builtin_trap();                                                                                \
        }                                                                                                    \
    } while (false)

namespace zg::fuzz {

// A folder of this process's own, so that parallel fuzz jobs never share a file; removed at exit.
// Its name starts with zg-fuzz-<pid>- so that scripts/fuzz can remove it after a crash too.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (base() / ("zg-fuzz-" + std::to_string(::getpid()) + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path file(const std::string& name) const { return path_ / name; }

  private:
    // Memory-backed when the system offers it: every input is written to a file.
    static std::filesystem::path base() {
        std::error_code ignored;
        return std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm"
                                                                  : std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

// A new file each time: truncating one on ext4 waits for the disk at every close.
inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    ZG_REQUIRE(out.good()); // otherwise a file check would compare against the wrong bytes
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace zg::fuzz
