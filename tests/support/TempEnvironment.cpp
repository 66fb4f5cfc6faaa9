#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mirato::test {

TempEnvironment::TempEnvironment() {
    set("windir", dir_.path());
}

TempEnvironment::~TempEnvironment() {
    for (auto it = saved_.crbegin(); it != saved_.crend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

QString TempEnvironment::path(const QString& relative) const {
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
}

void TempEnvironment::remember(const char* name) {
    for (const auto& entry : saved_) {
        if (entry.first == name)
            return;
    }
    std::optional<QByteArray> old;
    if (qEnvironmentVariableIsSet(name))
        old = qgetenv(name);
    saved_.append({QByteArray(name), old});
}

void TempEnvironment::set(const char* name, const QString& value) {
    remember(name);
    qputenv(name, value.toUtf8());
}

void TempEnvironment::unset(const char* name) {
    remember(name);
    qunsetenv(name);
}

QString TempEnvironment::writeFile(const QString& relative, const QByteArray& contents) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
    return full;
}

QByteArray TempEnvironment::readFile(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace mirato::test
