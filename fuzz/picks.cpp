// The learnt picks file, which the user may edit or a crash may cut short: reading it never
// fails, and what it gives back is a line that can be written again and read the same.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FuzzInput.h"
#include "core/LearntPicks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString typed = input.nextText();
    const QByteArray file = input.rest();
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Mirato.picks"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(file);
    }
    QString pick;
    {
        mirato::LearntPicks picks(path);
        pick = picks.pickFor(typed);
        FUZZ_CHECK(!pick.contains(QLatin1Char('\t')) && !pick.contains(QLatin1Char('\n')));
        // A change makes it write the file when it goes.
        picks.learn(QStringLiteral("\x01"), QStringLiteral("\x02"));
    }
    const mirato::LearntPicks again(path);
    FUZZ_CHECK(again.pickFor(typed) == pick || typed.trimmed().toCaseFolded().startsWith(u'\x01'));
    return 0;
}
