#include "core/MediaText.h"

#include <QFileInfo>

namespace mirato::MediaText {

QString title(const MediaControl& media) {
    const QString author = media.itemInfo(QStringLiteral("Author"));
    const QString name = media.itemInfo(QStringLiteral("title"));
    if (name.isEmpty() && author.isEmpty()) {
        const QString source = media.itemInfo(QStringLiteral("sourceURL"));
        return source.contains(QLatin1String("://")) ? source
                                                     : QFileInfo(source).completeBaseName();
    }
    return author.isEmpty() ? name : author + QStringLiteral(" - ") + name;
}

QString time(const MediaControl& media) {
    const QString position = media.positionString();
    return position.isEmpty() ? QString() : position + QLatin1Char('/') + media.durationString();
}

}  // namespace mirato::MediaText
