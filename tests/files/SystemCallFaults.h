#pragma once

namespace zg::test {

// The calls that put a file's content and permissions on the disk, which no ordinary folder makes
// fail. This test program defines them before the C library's, for its own code and Qt's alike.
enum class SystemCall { Fsync, Fchmod };

// The next call of `call`, and only that one, fails with `error` (an errno value).
void FailNext(SystemCall call, int error);

} // namespace zg::test
