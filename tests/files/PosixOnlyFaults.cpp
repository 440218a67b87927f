// Windows: no named pipes in folders, and system calls cannot be made to fail from inside the
// test program. The tests that need them are left out there by name (tests/windows-skips.txt).
#include "SpecialFiles.h"
#include "SystemCallFaults.h"

namespace zg::test {

bool MakeFifo(const QString&) {
    return false;
}

void FailNext(SystemCall, int) {}

} // namespace zg::test
