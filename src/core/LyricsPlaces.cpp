#include "core/LyricsPlaces.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace mirato::LyricsPlaces {

namespace {

QString stem(const QString& cacheFolder, const QString& source) {
    const QByteArray digest =
        QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return cacheFolder + QLatin1Char('/') + QFileInfo(source).completeBaseName() +
           QLatin1Char('-') + QString::fromLatin1(digest);
}

}  // namespace

QString cacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/mirato/lyrics");
}

QString besideSong(const QString& source) {
    return source.left(source.size() - 4) + QStringLiteral(".lrc");
}

QString cached(const QString& folder, const QString& source) {
    return stem(folder, source) + QStringLiteral(".lrc");
}

QString found(const QString& folder, const QString& source) {
    return stem(folder, source) + QStringLiteral(".wrc");
}

bool isFound(const QString& folder, const QString& document) {
    const QFileInfo file(document);
    static const QRegularExpression name(QStringLiteral("-[0-9a-f]{12}\\.wrc$"));
    return file.absolutePath() == QFileInfo(folder).absoluteFilePath() &&
           name.match(file.fileName()).hasMatch();
}

QString notFoundMark(const QString& folder, const QString& source) {
    return stem(folder, source) + QStringLiteral(".none");
}

bool askedRecently(const QString& folder, const QString& source) {
    const QFileInfo mark(notFoundMark(folder, source));
    return mark.isFile() && mark.lastModified().secsTo(QDateTime::currentDateTime()) <
                                qint64(kDaysBeforeAskingAgain) * 24 * 3600;
}

}  // namespace mirato::LyricsPlaces
