// Windows: no named pipes in folders, no file-size limit, no other user to become, and system
// calls cannot be made to fail from inside the test program. The tests that need them are left
// out there by name (tests/windows-skips.txt).
#include "FileSizeLimit.h"
#include "NamedPipe.h"
#include "OrdinaryUser.h"
#include "SystemCallFaults.h"

namespace zg::test {

bool MakeFifo(const QString&) {
    return false;
}

void FailNext(SystemCall, int) {}

FileSizeLimit::FileSizeLimit(std::uint64_t) {}
FileSizeLimit::~FileSizeLimit() = default;

bool SavedAsOrdinaryUser(const std::filesystem::path&, const std::function<bool()>& save) {
    return save();
}

} // namespace zg::test
