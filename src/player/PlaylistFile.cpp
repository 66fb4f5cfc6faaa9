#include "player/PlaylistFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mirato::PlaylistFile {

bool write(const QString& path, const QStringList& entries) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QByteArray data;
    for (const QString& entry : entries)
        data += entry.toUtf8() + "\r\n";
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace mirato::PlaylistFile
