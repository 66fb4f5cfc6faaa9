#include "core/MediaText.h"

#include <QFileInfo>
#include <algorithm>

namespace mirato::MediaText {

QString title(const MediaControl& media) {
    const MediaItem item = media.item();
    const QString& author = item.artist;
    const QString& name = item.title;
    if (name.isEmpty() && author.isEmpty()) {
        const QString& source = item.location;
        return source.contains(QLatin1String("://")) ? source
                                                     : QFileInfo(source).completeBaseName();
    }
    return author.isEmpty() ? name : author + QStringLiteral(" - ") + name;
}

QString clock(std::chrono::milliseconds time) {
    // A broken stream may report any duration: a day of 999:59 is the most shown.
    const qint64 whole = std::clamp<qint64>(time.count() / 1000, 0, 999 * 60 + 59);
    return QStringLiteral("%1:%2")
        .arg(whole / 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString time(const MediaControl& media) {
    const auto position = media.position();
    if (!position)
        return {};
    return clock(*position) + QLatin1Char('/') +
           clock(media.item().length.value_or(std::chrono::milliseconds(0)));
}

}  // namespace mirato::MediaText
