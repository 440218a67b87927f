#include "SystemCallFaults.h"

#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zg::test {
namespace {

int pendingFailure[2] = {0, 0}; // errno values, by SystemCall

// True, with errno set, when the call is to fail this time.
bool failsNow(SystemCall call) {
    int& error = pendingFailure[int(call)];
    if (error == 0)
        return false;
    errno = error;
    error = 0;
    return true;
}

template <typename Function> Function* realCall(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

} // namespace

void FailNext(SystemCall call, int error) {
    pendingFailure[int(call)] = error;
}

} // namespace zg::test

using zg::test::SystemCall;

extern "C" int fsync(int fd) {
    if (zg::test::failsNow(SystemCall::Fsync))
        return -1;
    return zg::test::realCall<int(int)>("fsync")(fd);
}

extern "C" int fchmod(int fd, mode_t mode) noexcept {
    if (zg::test::failsNow(SystemCall::Fchmod))
        return -1;
    return zg::test::realCall<int(int, mode_t)>("fchmod")(fd, mode);
}
