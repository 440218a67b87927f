#include "OrdinaryUser.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace zg::test {

bool SavedAsOrdinaryUser(const std::filesystem::path& folder, const std::function<bool()>& save) {
    if (geteuid() != 0)
        return save();
    constexpr uid_t kNobody = 65534;
    for (const auto& path : {folder, folder / "old.dat"})
        EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 && save() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace zg::test
