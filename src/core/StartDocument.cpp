#include "core/StartDocument.h"

#include <QDir>
#include <QFileInfo>

namespace mirato::StartDocument {

QString resolve(const QString& commandLine, const QString& startFolder) {
    QString document = commandLine;
    document.remove(QLatin1Char('"'));
    if (document.isEmpty() || QDir::isAbsolutePath(document) || startFolder.isEmpty())
        return document;
    // ":x" names a Qt resource, not a file in the folder; no file name holds a NUL.
    if (document.startsWith(QLatin1Char(':')) || document.contains(QChar(0)))
        return document;
    const QFileInfo candidate(QDir(startFolder), document);
    return candidate.exists() ? candidate.absoluteFilePath() : document;
}

}  // namespace mirato::StartDocument
