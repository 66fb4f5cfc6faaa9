// The settings file, shared with plug-ins: any bytes as the file, then a write of one key must
// read back and leave the other keys as they read before.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FuzzInput.h"
#include "core/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FuzzInput input(data, size);
    const QString section = input.nextText().left(40);
    const QString key = input.nextText().left(40);
    const QString value = input.nextText();
    const QString other = input.nextText().left(40);
    const QByteArray file = input.rest();

    const QString path = folder.path() + QStringLiteral("/Mirato.dat");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    out.write(file);
    out.close();

    mirato::ProfileFile ini(path);
    const QString otherBefore = ini.read(section, other);
    // Names the file format cannot hold as a name are not this program's to write.
    const auto plainName = [](const QString& name) {
        return !name.trimmed().isEmpty() && name.trimmed() == name &&
               !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('[')) &&
               !name.contains(QLatin1Char(']')) && !name.contains(QLatin1Char('\n')) &&
               !name.contains(QLatin1Char('\r')) && !name.startsWith(QLatin1Char(';')) &&
               !name.startsWith(QLatin1Char('#')) && !name.contains(QChar(0)) &&
               !name.contains(QChar(0xFFFD)) && !name.contains(QChar(0xFEFF));
    };
    if (!plainName(section) || !plainName(key) || !ini.write(section, key, value))
        return 0;
    // A read trims the stored value before it cuts it to the read limit.
    QString stored = mirato::ProfileFile::cutForWrite(value);
    while (stored.startsWith(QLatin1Char(' ')) || stored.startsWith(QLatin1Char('\t')))
        stored.remove(0, 1);
    FUZZ_CHECK(ini.read(section, key) == mirato::ProfileFile::cutForRead(stored));
    if (plainName(other) && other.compare(key, Qt::CaseInsensitive) != 0)
        FUZZ_CHECK(ini.read(section, other) == otherBefore);
    return 0;
}
