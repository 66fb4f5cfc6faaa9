#include "FindMode.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>

#include "LrclibClient.h"
#include "LyricsFinder.h"
#include "core/FileCopy.h"
#include "core/LyricsPlaces.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"

namespace mirato::lyricsearch {

namespace {

bool writeText(const QString& path, const QString& text) {
    return FileCopy::write(path, text.toUtf8());
}

}  // namespace

int runFindMode(const QStringList& arguments) {
    QCommandLineParser parser;
    for (const char* option : {"source", "artist", "title", "album", "duration"})
        parser.addOption({QLatin1String(option), QString(), QStringLiteral("value")});
    parser.addOption({QStringLiteral("find"), QString()});
    if (!parser.parse(arguments)) {
        qWarning("%s", qPrintable(parser.errorText()));
        return 2;
    }
    const QString source = parser.value(QStringLiteral("source"));
    SongQuery song{parser.value(QStringLiteral("artist")), parser.value(QStringLiteral("title")),
                   parser.value(QStringLiteral("album")),
                   parser.value(QStringLiteral("duration")).toDouble()};
    if (source.isEmpty() || song.title.isEmpty() || song.artist.isEmpty())
        return 2;
    const QString cache = LyricsPlaces::cacheFolder();
    LyricsFinder finder(LrclibClient::configuredService());
    int code = 1;
    QObject::connect(
        &finder, &LyricsFinder::done, [&](const std::optional<LyricsHit>& hit, bool answered) {
            if (hit) {
                // Beside the song when its folder takes it, else in the cache, where Mirato looks
                // next.
                const QString beside = LyricsPlaces::besideSong(source);
                if (!writeText(beside, hit->synced))
                    writeText(LyricsPlaces::cached(cache, source), hit->synced);
                const QString document = LyricsPlaces::found(cache, source);
                const Settings settings(Settings::defaultFilePath());
                const QString program =
                    settings.get(SettingKeys::kProgramPath) + QStringLiteral("/mirato");
                if (writeText(document, hit->synced) &&
                    QProcess::startDetached(program, {document}))
                    code = 0;
            } else if (answered) {
                writeText(LyricsPlaces::notFoundMark(cache, source), QString());
            }
            QCoreApplication::exit(code);
        });
    finder.find(song);
    return QCoreApplication::exec();
}

}  // namespace mirato::lyricsearch
