// Windows: no pseudo-terminals, so no socat pair and no reader at its far end. The tests that use
// them skip (socat is never found); WineComPortTest reads the far end through Wine instead.
#include "ModuleReader.h"
#include "SocatPtyPair.h"

namespace zg::testing {

std::optional<std::string> SocatPtyPair::FindSocat() {
    return std::nullopt;
}

SocatPtyPair::SocatPtyPair() = default;
SocatPtyPair::~SocatPtyPair() = default;
void SocatPtyPair::Vanish() {}
void SocatPtyPair::stop(int) {}

ModuleReader::ModuleReader(const std::string&) {}
ModuleReader::~ModuleReader() = default;
void ModuleReader::run() {}

bool ModuleReader::WaitForBytes(std::size_t, std::chrono::milliseconds) {
    return false;
}

std::vector<TimedByte> ModuleReader::Received() const {
    return {};
}

} // namespace zg::testing
