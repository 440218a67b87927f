#pragma once

#include <QMimeData>
#include <QString>
#include <QUrl>

#include <optional>

namespace zg {

// The one local file a drop carries, if it carries exactly one: dropped on the window, it opens as
// Open opens it.
inline std::optional<QString> DroppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    return urls.front().toLocalFile();
}

} // namespace zg
