#include <QFile>
#include <cstdio>

#include "platform/FileReplace.h"

namespace mirato::FileReplace {

bool renameOver(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace mirato::FileReplace
