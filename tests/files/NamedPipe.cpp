#include "NamedPipe.h"

#include <QFile>

#include <sys/stat.h>

namespace zg::test {

bool MakeFifo(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace zg::test
