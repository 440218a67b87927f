#pragma once

#include <filesystem>
#include <functional>

namespace zg::test {

// True when `save` succeeded for a user whom file permissions bind. Root ignores them, so as root
// the save runs in a child process that owns the folder's files and has become "nobody".
bool SavedAsOrdinaryUser(const std::filesystem::path& folder, const std::function<bool()>& save);

} // namespace zg::test
