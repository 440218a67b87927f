#include "SameFile.h"

#include <QFileInfo>

#include <filesystem>

namespace zg {

bool IsSameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemFilePath(), QFileInfo(b).filesystemFilePath(),
                                       error) &&
           !error;
}

} // namespace zg
