#include "FileTexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace zg {

namespace {
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(zg::FileCommands)
};
} // namespace

QString LineRanges(const std::vector<int>& lines) {
    QStringList parts;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1)
            ++j;
        parts << (j == i ? QString::number(lines[i]) : QStringLiteral("%1-%2").arg(lines[i]).arg(lines[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString OwnFileRefusal(const QString& path) {
    return FileText::tr("%1 is the pattern's own data file: an export would write over it. Choose "
                        "another name.")
        .arg(path);
}

} // namespace zg
