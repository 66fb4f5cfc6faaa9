#include <QFileInfo>

#include "platform/ProgramFolder.h"

namespace mirato::ProgramFolder {

QString path() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

}  // namespace mirato::ProgramFolder
