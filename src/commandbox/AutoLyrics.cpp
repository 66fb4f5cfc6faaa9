#include "commandbox/AutoLyrics.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <cmath>

#include "commandbox/LyricsSearch.h"
#include "core/Launcher.h"
#include "core/LyricsPlaces.h"
#include "core/MediaControl.h"
#include "core/PluginCatalog.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"

Q_LOGGING_CATEGORY(lcAutoLyrics, "mirato.commandbox.autolyrics", QtWarningMsg)

namespace mirato {

AutoLyrics::AutoLyrics(Settings& settings, const PluginCatalog& plugins, MediaControl& media,
                       Launcher& launcher, QString cacheFolder, QObject* parent)
    : QObject(parent),
      settings_(settings),
      plugins_(plugins),
      media_(media),
      launcher_(launcher),
      cacheFolder_(std::move(cacheFolder)) {
    connect(&media_, &MediaControl::tagsChanged, this, &AutoLyrics::askWhenKnown);
}

void AutoLyrics::songWithoutLyrics(const QString& source) {
    waiting_.clear();
    if (!settings_.get(SettingKeys::kAutoLyrics))
        return;
    if (LyricsPlaces::askedRecently(cacheFolder_, source)) {
        qCDebug(lcAutoLyrics) << "the service did not know it this week:" << source;
        return;
    }
    waiting_ = source;
    askWhenKnown();
}

void AutoLyrics::askWhenKnown() {
    const MediaItem item = media_.item();
    if (waiting_.isEmpty() || item.location != waiting_ || !item.length)
        return;  // told later, with the tags
    const QString source = waiting_;
    waiting_.clear();
    QString artist = item.artist;
    QString title = item.title;
    if (artist.isEmpty() || title.isEmpty()) {
        // "Artist - Title.mp3"
        const QString name = QFileInfo(source).completeBaseName();
        const qsizetype dash = name.indexOf(QLatin1String(" - "));
        if (dash <= 0) {
            qCDebug(lcAutoLyrics) << "nothing to look it up by:" << source;
            return;
        }
        artist = name.left(dash).trimmed();
        title = name.mid(dash + 3).trimmed();
    }
    const QString program = plugins_.programNamed(LyricsSearch::pluginName());
    if (program.isEmpty()) {
        qCDebug(lcAutoLyrics) << "no lyrics plug-in to ask";
        return;
    }
    QStringList arguments{
        QStringLiteral("--find"),
        QStringLiteral("--source"),
        source,
        QStringLiteral("--artist"),
        artist,
        QStringLiteral("--title"),
        title,
        QStringLiteral("--duration"),
        QString::number(std::chrono::round<std::chrono::seconds>(*item.length).count())};
    if (!item.album.isEmpty())
        arguments << QStringLiteral("--album") << item.album;
    if (!launcher_.start(Command{program, arguments}))
        qCDebug(lcAutoLyrics) << "could not start" << program;
}

}  // namespace mirato
