#include "core/FileCopy.h"

#include <QFile>
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

}  // namespace mirato::FileCopy
