#include "core/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/Log.h"

namespace mirato::FileCopy {

bool replace(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCDebug(lcCore) << "cannot read" << source;
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        qCDebug(lcCore) << "cannot write" << target << out.errorString();
        return false;
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool write(const QString& target, const QByteArray& bytes, Readers readers) {
    QDir().mkpath(QFileInfo(target).path());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        qCDebug(lcCore) << "cannot write" << target << out.errorString();
        return false;
    }
    if (readers == Readers::OwnerOnly)
        out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace mirato::FileCopy
