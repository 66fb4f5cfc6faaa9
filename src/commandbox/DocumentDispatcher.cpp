#include "commandbox/DocumentDispatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "commandbox/rules/MediaRule.h"
#include "core/FileCopy.h"
#include "core/LyricsPlaces.h"
#include "core/Strings.h"
#include "core/TextRules.h"

Q_LOGGING_CATEGORY(lcDocuments, "mirato.commandbox.documents", QtWarningMsg)

namespace mirato {

namespace {

bool startsLikeHttp(const QString& text) {
    const QString first2 = text.left(2);
    return first2 == QLatin1String("HT") || first2 == QLatin1String("Ht") ||
           first2 == QLatin1String("ht");
}

}  // namespace

DocumentDispatcher::DocumentDispatcher(const Services& services) : c_(services) {}

QString DocumentDispatcher::longPathName(const QString& path) {
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // Symbolic links stay as given: the name the user knows is the long name here.
    return QDir::cleanPath(info.absoluteFilePath());
}

void DocumentDispatcher::dispatch(const QString& document) {
    if (TextRules::hasMediaExtension(document)) {
        QString target;
        if (startsLikeHttp(document))
            target = document;
        else if (c_.conventions.isLocalPath(document))
            target = longPathName(c_.conventions.expandLocalPath(document));
        else
            target = QStringLiteral("http://") + document;
        if (target.isEmpty()) {
            // A media path that cannot be found: the player shows, nothing plays.
            qCDebug(lcDocuments) << "no such media:" << document;
            c_.windows.showPlayer();
            return;
        }
        MediaRule::play(target, c_);
        return;
    }
    if (document.right(4) == QLatin1String(".wrc")) {
        loadLyricsDocument(document);
        return;
    }
    c_.windows.fillCommandBox(startsLikeHttp(document)
                                  ? document
                                  : longPathName(c_.conventions.expandLocalPath(document)));
}

void DocumentDispatcher::loadLyricsDocument(const QString& document) {
    // Lyrics the plug-in found by itself are kept already; they load without a word, and only
    // for the song they were found for.
    const QString cache = LyricsPlaces::cacheFolder();
    if (LyricsPlaces::isFound(cache, document)) {
        const QString source = c_.media.item().location;
        if (QFileInfo(document).absoluteFilePath() !=
            QFileInfo(LyricsPlaces::found(cache, source)).absoluteFilePath()) {
            qCDebug(lcDocuments) << "lyrics found for a song no longer playing:" << document;
            return;
        }
        const QString beside = LyricsPlaces::besideSong(source);
        const QString cached = LyricsPlaces::cached(cache, source);
        c_.windows.showLyricsDocument(QFileInfo(beside).isFile()   ? beside
                                      : QFileInfo(cached).isFile() ? cached
                                                                   : document);
        return;
    }
    const Language language = c_.state.language();
    if (c_.media.playState() != PlayState::Playing) {
        c_.notifier.messageBox(Strings::message(language, MessageCode::LyricsOnlyWhilePlaying),
                               QStringLiteral("Mirato"));
        return;
    }
    if (!c_.windows.showLyricsDocument(document))
        return;
    // Kept beside the song, so the lyrics are found there next time.
    const QString source = c_.media.item().location;
    const QString lyrics = longPathName(document);
    if (!c_.conventions.isLocalPath(source) || lyrics.isEmpty()) {
        qCDebug(lcDocuments) << "lyrics not kept beside" << source;
        return;
    }
    const QString target = source.left(source.size() - 4) + QStringLiteral(".lrc");
    if (lyrics != target) {
        if (!FileCopy::replace(lyrics, target)) {
            qCDebug(lcDocuments) << "cannot copy" << lyrics << "to" << target;
            return;
        }
    }
    c_.notifier.balloon(Strings::message(language, MessageCode::LyricsLoaded));
}

}  // namespace mirato
