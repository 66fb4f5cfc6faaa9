#include "HandBack.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mirato::lyricsearch {

QString HandBack::documentPath(const QString& musicPath) const {
    QString name = QFileInfo(musicPath).fileName();
    if (name.isEmpty() || musicPath == QLatin1String("Close") || musicPath == QLatin1String("End"))
        name = QStringLiteral("lyrics");
    return cacheFolder_ + QLatin1Char('/') + name + QStringLiteral(".wrc");
}

QString HandBack::write(const QString& musicPath, const QString& lyrics) const {
    const QString path = documentPath(musicPath);
    QDir().mkpath(cacheFolder_);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const QByteArray data = lyrics.toUtf8();
    if (file.write(data) != data.size() || !file.commit())
        return {};
    return path;
}

bool HandBack::start(const QString& miratoFolder, const QString& document) const {
    const QString program = miratoFolder + QStringLiteral("/mirato");
    return launcher_.start(Command{program, {document}});
}

}  // namespace mirato::lyricsearch
