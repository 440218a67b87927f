#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace zg::testing {

// Two linked pseudo-terminals made by socat: what the program writes to one end comes out of the
// other, as through a null-modem cable. The ends live as symbolic links in a fresh folder. socat
// runs at real-time priority where the system allows it, so that it passes bytes on without delay.
class SocatPtyPair {
  public:
    // The socat executable found on PATH, if any.
    static std::optional<std::string> FindSocat();

    // Starts socat and waits until both ends exist; Ready() tells whether that worked.
    SocatPtyPair();
    ~SocatPtyPair();
    SocatPtyPair(const SocatPtyPair&) = delete;
    SocatPtyPair& operator=(const SocatPtyPair&) = delete;

    bool Ready() const { return ready_; }
    const std::string& ProgramEnd() const { return programEnd_; }
    const std::string& ModuleEnd() const { return moduleEnd_; }
    const std::string& Folder() const { return folder_; }

    // Ends socat at once, as when the cable is pulled: both ends hang up.
    void Vanish();

  private:
    void stop(int signal);

    std::string folder_;
    std::string programEnd_;
    std::string moduleEnd_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

} // namespace zg::testing
