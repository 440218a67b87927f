#include "SocatPtyPair.h"

#include "RealTimePriority.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zg::testing {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(5);

std::string makeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zg-pty-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string{};
}

std::string ptyAddress(const std::string& link) {
    return "pty,raw,echo=0,link=" + link;
}

pid_t spawn(const std::string& socat, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(socat.c_str()));
    for (const auto& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int result = posix_spawn(&pid, socat.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return result == 0 ? pid : -1;
}

bool linkReady(const std::string& link) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(link), error); // follows the link to the pty
}

} // namespace

std::optional<std::string> SocatPtyPair::FindSocat() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/socat";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

SocatPtyPair::SocatPtyPair() : folder_(makeFolder()) {
    const auto socat = FindSocat();
    if (folder_.empty() || !socat)
        return;
    programEnd_ = folder_ + "/program";
    moduleEnd_ = folder_ + "/module";
    pid_ = spawn(*socat, {ptyAddress(programEnd_), ptyAddress(moduleEnd_)});
    // socat carries every byte from one pseudo-terminal to the other; like the reader, it should
    // not wait for a CPU. It blocks in select() between bytes.
    TryRealTimePriority(pid_);
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
        if (linkReady(programEnd_) && linkReady(moduleEnd_)) {
            ready_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

SocatPtyPair::~SocatPtyPair() {
    stop(SIGTERM);
    std::error_code error;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, error);
}

void SocatPtyPair::Vanish() {
    stop(SIGKILL);
}

void SocatPtyPair::stop(int signal) {
    if (pid_ <= 0)
        return;
    ::kill(pid_, signal);
    int status = 0;
    ::waitpid(pid_, &status, 0); // once reaped, its ends of the ptys are closed
    pid_ = -1;
}

} // namespace zg::testing
